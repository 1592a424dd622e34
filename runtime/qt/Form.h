#pragma once

#include "runtime/qt/LaunchToken.h"

#include <QWidget>

namespace Runtime {

// A top-level window of the program. The start routine creates the start-up
// form and raises its Load event; the form shows itself there.
class Form : public QWidget
{
    Q_OBJECT

public:
    explicit Form(QWidget* parent = nullptr);

    virtual void Load() = 0;

    // Another start of the program asked for this window, with the token its
    // launcher gave that start. What follows is the form's to decide
    // (startedAgain()); comeForward() uses the token.
    void requestedAgain(const LaunchToken& token);

    // A window of one size, which the user neither resizes nor maximises.
    void setFixedClientSize(const QSize& size);

protected:
    virtual void startedAgain() { comeForward(); }
    // Restores the window if it is minimised, and asks the desktop to put it
    // in front with the keyboard focus.
    void comeForward();

    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    [[nodiscard]] bool titleBarDrawnByQt() const;
    void applyFixedSize();

    QSize m_fixedSize;
    LaunchToken m_launch; // of the start being answered
    bool m_painted = false;
};

} // namespace Runtime
