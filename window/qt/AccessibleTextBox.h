#pragma once

#include <QAccessibleWidget>

#include <optional>

class QLineEdit;

// What a screen reader sees of an input or result box. Qt's own line-edit
// interface hangs when asked for the word or sentence at the end of the text,
// which is where the caret is after typing, and reports attribute runs of no
// length, from which a reader builds a line without its last character. This
// one answers every query at every offset in time bounded by the text's
// length, and reports one run of attributes over the whole text.
class AccessibleTextBox : public QAccessibleWidget,
                          public QAccessibleTextInterface,
                          public QAccessibleEditableTextInterface
{
public:
    explicit AccessibleTextBox(QLineEdit* box);

    void* interface_cast(QAccessible::InterfaceType type) override;
    [[nodiscard]] QString text(QAccessible::Text type) const override;
    void setText(QAccessible::Text type, const QString& text) override;
    [[nodiscard]] QAccessible::State state() const override;

    // QAccessibleTextInterface
    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    [[nodiscard]] int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    [[nodiscard]] int cursorPosition() const override;
    void setCursorPosition(int position) override;
    [[nodiscard]] QString text(int startOffset, int endOffset) const override;
    [[nodiscard]] QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                           int* startOffset, int* endOffset) const override;
    [[nodiscard]] QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                          int* startOffset, int* endOffset) const override;
    [[nodiscard]] QString textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                       int* startOffset, int* endOffset) const override;
    [[nodiscard]] int characterCount() const override;
    [[nodiscard]] QRect characterRect(int offset) const override;
    [[nodiscard]] int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    [[nodiscard]] QString attributes(int offset, int* startOffset, int* endOffset) const override;

    // QAccessibleEditableTextInterface, for the input boxes only
    void deleteText(int startOffset, int endOffset) override;
    void insertText(int offset, const QString& text) override;
    void replaceText(int startOffset, int endOffset, const QString& text) override;

private:
    [[nodiscard]] QLineEdit* box() const;
    [[nodiscard]] std::optional<int> queried(int offset, int* startOffset, int* endOffset) const;
    [[nodiscard]] QString segment(int index, int* startOffset, int* endOffset) const;
    [[nodiscard]] int segmentAt(int offset, QAccessible::TextBoundaryType boundaryType) const;
    void segmentText(QAccessible::TextBoundaryType boundaryType) const;

    // The text cut at the boundaries of the last type asked for: the start
    // of each segment, then the text's length.
    mutable QList<int> m_bounds;
    mutable QString m_segmentedText;
    mutable QAccessible::TextBoundaryType m_segmentedBy = QAccessible::NoBoundary;
};
