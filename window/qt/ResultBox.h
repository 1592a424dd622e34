#pragma once

#include <QLineEdit>

// A box that shows a result: read-only, but it can be entered, selected and
// copied from. It tells its window when its size, font or style changed,
// which can make a result fit, or no longer fit.
class ResultBox : public QLineEdit
{
    Q_OBJECT

public:
    explicit ResultBox(QWidget* parent = nullptr);

signals:
    void laidOut();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
};
