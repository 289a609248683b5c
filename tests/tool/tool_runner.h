// Runs the built torvelle-tool as a child process and collects what it printed.
#pragma once

#include <string>
#include <vector>

namespace tv::test {

struct ToolRun {
    int status = -1;  // the exit status, or -1 when the tool did not exit normally
    std::string out;
    std::string err;

    // Standard error split into lines, without their line breaks.
    std::vector<std::string> errLines() const;
};

// Runs the tool with `args` in the test's environment, less the variables named in
// `unset`.
ToolRun runTool(const std::vector<std::string>& args, const std::vector<std::string>& unset = {});

}  // namespace tv::test
