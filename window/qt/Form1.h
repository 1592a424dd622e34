#pragma once

#include "runtime/qt/Form.h"
#include "window/Controls.h"
#include "window/qt/LineEditBox.h"
#include "window/qt/SystemClipboard.h"
#include "window/Twips.h"

#include <array>

class RowWiring;
class TextBox;
class EntryBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class ResultBox;

// The program's one window: two conversion rows, millimetres to mils above
// and mils to millimetres below, separated by a line, and an exit button.
class Form1 : public Runtime::Form
{
    Q_OBJECT

public:
    explicit Form1(QWidget* parent = nullptr);

    // Shows the window, then puts the caret into the mil input with its
    // text selected, ready to be overwritten.
    void Load() override;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QWidget* makeControl(const Controls::Control& design);
    void createControls();
    [[nodiscard]] QLineEdit* box(std::size_t index) const;
    [[nodiscard]] Twips::Scale fittingScale() const;
    void placeControls();
    void shadeResultBoxes();
    void adaptLater();
    void setTabOrder();
    void connectEvents();
    void connectEntryBox(EntryBox* box, TextBox& entry);

    void Command1_Click();

    // By their place in the table of controls.
    std::array<QWidget*, Controls::Count> m_controls{};
    SystemClipboard m_clipboard;
    std::array<RowWiring*, Controls::Count> m_rows{};
    bool m_iconSet = false;
    bool m_adaptPending = false;
};
