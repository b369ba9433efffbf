#pragma once

namespace brevasto {

// Brevasto without its window: makes pages for links given on the command line or in a
// CSV file. Returns the process exit code.
int RunCommandLine(int argc, char **argv);

} // namespace brevasto
