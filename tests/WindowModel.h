#pragma once

#include <QString>

#include <array>
#include <optional>

// An independent model of the window, for the model-checked GUI test: the
// editing rules of a line edit, the focus and selection rules of the input
// boxes, and the conversion rules, computed through the C library's strtod
// and printf rather than the program's own number services.
class WindowModel
{
public:
    enum Control { Text1, Text2, Text3, Text4, Command1, ControlCount };

    struct Box {
        QString text = QStringLiteral("0");
        qsizetype cursor = 1;
        qsizetype selectionStart = 0;
        qsizetype selectionLength = 0;
    };

    WindowModel();

    // The user's actions, applied to the control with the focus.
    void type(QChar c);
    void backspace();
    void deleteForward();
    void selectAllAndDelete();
    void paste(const QString& text); // the test puts `text` on the clipboard first
    void enter();
    void click(Control control);
    void tab(bool backwards);
    // Another window takes the activation and gives it back: the focus, the
    // caret and the selection stay as the user left them.
    void reactivate() {}

    [[nodiscard]] const Box& box(Control control) const { return m_boxes[control]; }
    [[nodiscard]] Control focus() const { return m_focus; }
    [[nodiscard]] const QString& clipboard() const { return m_clipboard; }
    // How many edits were accepted so far, and the result box of the last.
    [[nodiscard]] int acceptedEdits() const { return m_acceptedEdits; }
    [[nodiscard]] Control lastResult() const { return m_lastResult; }

private:
    [[nodiscard]] bool isInput(Control control) const
    {
        return control == Text1 || control == Text3;
    }
    void selectEntry(Control control);
    bool removeSelection(Box& box);
    void changed(Control input);
    void enterControl(Control control);

    std::array<Box, 4> m_boxes;
    Control m_focus = Text3;
    QString m_clipboard;
    int m_acceptedEdits = 0;
    Control m_lastResult = Text4;
};
