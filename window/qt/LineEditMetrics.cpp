#include "window/qt/LineEditMetrics.h"

#include "runtime/qt/QtNumbers.h"
#include "window/FormDesign.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QLocale>
#include <QStyle>
#include <QStyleOptionFrame>

#include <algorithm>
#include <cmath>

namespace {

// QLineEdit keeps these around its text line, inside the style's contents.
constexpr int HorizontalMargin = 2;

QRect contentsRect(const QLineEdit* box, const QSize& size)
{
    QStyleOptionFrame option;
    option.initFrom(box);
    option.rect = QRect(QPoint(0, 0), size);
    option.lineWidth =
        box->hasFrame() ? box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box) : 0;
    option.midLineWidth = 0;
    option.state |= QStyle::State_Sunken;
    if (box->isReadOnly()) {
        option.state |= QStyle::State_ReadOnly;
    }
    option.features = QStyleOptionFrame::None;
    return box->style()
        ->subElementRect(QStyle::SE_LineEditContents, &option, box)
        .marginsRemoved(box->textMargins());
}

} // namespace

QRect LineEditTextRect(const QLineEdit* box, const QSize& size)
{
    const QRect contents = contentsRect(box, size);
    const int lineHeight = box->fontMetrics().height();
    const int top = contents.y() + (contents.height() - lineHeight + 1) / 2;
    return {contents.x() + HorizontalMargin, top, contents.width() - 2 * HorizontalMargin,
            lineHeight};
}

int LineEditBaseline(const QLineEdit* box, const QSize& size)
{
    return LineEditTextRect(box, size).top() + box->fontMetrics().ascent();
}

int NumberWidth(const QFont& font, int characters)
{
    // Fractional advances: rounding each glyph's would lose a pixel in ten.
    const QFontMetricsF metrics(font);
    qreal digit = 0;
    for (char16_t c = u'0'; c <= u'9'; ++c) {
        digit = std::max(digit, metrics.horizontalAdvance(QChar(c)));
    }
    qreal separator = 0;
    const QString decimalPoint = QLocale().decimalPoint();
    for (const std::u16string_view candidate :
         FormDesign::NumberSeparators(Runtime::ToU16(decimalPoint))) {
        separator = std::max(separator, metrics.horizontalAdvance(Runtime::ToQString(candidate)));
    }
    return static_cast<int>(std::ceil(FormDesign::NumberWidth(
        digit, metrics.horizontalAdvance(QLatin1Char('-')), separator, characters)));
}

bool TextFits(const QLineEdit* box)
{
    const int needed = box->fontMetrics().horizontalAdvance(box->text()) + 1;
    return needed <= LineEditTextRect(box, box->size()).width();
}
