#include "window/qt/ZandrelProgram.h"

#include "runtime/qt/QtNumbers.h"
#include "window/FormDesign.h"
#include "window/qt/Form1.h"
#include "ZandrelVersion.h"

Runtime::ProgramHeader ZandrelProgram()
{
    return {
        Runtime::ToQString(FormDesign::Title),
        QString::fromLatin1(ZandrelVersionText),
        // Wayland compositors find the name and icon through it.
        QString::fromLatin1(ZandrelAppId),
        [] { return std::make_unique<Form1>(); },
    };
}
