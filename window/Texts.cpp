#include "window/Texts.h"

// Marks a text for lupdate, which reads this file; the text itself is used
// as it stands.
#define QT_TRANSLATE_NOOP(context, text) text

namespace Texts {

namespace {

// In the order of Id.
constexpr const char* EnglishTexts[Count] = {
    QT_TRANSLATE_NOOP("Form1", "Millimetres"),
    QT_TRANSLATE_NOOP("Form1", "Type a length in millimetres. It is converted to mils as you "
                               "type; the result is in the next box (Tab) and is copied to the "
                               "clipboard."),
    QT_TRANSLATE_NOOP("Form1", "Mils result"),
    QT_TRANSLATE_NOOP("Form1", "The length typed in millimetres, in mils, with two decimals. "
                               "The same number is on the clipboard."),
    QT_TRANSLATE_NOOP("Form1", "Mils"),
    QT_TRANSLATE_NOOP("Form1", "Type a length in mils. It is converted to millimetres as you "
                               "type; the result is in the next box (Tab) and is copied to the "
                               "clipboard."),
    QT_TRANSLATE_NOOP("Form1", "Millimetres result"),
    QT_TRANSLATE_NOOP("Form1", "The length typed in mils, in millimetres, with three decimals. "
                               "The same number is on the clipboard."),
    QT_TRANSLATE_NOOP("Form1", "Exit"),
    QT_TRANSLATE_NOOP("Form1", "Ends Zandrel; the last result stays on the clipboard. Its "
                               "caption, \u96e2\u958b, means leave."),
    QT_TRANSLATE_NOOP("Form1", "Keep on top"),
    QT_TRANSLATE_NOOP("Form1", "Zandrel could not make its window."),
};

} // namespace

const char* English(Id id)
{
    return EnglishTexts[id];
}

} // namespace Texts
