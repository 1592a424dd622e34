#include "window/qt/EntryBox.h"

#include <QFocusEvent>
#include <QMouseEvent>

namespace {

Entry entryFor(Qt::FocusReason reason)
{
    switch (reason) {
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason:
        return Entry::Tab;
    case Qt::MouseFocusReason:
        return Entry::Click;
    // The whole window came back (Alt+Tab, a Wayland keyboard entering the
    // surface), or a menu over it closed.
    case Qt::ActiveWindowFocusReason:
    case Qt::PopupFocusReason:
        return Entry::WindowBack;
    default:
        return Entry::Program;
    }
}

} // namespace

EntryBox::EntryBox(QWidget* parent)
    : QLineEdit(parent)
{
}

void EntryBox::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    emit entered(entryFor(event->reason()));
}

void EntryBox::mouseReleaseEvent(QMouseEvent* event)
{
    QLineEdit::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton) {
        emit clicked();
    }
}
