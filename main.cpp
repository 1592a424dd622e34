#include "Program.h"
#include "ZandrelProgram.h"

int main(int argc, char** argv)
{
    return Runtime::Start(argc, argv, ZandrelProgram());
}
