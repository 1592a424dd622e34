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

    // In high contrast the box stands apart by a dotted edge in the text's
    // colour, which it draws itself in whole device pixels: a style sheet's
    // dotted pen is smeared to grey at a fractional scale. None: no edge of
    // its own.
    void setDottedEdge(std::optional<QColor> ink);

signals:
    void laidOut();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    std::optional<QColor> m_dottedEdge;
};
