#include "window/ConversionRow.h"

#include "conversion/ConvertEntry.h"
#include "runtime/qt/Clipboard.h"
#include "runtime/qt/EventProcedure.h"
#include "window/ResultBox.h"

#include <QLineEdit>

ConversionRow::ConversionRow(QLineEdit* input, ResultBox* result,
                             const Conversion::ConversionRule& rule, QObject* parent)
    : QObject(parent)
    , m_input(input)
    , m_result(result)
    , m_rule(rule)
{
    connect(m_input, &QLineEdit::textChanged, this,
            Runtime::EventProcedure([this] { onChange(); }));
}

void ConversionRow::onChange()
{
    const std::optional<QString> result = Conversion::ConvertEntry(m_rule, m_input->text());
    if (!result) {
        return; // not a number: the result and the clipboard stay as they are
    }
    m_result->showResult(*result);
    // The clipboard gets the text as the result box holds it, never a copy
    // that could differ from what the user sees.
    Runtime::Clipboard::instance().SetText(m_result->text());
}
