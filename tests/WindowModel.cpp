#include "WindowModel.h"

#include <QRegularExpression>

#include <cmath>
#include <cstdio>
#include <cstdlib>

WindowModel::WindowModel()
{
    selectEntry(Text3); // the caret starts in the mil input
}

void WindowModel::selectEntry(Control control)
{
    Box& b = m_boxes[control];
    b.selectionStart = 0;
    b.selectionLength = std::min<qsizetype>(10, b.text.size());
    b.cursor = b.selectionLength;
}

bool WindowModel::removeSelection(Box& b)
{
    if (b.selectionLength == 0) {
        return false;
    }
    b.text.remove(b.selectionStart, b.selectionLength);
    b.cursor = b.selectionStart;
    b.selectionLength = 0;
    return true;
}

void WindowModel::changed(Control input)
{
    const Control result = input == Text1 ? Text2 : Text4;
    if (const auto text = convert(m_boxes[input].text, input == Text1)) {
        m_boxes[result].text = *text;
        m_clipboard = *text;
        ++m_acceptedEdits;
        m_lastResult = result;
    }
}

void WindowModel::type(QChar c)
{
    if (!isInput(m_focus)) {
        return; // read-only result box, or the button
    }
    Box& b = m_boxes[m_focus];
    removeSelection(b);
    b.text.insert(b.cursor++, c);
    changed(m_focus);
}

void WindowModel::backspace()
{
    if (!isInput(m_focus)) {
        return;
    }
    Box& b = m_boxes[m_focus];
    if (!removeSelection(b)) {
        if (b.cursor == 0) {
            return;
        }
        b.text.remove(--b.cursor, 1);
    }
    changed(m_focus);
}

void WindowModel::deleteForward()
{
    if (!isInput(m_focus)) {
        return;
    }
    Box& b = m_boxes[m_focus];
    if (!removeSelection(b)) {
        if (b.cursor == b.text.size()) {
            return;
        }
        b.text.remove(b.cursor, 1);
    }
    changed(m_focus);
}

void WindowModel::selectAllAndDelete()
{
    if (!isInput(m_focus)) {
        return;
    }
    Box& b = m_boxes[m_focus];
    b.selectionStart = 0;
    b.selectionLength = b.text.size();
    b.cursor = b.text.size();
    if (removeSelection(b)) {
        changed(m_focus);
    }
}

void WindowModel::paste(const QString& text)
{
    m_clipboard = text;
    if (!isInput(m_focus) || text.isEmpty()) {
        return;
    }
    Box& b = m_boxes[m_focus];
    removeSelection(b);
    b.text.insert(b.cursor, text);
    b.cursor += text.size();
    changed(m_focus);
}

void WindowModel::enter()
{
    if (isInput(m_focus)) {
        selectEntry(m_focus);
    }
}

void WindowModel::enterControl(Control control)
{
    m_focus = control;
    if (isInput(control)) {
        selectEntry(control);
    }
}

void WindowModel::click(Control control)
{
    enterControl(control);
}

void WindowModel::tab(bool backwards)
{
    const int step = backwards ? ControlCount - 1 : 1;
    enterControl(Control((m_focus + step) % ControlCount));
}

std::optional<QString> WindowModel::convert(const QString& text, bool mmToMil)
{
    static const QRegularExpression number(
        QStringLiteral("^\\s*[+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?\\s*$"));
    if (text.isEmpty() || !number.match(text).hasMatch()) {
        return std::nullopt;
    }
    const QByteArray ascii = text.trimmed().toLatin1();
    const double value = std::strtod(ascii.constData(), nullptr);
    const double product = value * (mmToMil ? 39.37 : 0.0254);
    if (!std::isfinite(value) || !std::isfinite(product)) {
        return std::nullopt;
    }
    const int decimals = mmToMil ? 2 : 3;

    // Fifteen significant digits, then half away from zero to the decimals.
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.14e", std::fabs(product));
    QString digits = QString::fromLatin1(buffer, 1) + QString::fromLatin1(buffer + 2, 14);
    const int exponent = std::atoi(std::strchr(buffer, 'e') + 1);
    // digits * 10^(exponent - 14); shift so that `decimals` digits follow the point.
    const int shift = exponent - 14 + decimals;
    QString scaled; // the value times 10^decimals, as an integer
    if (product == 0.0) {
        scaled = QStringLiteral("0");
    } else if (shift >= 0) {
        scaled = digits + QString(shift, u'0');
    } else if (-shift > 15) {
        scaled = QStringLiteral("0");
    } else {
        const qsizetype keep = 15 + shift;
        const bool up = digits[keep] >= u'5';
        scaled = keep > 0 ? digits.first(keep) : QStringLiteral("0");
        if (up) {
            qsizetype i = scaled.size() - 1;
            while (i >= 0 && scaled[i] == u'9') {
                scaled[i--] = u'0';
            }
            if (i < 0) {
                scaled.prepend(u'1');
            } else {
                scaled[i] = QChar(scaled[i].unicode() + 1);
            }
        }
    }
    while (scaled.size() > 1 && scaled.front() == u'0') {
        scaled.remove(0, 1);
    }
    const bool zero = scaled == u"0";
    scaled = scaled.rightJustified(decimals + 1, u'0');
    QString result = scaled.first(scaled.size() - decimals) + u'.' + scaled.last(decimals);
    if (product < 0 && !zero) {
        result.prepend(u'-');
    }
    return result;
}
