#include "window/qt/LineFrame.h"

#include <QPainter>

LineFrame::LineFrame(QWidget* parent)
    : QFrame(parent)
{
    // A separator to a screen reader, as a frame of this shape is.
    setFrameShape(QFrame::HLine);
    setFrameShadow(QFrame::Plain);
}

void LineFrame::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(foregroundRole()));
}
