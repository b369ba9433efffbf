#include "Program.h"

int main(int argc, char *argv[])
{
    return brevasto::RunProgram(argc, argv);
}
