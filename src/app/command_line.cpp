#include "app/command_line.h"

namespace tv {

namespace {

CommandLine usageError(std::string error) {
    CommandLine refused;
    refused.action = CommandLineAction::UsageError;
    refused.error = "torvelle: " + std::move(error);
    return refused;
}

}  // namespace

CommandLine parseCommandLine(const std::vector<std::string>& args) {
    CommandLine line;
    bool options_ended = false;
    for (const std::string& arg : args) {
        if (!options_ended && arg == "--") {
            options_ended = true;
            continue;
        }
        if (!options_ended && arg == "--help") {
            line.action = CommandLineAction::Help;
            return line;
        }
        if (!options_ended && arg == "--version") {
            line.action = CommandLineAction::Version;
            return line;
        }
        // A lone "-" would mean standard input, which the editor cannot open.
        if (!options_ended && arg.starts_with('-')) {
            return usageError("unknown option '" + arg + "'");
        }
        if (arg.empty()) {
            return usageError("the file name is empty");
        }
        if (line.file) {
            return usageError("only one file can be opened");
        }
        line.file = arg;
    }
    return line;
}

std::string editorUsage() {
    return "Usage: torvelle [FILE]\n"
           "Starts the editor of solids of revolution; FILE, an object file (.tvl), is opened\n"
           "as the Open command opens it.\n"
           "\n"
           "  --help     print this help and exit\n"
           "  --version  print the version and exit\n"
           "  --         take every later argument as a file name\n";
}

std::string editorVersion() {
    return "torvelle " TORVELLE_VERSION "\n";
}

}  // namespace tv
