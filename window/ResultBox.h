#pragma once

#include <QLineEdit>

// A box that shows a result: read-only, but it can be entered, selected and
// copied from. A result always shows from its first digit, and one that is
// wider than the box is whole in its tooltip.
class ResultBox : public QLineEdit
{
    Q_OBJECT

public:
    explicit ResultBox(QWidget* parent = nullptr);

    void showResult(const QString& text);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void updateToolTip();
};
