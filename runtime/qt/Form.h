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
    // launcher gave that start: the form comes forward with it, and may do
    // more.
    virtual void startedAgain(const LaunchToken& token) { comeForward(token); }

    // A window of one size, which the user neither resizes nor maximises.
    void setFixedClientSize(const QSize& size);

protected:
    // Restores the window if it is minimised, and asks the desktop to put it
    // in front with the keyboard focus, showing the token of the start that
    // asked for it where there is one.
    void comeForward(const LaunchToken& token);

    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    [[nodiscard]] bool titleBarDrawnByQt() const;
    void applyFixedSize();

    QSize m_fixedSize;
    bool m_painted = false;
};

} // namespace Runtime
