#pragma once

#include "conversion/ConversionRule.h"
#include "window/ConversionRow.h"
#include "window/qt/LineEditBox.h"

#include <QObject>

class QLineEdit;

// A conversion row on Qt widgets: the input box's every change goes to the
// row's behaviour, with the user's decimal separator.
class RowWiring : public QObject
{
    Q_OBJECT

public:
    RowWiring(QLineEdit* input, QLineEdit* result, const Conversion::ConversionRule& rule,
              ClipboardText& clipboard, QObject* parent);

    [[nodiscard]] TextBox& input() { return m_input; }

private:
    LineEditBox m_input;
    LineEditBox m_result;
    ConversionRow m_row;
};
