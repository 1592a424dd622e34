#pragma once

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

    // A window of one size, which the user neither resizes nor maximises.
    void setFixedClientSize(const QSize& size);

protected:
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    [[nodiscard]] bool titleBarDrawnByQt() const;
    void applyFixedSize();

    QSize m_fixedSize;
    bool m_painted = false;
};

} // namespace Runtime
