#pragma once

#include <QRect>

class QFont;
class QLineEdit;

// Where a line edit of the given size draws its line of text, worked out the
// way QLineEdit lays out its contents, so that the window can size its boxes
// for a number and line its labels up with their text.
[[nodiscard]] QRect LineEditTextRect(const QLineEdit* box, const QSize& size);

// The y of the text's baseline in a box of the given size.
[[nodiscard]] int LineEditBaseline(const QLineEdit* box, const QSize& size);

// The width of the widest number of `characters` characters in this font:
// digits, a decimal separator (the locale's or '.') and perhaps a sign.
[[nodiscard]] int NumberWidth(const QFont& font, int characters);

// Whether the box shows all of its text at once: QLineEdit scrolls once the
// text and a caret pixel no longer fit.
[[nodiscard]] bool TextFits(const QLineEdit* box);
