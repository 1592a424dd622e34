#include "window/qt/ResultBox.h"

#include "window/ConversionRow.h"
#include "window/qt/LineEditBox.h"

#include <QEvent>

ResultBox::ResultBox(QWidget* parent)
    : QLineEdit(parent)
{
    setReadOnly(true);
    setFocusPolicy(Qt::StrongFocus);
}

void ResultBox::resizeEvent(QResizeEvent* event)
{
    QLineEdit::resizeEvent(event);
    updateToolTip();
}

void ResultBox::changeEvent(QEvent* event)
{
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        updateToolTip();
    }
}

// A new size or font can make a result fit, or no longer fit.
void ResultBox::updateToolTip()
{
    LineEditBox box(this);
    ShowWholeTextInToolTip(box);
}
