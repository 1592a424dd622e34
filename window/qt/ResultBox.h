#pragma once

#include <QLineEdit>

// A box that shows a result: read-only, but it can be entered, selected and
// copied from. A result wider than the box is whole in its tooltip, also
// after the box or its font changed.
class ResultBox : public QLineEdit
{
    Q_OBJECT

public:
    explicit ResultBox(QWidget* parent = nullptr);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void updateToolTip();
};
