#pragma once

#include "window/TextBox.h"

#include <QString>

class QLineEdit;

// A QLineEdit as the window's behaviour sees a text box.
class LineEditBox : public TextBox
{
public:
    explicit LineEditBox(QLineEdit* box);

    [[nodiscard]] std::u16string_view text() const override;
    void setText(std::u16string_view text) override;
    void setSelection(int start, int length) override;
    [[nodiscard]] bool showsWholeText() const override;
    void setToolTip(std::u16string_view text) override;

private:
    QLineEdit* m_box;
    // Shares the box's characters: Qt's text is UTF-16 already, nothing is
    // copied on the way to the core.
    mutable QString m_text;
};
