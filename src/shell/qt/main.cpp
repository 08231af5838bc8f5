#include "shell/qt/Program.h"

int main(int argc, char** argv)
{
    return orvane::RunProgram(argc, argv);
}
