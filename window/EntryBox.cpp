#include "window/EntryBox.h"

#include <QKeyEvent>

EntryBox::EntryBox(QWidget* parent)
    : QLineEdit(parent)
{
}

void EntryBox::focusInEvent(QFocusEvent* event)
{
    // QLineEdit selects all on Tab; the window's selection must win.
    QLineEdit::focusInEvent(event);
    emit gotFocus();
}

void EntryBox::mouseReleaseEvent(QMouseEvent* event)
{
    QLineEdit::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton) {
        emit clicked();
    }
}

void EntryBox::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        emit enterPressed();
        return;
    }
    QLineEdit::keyPressEvent(event);
}
