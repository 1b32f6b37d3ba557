#pragma once

#include <ostream>
#include <string>

namespace orvane::cli {

// What the command-line converter takes from the process it runs in.
struct CliEnvironment {
    std::string strExecutablePath; // where the default DATA.txt is looked for
    bool bErrorIsTerminal = false; // draw a progress bar on the error stream
};

enum ExitCode : int { kExitOk = 0, kExitFailed = 1, kExitUsage = 2 };

// Runs orvane-convert with the given arguments; returns the exit status.
int RunConverterCli(int argc, const char* const* argv, std::ostream& out, std::ostream& err,
                    const CliEnvironment& environment);

} // namespace orvane::cli
