#pragma once

#include "runtime/qt/Form.h"
#include "window/FormBehaviour.h"
#include "window/qt/Coalesced.h"
#include "window/qt/DesktopScheme.h"
#include "window/qt/Layout.h"
#include "window/qt/LineEditBox.h"
#include "window/qt/SystemClipboard.h"
#include "window/WindowView.h"

#include <QTimer>

#include <array>
#include <memory>
#include <optional>

// The program's one window on Qt Widgets: two conversion rows, millimetres to
// mils above and mils to millimetres below, separated by a line, and an exit
// button. It makes, places and draws the controls of the table, and reports
// what happens to them to the window's behaviour.
class Form1 : public Runtime::Form, private WindowView
{
    Q_OBJECT

public:
    explicit Form1(QWidget* parent = nullptr);

    // Shows the window; the behaviour then puts the caret into the mil input
    // with its text selected, ready to be overwritten.
    void Load() override;

    // Comes forward with the token, the input last entered entered again.
    void startedAgain(const Runtime::LaunchToken& token) override;

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    TextBox& input(Row row) override;
    TextBox& result(Row row) override;
    void focusInput(Row row) override;
    void keepOnTop(bool on) override;
    void restartTypingPause(std::chrono::milliseconds pause) override;
    void announce(Row row, std::u16string_view text) override;
    void end() override;

    void createControls();
    void adapt();
    void placeControls();
    void setTabOrder();
    void connectEvents();

    // The input of that row, if the object is one.
    [[nodiscard]] std::optional<Row> inputRow(const QObject* object) const;

    // By their place in the table of controls.
    ControlWidgets m_controls{};
    // By row.
    std::array<std::unique_ptr<LineEditBox>, Controls::RowCount> m_inputs;
    std::array<std::unique_ptr<LineEditBox>, Controls::RowCount> m_results;
    SystemClipboard m_clipboard;
    QTimer m_typingPause;
    std::optional<FormBehaviour> m_behaviour;
    DesktopScheme* m_scheme = nullptr;
    bool m_iconSet = false;
    // A new style or palette reaches the window and its controls one by one,
    // in no fixed order, and the portal may tell of a new scheme many times
    // in a row: the window adapts once all have arrived.
    Coalesced m_adapt{this, [this] { adapt(); }};
};
