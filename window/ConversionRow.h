#pragma once

#include "conversion/ConversionRule.h"

#include <QObject>

class QLineEdit;
class ResultBox;

// One row of the window: every change of the input box is converted by the
// row's rule into the result box and copied to the clipboard. The two rows
// never touch each other.
class ConversionRow : public QObject
{
    Q_OBJECT

public:
    ConversionRow(QLineEdit* input, ResultBox* result, const Conversion::ConversionRule& rule,
                  QObject* parent);

    // Called for every change of the input's text, typed or not.
    void onChange();

private:
    QLineEdit* m_input;
    ResultBox* m_result;
    const Conversion::ConversionRule& m_rule;
};
