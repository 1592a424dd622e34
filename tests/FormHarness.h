#pragma once

#include "window/qt/Form1.h"

#include <QLineEdit>
#include <QTest>

#include <memory>

// Opens the window as the program does, through its Load event, and finds
// its controls by object name, as a user would by looking at them.
class FormHarness
{
public:
    FormHarness()
        : m_form(std::make_unique<Form1>())
    {
        m_form->Load();
    }

    // Waits until the window is active, so that focus events have arrived.
    [[nodiscard]] bool waitActive() { return QTest::qWaitForWindowActive(m_form.get()); }

    [[nodiscard]] QWidget* form() const { return m_form.get(); }

    template <typename Control = QWidget>
    [[nodiscard]] Control* control(const char* name) const
    {
        auto* found = m_form->findChild<Control*>(QString::fromLatin1(name));
        if (!found) {
            qFatal("no control named %s", name);
        }
        return found;
    }

    [[nodiscard]] QLineEdit* box(const char* name) const { return control<QLineEdit>(name); }

private:
    std::unique_ptr<Form1> m_form;
};
