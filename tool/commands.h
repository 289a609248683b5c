// The tool's commands. Each returns the process exit status (tool_options.h).
#pragma once

#include "tool/tool_options.h"

namespace tv::tool {

int runInfo(const ToolOptions& options);
int runConvert(const ToolOptions& options);
int runExport(const ToolOptions& options);
// `program` is argv[0], for the GUI application object the OpenGL context needs.
int runRender(const ToolOptions& options, char* program);

}  // namespace tv::tool
