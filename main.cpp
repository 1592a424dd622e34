#include "Form1.h"
#include "Program.h"

int main(int argc, char** argv)
{
    const Runtime::ProgramHeader header{
        QStringLiteral("Zandrel"),
        QStringLiteral("1.00"),
        QStringLiteral("io.github.zandrel.Zandrel"),
        [] { return std::make_unique<Form1>(); },
    };
    return Runtime::Start(argc, argv, header);
}
