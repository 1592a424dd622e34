#pragma once

#include "window/FormBehaviour.h"

#include <QLineEdit>

// An input box that tells its window when the focus reaches it, and how,
// and when it is clicked, each after Qt's own handling (which selects the
// whole text on Tab), so that the window has the last word on the selection.
class EntryBox : public QLineEdit
{
    Q_OBJECT

public:
    explicit EntryBox(QWidget* parent = nullptr);

signals:
    void entered(Entry how);
    void clicked();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};
