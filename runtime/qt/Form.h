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
};

} // namespace Runtime
