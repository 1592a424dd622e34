#pragma once

#include "runtime/qt/Form.h"
#include "window/qt/LineEditBox.h"
#include "window/qt/SystemClipboard.h"
#include "window/Twips.h"

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
    void createControls();
    [[nodiscard]] Twips::Scale fittingScale() const;
    void placeControls();
    void shadeResultBoxes();
    void adaptLater();
    void setTabOrder();
    void connectEvents();
    void connectEntryBox(EntryBox* box, TextBox& entry);

    void Command1_Click();

    EntryBox* Text1 = nullptr;
    ResultBox* Text2 = nullptr;
    EntryBox* Text3 = nullptr;
    ResultBox* Text4 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QFrame* Line1 = nullptr;
    QPushButton* Command1 = nullptr;

    SystemClipboard m_clipboard;
    RowWiring* m_millimetreRow = nullptr;
    RowWiring* m_milRow = nullptr;
    bool m_iconSet = false;
    bool m_adaptPending = false;
};
