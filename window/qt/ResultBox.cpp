#include "window/qt/ResultBox.h"

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
    emit laidOut();
}

void ResultBox::changeEvent(QEvent* event)
{
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        emit laidOut();
    }
}
