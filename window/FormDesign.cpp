#include "window/FormDesign.h"

namespace FormDesign {

Twips::Scale FittingScale(const Needs& needs)
{
    return Twips::Scale::fitting({
        {Text1.width, needs.input},
        {Text2.width, needs.result},
        {Text1.height, needs.boxHeight},
        {Command1.width, needs.buttonWidth},
        {Command1.height, needs.buttonHeight},
        // A label grows to the right up to the next control, and stays
        // within the height of its row.
        {LabelRoom(Label1, Label3.left), needs.Label1},
        {LabelRoom(Label3, Text2.left), needs.Label3},
        {LabelRoom(Label2, Width), needs.Label2},
        {LabelRoom(Label4, Label6.left), needs.Label4},
        {LabelRoom(Label6, Text4.left), needs.Label6},
        {LabelRoom(Label5, Width), needs.Label5},
        {Text1.height, needs.labelHeight},
    });
}

} // namespace FormDesign
