#include "runtime/qt/Program.h"
#include "window/qt/ZandrelProgram.h"

int main(int argc, char** argv)
{
    return Runtime::Start(argc, argv, ZandrelProgram());
}
