#include "runtime/qt/Program.h"
#include "window/ZandrelProgram.h"

int main(int argc, char** argv)
{
    return Runtime::Start(argc, argv, ZandrelProgram());
}
