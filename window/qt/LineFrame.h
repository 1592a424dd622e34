#pragma once

#include <QFrame>

// The line between the rows: its whole rectangle in the text's colour, so
// that it is as thick as its place at any scale. A frame draws its line with
// a pen centred on an edge, half of it outside the widget, and at a
// fractional scale the half that is left may cover no device pixel at all.
class LineFrame : public QFrame
{
    Q_OBJECT

public:
    explicit LineFrame(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};
