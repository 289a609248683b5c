// The command line of torvelle-tool: which command, its files and its options. Parsing
// only checks the form of the arguments; the files are looked at by the commands.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "objfile/solid_export.h"

namespace tv::tool {

// The process exit statuses.
enum ExitStatus : int {
    kExitOk = 0,
    kExitFailed = 1,  // a file was refused or could not be written
    kExitUsage = 2,
};

enum class Command { Help, Info, Convert, Export, Render };

// Limits of the options; the segment count has the range of the editor's spin edit.
inline constexpr int kMinImageSide = 3;  // the view keeps a two-pixel margin
inline constexpr int kMaxImageSide = 16384;
inline constexpr int kMaxFrames = 100000;
inline constexpr int kDefaultImageWidth = 640;
inline constexpr int kDefaultImageHeight = 480;
inline constexpr double kMaxScale = 1e6;

struct ToolOptions {
    Command command = Command::Help;
    std::string input;
    std::string output;
    MeshFormat mesh_format = MeshFormat::Stl;  // export: by the output's extension
    std::optional<int> segments;               // export: the document's when absent
    std::optional<double> scale;               // export: the format's when absent
    int width = kDefaultImageWidth;            // render
    int height = kDefaultImageHeight;
    std::optional<int> display_mode;  // render: the document's when absent
    std::optional<int> frames;        // render: one frame, no timing line, when absent
};

struct ParsedCommandLine {
    std::optional<ToolOptions> options;  // absent on a usage error
    std::string error;                   // what was wrong, for the usage message
};

// `args` are the arguments after the program name.
[[nodiscard]] ParsedCommandLine parseCommandLine(const std::vector<std::string>& args);

// The usage text, several lines ending in a line break.
const char* usageText();

}  // namespace tv::tool
