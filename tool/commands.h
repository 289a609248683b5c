// The tool's commands. Each returns the process exit status (tool_options.h).
#pragma once

#include "tool/tool_options.h"

namespace tv::tool {

[[nodiscard]] int runInfo(const ToolOptions& options);
[[nodiscard]] int runConvert(const ToolOptions& options);
[[nodiscard]] int runExport(const ToolOptions& options);
// `program` is argv[0], for the GUI application object the OpenGL context needs.
[[nodiscard]] int runRender(const ToolOptions& options, char* program);

}  // namespace tv::tool
