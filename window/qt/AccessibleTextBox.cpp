#include "window/qt/AccessibleTextBox.h"

#include <QFontMetricsF>
#include <QLineEdit>
#include <QTextBoundaryFinder>

#include <algorithm>
#include <optional>

namespace {

// QLineEdit::cursorRect() is protected; a pointer to it, named through a
// class that makes it public, may be called on any QLineEdit.
struct CursorRect : QLineEdit {
    using QLineEdit::cursorRect;
};

// The caret rectangle QLineEdit reports is ten pixels wider than the caret,
// starting five pixels to its left.
constexpr int CaretRectLead = 5;

} // namespace

AccessibleTextBox::AccessibleTextBox(QLineEdit* box)
    : QAccessibleWidget(box, QAccessible::EditableText)
{
}

QLineEdit* AccessibleTextBox::box() const
{
    return static_cast<QLineEdit*>(widget());
}

void* AccessibleTextBox::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface) {
        return static_cast<QAccessibleTextInterface*>(this);
    }
    if (type == QAccessible::EditableTextInterface && !box()->isReadOnly()) {
        return static_cast<QAccessibleEditableTextInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(type);
}

QString AccessibleTextBox::text(QAccessible::Text type) const
{
    if (type == QAccessible::Value) {
        return box()->text();
    }
    return QAccessibleWidget::text(type);
}

void AccessibleTextBox::setText(QAccessible::Text type, const QString& text)
{
    if (type == QAccessible::Value && !box()->isReadOnly()) {
        box()->setText(text);
        return;
    }
    QAccessibleWidget::setText(type, text);
}

QAccessible::State AccessibleTextBox::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    // A result box can be read and selected, but a reader must not offer
    // to type into it.
    state.readOnly = box()->isReadOnly();
    state.editable = !box()->isReadOnly();
    state.selectableText = true;
    state.focusable = true;
    return state;
}

void AccessibleTextBox::selection(int selectionIndex, int* startOffset, int* endOffset) const
{
    *startOffset = *endOffset = 0;
    if (selectionIndex == 0 && box()->hasSelectedText()) {
        *startOffset = box()->selectionStart();
        *endOffset = box()->selectionEnd();
    }
}

int AccessibleTextBox::selectionCount() const
{
    return box()->hasSelectedText() ? 1 : 0;
}

void AccessibleTextBox::addSelection(int startOffset, int endOffset)
{
    setSelection(0, startOffset, endOffset);
}

void AccessibleTextBox::removeSelection(int selectionIndex)
{
    if (selectionIndex == 0) {
        box()->deselect();
    }
}

void AccessibleTextBox::setSelection(int selectionIndex, int startOffset, int endOffset)
{
    if (selectionIndex == 0) {
        box()->setSelection(startOffset, endOffset - startOffset);
    }
}

int AccessibleTextBox::cursorPosition() const
{
    return box()->cursorPosition();
}

void AccessibleTextBox::setCursorPosition(int position)
{
    box()->setCursorPosition(position);
}

QString AccessibleTextBox::text(int startOffset, int endOffset) const
{
    if (startOffset > endOffset) {
        return {};
    }
    return box()->text().mid(startOffset, endOffset - startOffset);
}

int AccessibleTextBox::characterCount() const
{
    return static_cast<int>(box()->text().size());
}

// Segments the text once per text and boundary type: a reader asks for
// the pieces of one text many times over.
void AccessibleTextBox::segmentText(QAccessible::TextBoundaryType boundaryType) const
{
    const QString text = box()->text();
    if (!m_bounds.isEmpty() && text == m_segmentedText && boundaryType == m_segmentedBy) {
        return;
    }
    m_segmentedText = text;
    m_segmentedBy = boundaryType;
    m_bounds = {0};
    const int length = static_cast<int>(text.size());
    QTextBoundaryFinder::BoundaryType finderType = QTextBoundaryFinder::Grapheme;
    switch (boundaryType) {
    case QAccessible::CharBoundary:
        finderType = QTextBoundaryFinder::Grapheme;
        break;
    case QAccessible::WordBoundary:
        finderType = QTextBoundaryFinder::Word;
        break;
    case QAccessible::SentenceBoundary:
        finderType = QTextBoundaryFinder::Sentence;
        break;
    default:
        // One line, one paragraph: the whole text.
        if (length > 0) {
            m_bounds.append(length);
        }
        return;
    }
    QTextBoundaryFinder finder(finderType, text);
    // Each step moves forward, so this ends after at most length steps.
    for (qsizetype at = finder.toNextBoundary(); at > 0 && at <= length;
         at = finder.toNextBoundary()) {
        m_bounds.append(static_cast<int>(at));
    }
    if (m_bounds.last() != length) {
        m_bounds.append(length);
    }
}

// The segment that holds `offset`. At the end of the text, where the caret
// stands after typing, that is the last segment (the last word, sentence,
// line), or, for characters, none: the number of segments then.
int AccessibleTextBox::segmentAt(int offset, QAccessible::TextBoundaryType boundaryType) const
{
    segmentText(boundaryType);
    const int count = static_cast<int>(m_bounds.size()) - 1;
    if (offset >= m_bounds.last()) {
        return boundaryType == QAccessible::CharBoundary || count == 0 ? count : count - 1;
    }
    const auto after = std::upper_bound(m_bounds.cbegin(), m_bounds.cend(), offset);
    return static_cast<int>(after - m_bounds.cbegin()) - 1;
}

QString AccessibleTextBox::segment(int index, int* startOffset, int* endOffset) const
{
    if (index < 0 || index + 1 >= m_bounds.size()) {
        *startOffset = *endOffset = -1;
        return {};
    }
    *startOffset = m_bounds[index];
    *endOffset = m_bounds[index + 1];
    return m_segmentedText.mid(*startOffset, *endOffset - *startOffset);
}

// The offset a query means, or nothing (and no segment) outside the text.
std::optional<int> AccessibleTextBox::queried(int offset, int* startOffset, int* endOffset) const
{
    if (offset == -2) {
        offset = cursorPosition(); // what Qt's bridges pass for "at the caret"
    }
    if (offset < 0 || offset > characterCount()) {
        *startOffset = *endOffset = -1;
        return std::nullopt;
    }
    return offset;
}

QString AccessibleTextBox::textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                        int* startOffset, int* endOffset) const
{
    const std::optional<int> at = queried(offset, startOffset, endOffset);
    if (!at) {
        return {};
    }
    const int length = characterCount();
    const int index = segmentAt(*at, boundaryType);
    if (index + 1 >= m_bounds.size()) {
        *startOffset = *endOffset = length; // no character after the end
        return {};
    }
    return segment(index, startOffset, endOffset);
}

QString AccessibleTextBox::textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                            int* startOffset, int* endOffset) const
{
    const std::optional<int> at = queried(offset, startOffset, endOffset);
    return at ? segment(segmentAt(*at, boundaryType) - 1, startOffset, endOffset) : QString();
}

QString AccessibleTextBox::textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                           int* startOffset, int* endOffset) const
{
    const std::optional<int> at = queried(offset, startOffset, endOffset);
    return at ? segment(segmentAt(*at, boundaryType) + 1, startOffset, endOffset) : QString();
}

QRect AccessibleTextBox::characterRect(int offset) const
{
    const QString text = box()->text();
    if (offset < 0 || offset >= text.size()) {
        return {};
    }
    // Measured from the caret, which knows how far the box has scrolled.
    const QRect caret = (box()->*(&CursorRect::cursorRect))();
    const QFontMetricsF metrics(box()->font());
    const qreal caretX = caret.x() + CaretRectLead;
    const qreal left = caretX + metrics.horizontalAdvance(text.left(offset)) -
                       metrics.horizontalAdvance(text.left(box()->cursorPosition()));
    const qreal width = metrics.horizontalAdvance(text.mid(offset, 1));
    const QRect local(qRound(left), caret.y(), qRound(width), caret.height() - 1);
    return {box()->mapToGlobal(local.topLeft()), local.size()};
}

int AccessibleTextBox::offsetAtPoint(const QPoint& point) const
{
    const QPoint local = box()->mapFromGlobal(point);
    return box()->rect().contains(local) ? box()->cursorPositionAt(local) : -1;
}

void AccessibleTextBox::scrollToSubstring(int startIndex, int endIndex)
{
    box()->setCursorPosition(endIndex);
    box()->setCursorPosition(startIndex);
}

QString AccessibleTextBox::attributes(int offset, int* startOffset, int* endOffset) const
{
    // The whole text looks alike: one run, with nothing to say about it.
    const int length = characterCount();
    if (offset < 0 || offset > length) {
        *startOffset = *endOffset = -1;
        return {};
    }
    *startOffset = 0;
    *endOffset = length;
    return {};
}

void AccessibleTextBox::deleteText(int startOffset, int endOffset)
{
    replaceText(startOffset, endOffset, QString());
}

void AccessibleTextBox::insertText(int offset, const QString& text)
{
    replaceText(offset, offset, text);
}

void AccessibleTextBox::replaceText(int startOffset, int endOffset, const QString& text)
{
    if (box()->isReadOnly()) {
        return;
    }
    // Through the selection, so that it is an edit like any other: one
    // change, undoable, converted at once.
    box()->setSelection(startOffset, endOffset - startOffset);
    box()->insert(text);
}
