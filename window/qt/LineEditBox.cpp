#include "window/qt/LineEditBox.h"

#include "runtime/qt/QtNumbers.h"
#include "window/qt/LineEditMetrics.h"

#include <QLineEdit>

LineEditBox::LineEditBox(QLineEdit* box)
    : m_box(box)
{
}

std::u16string_view LineEditBox::text() const
{
    m_text = m_box->text();
    return Runtime::ToU16(m_text);
}

void LineEditBox::setText(std::u16string_view text)
{
    m_box->setText(Runtime::ToQString(text));
}

void LineEditBox::setSelection(int start, int length)
{
    if (length == 0) {
        m_box->deselect();
        m_box->setCursorPosition(start);
        return;
    }
    m_box->setSelection(start, length);
}

bool LineEditBox::showsWholeText() const
{
    return TextFits(m_box);
}

void LineEditBox::setToolTip(std::u16string_view text)
{
    m_box->setToolTip(Runtime::ToQString(text));
}
