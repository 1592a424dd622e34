#pragma once

#include <QColor>
#include <QLineEdit>

#include <optional>

// A box that shows a result: read-only, but it can be entered, selected and
// copied from. It tells its window when its size, font or style changed,
// which can make a result fit, or no longer fit.
class ResultBox : public QLineEdit
{
    Q_OBJECT

public:
    explicit ResultBox(QWidget* parent = nullptr);

    // The box's whole look, from its window's colours. It stands apart from
    // the inputs by a shade of its own; in high contrast, where every box has
    // an edge in one ink, by a dotted edge instead, which it draws itself in
    // whole device pixels (a style sheet's dotted pen is smeared to grey at a
    // fractional scale) in the room of the solid one.
    void adapt(const QPalette& window, std::optional<QColor> highContrastInk);

signals:
    void laidOut();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    std::optional<QColor> m_dottedEdge;
};
