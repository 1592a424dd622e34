#include "window/qt/RowWiring.h"

#include "runtime/qt/EventProcedure.h"
#include "runtime/qt/QtNumbers.h"

#include <QLineEdit>

RowWiring::RowWiring(QLineEdit* input, QLineEdit* result, const Conversion::ConversionRule& rule,
                     ClipboardText& clipboard, QObject* parent)
    : QObject(parent)
    , m_input(input)
    , m_result(result)
    , m_row(m_input, m_result, rule, clipboard)
{
    connect(input, &QLineEdit::textChanged, this, Runtime::EventProcedure([this] {
                m_row.onChange(Runtime::ToU16(Runtime::DecimalPoint(QLocale())));
            }));
}
