#include "cli/converter_cli.h"
#include "cli/texts.h"
#include "convert/module_path.h"

#include <exception>
#include <iostream>
#include <unistd.h>

int main(int argc, char** argv) {
    try {
        orvane::cli::CliEnvironment environment;
        environment.strExecutablePath = orvane::GetModuleFileName();
        environment.bErrorIsTerminal = ::isatty(STDERR_FILENO) == 1;
        return orvane::cli::RunConverterCli(argc, argv, std::cout, std::cerr, environment);
    } catch (const std::exception& e) {
        std::cerr << orvane::cli::texts::kProgramName << ": " << e.what() << '\n';
        return orvane::cli::kExitFailed;
    }
}
