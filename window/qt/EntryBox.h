#pragma once

#include <QLineEdit>

// An input box that tells its window when it is entered, clicked or
// confirmed with Enter, each after Qt's own handling so that the window has
// the last word on the selection.
class EntryBox : public QLineEdit
{
    Q_OBJECT

public:
    explicit EntryBox(QWidget* parent = nullptr);

signals:
    void gotFocus();
    void clicked();
    // Return or keypad Enter. The key itself is consumed: the box inserts
    // nothing and the window's default button, if any, is not pressed.
    void enterPressed();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};
