// torvelle-tool: checks, converts, exports and renders the editor's object files from the
// command line, on the same core as the editor.
#include <cstdio>
#include <string>
#include <vector>

#include "tool/commands.h"
#include "tool/tool_options.h"

int main(int argc, char** argv) {
    using namespace tv::tool;
    const std::vector<std::string> args(argv + 1, argv + argc);
    const ParsedCommandLine parsed = parseCommandLine(args);
    if (!parsed.options) {
        std::fprintf(stderr, "torvelle-tool: %s\n\n%s", parsed.error.c_str(), usageText());
        return kExitUsage;
    }
    const ToolOptions& options = *parsed.options;
    switch (options.command) {
        case Command::Help:
            std::fputs(usageText(), stdout);
            return kExitOk;
        case Command::Info:
            return runInfo(options);
        case Command::Convert:
            return runConvert(options);
        case Command::Export:
            return runExport(options);
        case Command::Render:
            return runRender(options, argv[0]);
    }
    return kExitUsage;
}
