#include "window/qt/EntryBox.h"

#include <QKeyEvent>

EntryBox::EntryBox(QWidget* parent)
    : QLineEdit(parent)
{
}

void EntryBox::focusInEvent(QFocusEvent* event)
{
    // QLineEdit selects all on Tab; the window's selection must win.
    QLineEdit::focusInEvent(event);
    // The box is entered when the focus moves to it within the window, not
    // when the whole window comes back (Alt+Tab, a Wayland keyboard entering
    // the surface) or a menu closes: the caret stays where the user left it.
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason) {
        emit gotFocus();
    }
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
