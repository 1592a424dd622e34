#include "WindowModel.h"

#include "ConversionOracle.h"

WindowModel::WindowModel()
{
    selectEntry(Text3); // the caret starts in the mil input
}

void WindowModel::selectEntry(Control control)
{
    Box& b = m_boxes[control];
    b.selectionStart = 0;
    b.selectionLength = std::min<qsizetype>(10, b.text.size());
    b.cursor = b.selectionLength;
}

bool WindowModel::removeSelection(Box& b)
{
    if (b.selectionLength == 0) {
        return false;
    }
    b.text.remove(b.selectionStart, b.selectionLength);
    b.cursor = b.selectionStart;
    b.selectionLength = 0;
    return true;
}

void WindowModel::changed(Control input)
{
    const Control result = input == Text1 ? Text2 : Text4;
    if (const auto text = OracleConvert(m_boxes[input].text, input == Text1)) {
        m_boxes[result].text = *text;
        m_clipboard = *text;
        ++m_acceptedEdits;
        m_lastResult = result;
    }
}

void WindowModel::type(QChar c)
{
    if (!isInput(m_focus)) {
        return; // read-only result box, or the button
    }
    Box& b = m_boxes[m_focus];
    removeSelection(b);
    b.text.insert(b.cursor++, c);
    changed(m_focus);
}

void WindowModel::backspace()
{
    if (!isInput(m_focus)) {
        return;
    }
    Box& b = m_boxes[m_focus];
    if (!removeSelection(b)) {
        if (b.cursor == 0) {
            return;
        }
        b.text.remove(--b.cursor, 1);
    }
    changed(m_focus);
}

void WindowModel::deleteForward()
{
    if (!isInput(m_focus)) {
        return;
    }
    Box& b = m_boxes[m_focus];
    if (!removeSelection(b)) {
        if (b.cursor == b.text.size()) {
            return;
        }
        b.text.remove(b.cursor, 1);
    }
    changed(m_focus);
}

void WindowModel::selectAllAndDelete()
{
    if (!isInput(m_focus)) {
        return;
    }
    Box& b = m_boxes[m_focus];
    b.selectionStart = 0;
    b.selectionLength = b.text.size();
    b.cursor = b.text.size();
    if (removeSelection(b)) {
        changed(m_focus);
    }
}

void WindowModel::paste(const QString& text)
{
    m_clipboard = text;
    if (!isInput(m_focus) || text.isEmpty()) {
        return;
    }
    Box& b = m_boxes[m_focus];
    removeSelection(b);
    b.text.insert(b.cursor, text);
    b.cursor += text.size();
    changed(m_focus);
}

void WindowModel::enter()
{
    if (isInput(m_focus)) {
        selectEntry(m_focus);
    }
}

void WindowModel::enterControl(Control control)
{
    m_focus = control;
    if (isInput(control)) {
        selectEntry(control);
    }
}

void WindowModel::click(Control control)
{
    enterControl(control);
}

void WindowModel::tab(bool backwards)
{
    const int step = backwards ? ControlCount - 1 : 1;
    enterControl(Control((m_focus + step) % ControlCount));
}
