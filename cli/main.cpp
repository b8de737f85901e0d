// netquill-cli: the calculators of Trevantis Netquill from the command line.
#include "cli/commands.h"

#include <csignal>
#include <iostream>
#include <unistd.h>

int main(int argc, char *argv[])
{
    // A reader that goes away (`| head`) ends the output quietly, not by a signal.
    std::signal(SIGPIPE, SIG_IGN);
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    netquill::cli::FileOutput out(STDOUT_FILENO);
    return netquill::cli::runCli(arguments, out, STDIN_FILENO, std::cerr);
}
