#pragma once

#include <functional>
#include <string>

namespace brevasto {

class Application;

// Ways for tests to step into the program's life without changing it.
struct ProgramHooks
{
    // Runs right before the main window is created; a throw here is a start-up failure.
    std::function<void()> beforeMainWindow;
    // Runs once the main window is shown and the loop is about to start.
    std::function<void(Application &)> whenRunning;
    // Told the name of each shutdown step as soon as it is done.
    std::function<void(const std::string &step)> shutdownStep;
};

// The program's life: start-up, the loop until the main window closes, shutdown.
// Returns the process exit code: 0 after a normal end, 1 after a start-up failure.
int RunProgram(int &argc, char **argv, const ProgramHooks &hooks = {});

} // namespace brevasto
