#include "window/ResultBox.h"

#include "window/LineEditMetrics.h"

#include <QEvent>

ResultBox::ResultBox(QWidget* parent)
    : QLineEdit(parent)
{
    setReadOnly(true);
    setFocusPolicy(Qt::StrongFocus);
}

void ResultBox::showResult(const QString& text)
{
    setText(text);
    // setText() leaves the caret at the end, which scrolls a long number so
    // that its tail shows: 4860493.78 would read as 860493.78.
    setCursorPosition(0);
    updateToolTip();
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

void ResultBox::updateToolTip()
{
    // QLineEdit scrolls once the text and a caret pixel no longer fit.
    const int needed = fontMetrics().horizontalAdvance(text()) + 1;
    const bool fits = needed <= LineEditTextRect(this, size()).width();
    setToolTip(fits ? QString() : text());
}
