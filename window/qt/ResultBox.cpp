#include "window/qt/ResultBox.h"

#include "window/qt/PaletteColours.h"

#include <QEvent>
#include <QPainter>

#include <algorithm>

ResultBox::ResultBox(QWidget* parent)
    : QLineEdit(parent)
{
    setReadOnly(true);
    setFocusPolicy(Qt::StrongFocus);
}

void ResultBox::adapt(const QPalette& window, std::optional<QColor> highContrastInk)
{
    const Contrast::Rgb shade =
        Contrast::ResultShade({.boxBackground = ToRgb(window.color(QPalette::Base)),
                               .boxText = ToRgb(window.color(QPalette::Text)),
                               .lightShade = ToRgb(window.color(QPalette::Midlight))});
    QPalette own;
    own.setColor(QPalette::Base, ToQColor(shade));
    setPalette(own);
    if (highContrastInk == m_dottedEdge) {
        return;
    }
    if (highContrastInk.has_value() != m_dottedEdge.has_value()) {
        setStyleSheet(highContrastInk ? QStringLiteral("QLineEdit { border-color: transparent; }")
                                      : QString());
    }
    m_dottedEdge = highContrastInk;
    update();
}

// Dots as long as the edge is thick, as far apart: one design pixel times the
// scale, two where the focus is, never under a device pixel.
void ResultBox::paintEvent(QPaintEvent* event)
{
    QLineEdit::paintEvent(event);
    if (!m_dottedEdge) {
        return;
    }
    QPainter painter(this);
    const qreal ratio = devicePixelRatioF();
    painter.scale(1 / ratio, 1 / ratio); // in device pixels from here
    const int width = qRound(this->width() * ratio);
    const int height = qRound(this->height() * ratio);
    const int dot = std::max(1, qRound((hasFocus() ? 2 : 1) * ratio));
    const QColor ink = *m_dottedEdge;
    for (int x = 0; x < width; x += 2 * dot) {
        painter.fillRect(x, 0, dot, dot, ink);
        painter.fillRect(x, height - dot, dot, dot, ink);
    }
    for (int y = 0; y < height; y += 2 * dot) {
        painter.fillRect(0, y, dot, dot, ink);
        painter.fillRect(width - dot, y, dot, dot, ink);
    }
}

void ResultBox::resizeEvent(QResizeEvent* event)
{
    QLineEdit::resizeEvent(event);
    emit laidOut();
}

void ResultBox::changeEvent(QEvent* event)
{
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        emit laidOut();
    }
}
