#include "window/qt/Layout.h"

#include "window/qt/LineEditMetrics.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>

namespace {

// Any size: the frame around a box's text does not depend on it.
constexpr QSize Probe(1000, 1000);

int boxWidth(const QLineEdit* box, int characters)
{
    const int frame = Probe.width() - LineEditTextRect(box, Probe).width();
    return frame + NumberWidth(box->font(), characters);
}

Placement::LabelText labelText(const QLabel* label)
{
    const QSize size = label->sizeHint();
    const QFontMetricsF metrics(label->font());
    // QLabel centres its line vertically in its contents.
    const qreal baseline = (size.height() - metrics.height()) / 2 + metrics.ascent();
    return {size.width(), size.height(), qRound(baseline)};
}

} // namespace

Layout MeasureLayout(const ControlWidgets& controls)
{
    namespace D = FormDesign;
    using Controls::Kind;
    D::Needs needs{};
    Placement::LabelTexts labels{};
    for (std::size_t i = 0; i < Controls::Count; ++i) {
        const QSize hint = controls[i]->sizeHint();
        switch (Controls::Table[i].kind) {
        case Kind::Input:
            needs.input = std::max(needs.input, boxWidth(static_cast<const QLineEdit*>(controls[i]),
                                                         D::InputCharacters));
            needs.boxHeight = std::max(needs.boxHeight, hint.height());
            break;
        case Kind::Result:
            needs.result =
                std::max(needs.result,
                         boxWidth(static_cast<const QLineEdit*>(controls[i]), D::ResultCharacters));
            needs.boxHeight = std::max(needs.boxHeight, hint.height());
            break;
        case Kind::Label:
            labels[i] = labelText(static_cast<const QLabel*>(controls[i]));
            needs.labelHeight = std::max(needs.labelHeight, labels[i].height);
            break;
        case Kind::Button:
            needs.buttonWidth = hint.width();
            needs.buttonHeight = hint.height();
            break;
        case Kind::Line:
            break;
        }
    }
    const Twips::Scale scale = Placement::FittingScale(needs, labels);
    const auto* box = static_cast<const QLineEdit*>(controls[Controls::Text1]);
    const auto boxBaseline = [box](int height) {
        return LineEditBaseline(box, QSize(Probe.width(), height));
    };
    return {Placement::Place(scale, boxBaseline, labels),
            {scale.toPixels(D::Width), scale.toPixels(D::Height)}};
}

void Place(const ControlWidgets& controls, const Placement::Rects& places)
{
    for (std::size_t i = 0; i < Controls::Count; ++i) {
        const Twips::Rect& r = places[i];
        controls[i]->setGeometry(r.left, r.top, r.width, r.height);
    }
}
