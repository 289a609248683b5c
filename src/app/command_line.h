// The editor's command line, `torvelle [FILE]`, read before any window exists, so that
// --help and --version work without a display and no toolkit option reaches the windows.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tv {

enum class CommandLineAction {
    Run,         // start the editor, with `file` opened after start-up when given
    Help,        // print the usage on standard output, exit 0
    Version,     // print the version on standard output, exit 0
    UsageError,  // print `error` and the usage on standard error, exit 2
};

struct CommandLine {
    CommandLineAction action = CommandLineAction::Run;
    std::optional<std::string> file;
    std::string error;
};

// `args` are the arguments after the program name. Every option other than --help and
// --version is refused, the toolkit's own (-reverse, -platform, ...) included; after "--"
// every argument is a file name.
CommandLine parseCommandLine(const std::vector<std::string>& args);

std::string editorUsage();
std::string editorVersion();

}  // namespace tv
