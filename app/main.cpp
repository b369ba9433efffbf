#include "CommandLine.h"
#include "Program.h"

int main(int argc, char *argv[])
{
    // With arguments Brevasto works from the command line and never opens a window.
    if (argc > 1)
        return brevasto::RunCommandLine(argc, argv);
    return brevasto::RunProgram(argc, argv);
}
