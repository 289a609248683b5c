#include "tool/tool_options.h"

#include <algorithm>
#include <charconv>
#include <string_view>

#include "objfile/opened_document.h"

namespace tv::tool {

namespace {

struct CommandShape {
    std::string_view name;
    Command command;
    size_t files;  // how many file arguments
};

constexpr CommandShape kCommands[] = {
    {"info", Command::Info, 1},
    {"convert", Command::Convert, 2},
    {"export", Command::Export, 2},
    {"render", Command::Render, 2},
};

std::optional<int> parseInt(std::string_view text, int min, int max) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end || value < min || value > max) {
        return std::nullopt;
    }
    return value;
}

std::optional<double> parsePositive(std::string_view text, double max) {
    double value = 0.0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end || !(value > 0.0 && value <= max)) {
        return std::nullopt;
    }
    return value;
}

ParsedCommandLine usageError(std::string error) {
    return {std::nullopt, std::move(error)};
}

// Applies one option of the command; returns an error text, empty when it was accepted.
std::string applyOption(ToolOptions& options, std::string_view name, std::string_view value) {
    const bool is_export = options.command == Command::Export;
    const bool is_render = options.command == Command::Render;
    if (is_export && name == "--segments") {
        options.segments = parseInt(value, kSegmentsRange.min, kSegmentsRange.max);
        return options.segments ? "" : "--segments takes a whole number from 3 to 999";
    }
    if (is_export && name == "--scale") {
        options.scale = parsePositive(value, kMaxScale);
        return options.scale ? "" : "--scale takes a number of millimetres above 0, up to 1000000";
    }
    if (is_render && name == "--size") {
        const size_t x = value.find_first_of("xX");
        const std::optional<int> w =
            x == std::string_view::npos
                ? std::nullopt
                : parseInt(value.substr(0, x), kMinImageSide, kMaxImageSide);
        const std::optional<int> h =
            w ? parseInt(value.substr(x + 1), kMinImageSide, kMaxImageSide) : std::nullopt;
        if (!h) {
            return "--size takes WIDTHxHEIGHT, each from 3 to 16384";
        }
        options.width = *w;
        options.height = *h;
        return "";
    }
    if (is_render && name == "--mode") {
        options.display_mode = parseInt(value, 0, 3);
        return options.display_mode ? "" : "--mode takes 0, 1, 2 or 3";
    }
    if (is_render && name == "--frames") {
        options.frames = parseInt(value, 1, kMaxFrames);
        return options.frames ? "" : "--frames takes a whole number from 1 to 100000";
    }
    return "unknown option " + std::string(name);
}

}  // namespace

ParsedCommandLine parseCommandLine(const std::vector<std::string>& args) {
    if (std::any_of(args.begin(), args.end(),
                    [](const std::string& a) { return a == "--help" || a == "-h"; })) {
        return {ToolOptions{}, ""};
    }
    if (args.empty()) {
        return usageError("no command given");
    }
    const auto shape = std::find_if(std::begin(kCommands), std::end(kCommands),
                                    [&](const CommandShape& c) { return c.name == args[0]; });
    if (shape == std::end(kCommands)) {
        return usageError("unknown command " + args[0]);
    }
    ToolOptions options;
    options.command = shape->command;

    std::vector<std::string> files;
    bool options_ended = false;
    for (size_t i = 1; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (options_ended || arg.size() < 2 || arg.substr(0, 2) != "--") {
            files.emplace_back(arg);
            continue;
        }
        if (arg == "--") {
            options_ended = true;
            continue;
        }
        std::string_view name = arg;
        std::string_view value;
        if (const size_t eq = arg.find('='); eq != std::string_view::npos) {
            name = arg.substr(0, eq);
            value = arg.substr(eq + 1);
        } else if (i + 1 < args.size()) {
            value = args[++i];
        } else {
            return usageError(std::string(arg) + " needs a value");
        }
        if (std::string error = applyOption(options, name, value); !error.empty()) {
            return usageError(std::move(error));
        }
    }
    if (files.size() != shape->files) {
        return usageError(std::string(shape->name) + " takes " +
                          (shape->files == 1 ? "one file" : "two files"));
    }
    options.input = files[0];
    if (files.size() > 1) {
        options.output = files[1];
    }
    if (options.command == Command::Export) {
        const std::optional<MeshFormat> format = meshFormatOfName(options.output);
        if (!format) {
            return usageError("the export file must end in .stl, .3mf or .obj");
        }
        options.mesh_format = *format;
    }
    return {std::move(options), ""};
}

const char* usageText() {
    return "Usage: torvelle-tool COMMAND ARGUMENTS\n"
           "\n"
           "  info FILE\n"
           "      Check FILE as the editor's Open does and print the document as JSON.\n"
           "  convert IN OUT\n"
           "      Write IN (current or DOS format) as a current-format object file OUT.\n"
           "  export IN OUT [--segments N] [--scale MM_PER_UNIT]\n"
           "      Write the solid as binary STL (OUT ending .stl), 3MF (.3mf) or Wavefront\n"
           "      OBJ (.obj), turned in N steps (3..999; default: the document's). Each\n"
           "      closed loop of the profile becomes a closed shell facing outward. STL and\n"
           "      3MF are in millimetres, 50 per profile unit by default, standing on z = 0\n"
           "      with the view's up direction as +Z; OBJ keeps the view's coordinates, in\n"
           "      profile units by default.\n"
           "  render IN OUT.png [--size WxH] [--mode 0..3] [--frames N]\n"
           "      Draw the document as the editor's 3D view does and write the last frame as\n"
           "      PNG (default size 640x480; mode 0 wire frame, 1 solid, 2 flat, 3 smooth;\n"
           "      default: the document's). With --frames, draw N frames and print\n"
           "      frame_ms=<mean milliseconds per frame>. Needs a display (Xvfb will do).\n"
           "  --help\n"
           "      Print this text.\n"
           "\n"
           "Exit status: 0 success, 1 a file was refused or could not be written, 2 usage "
           "error.\n";
}

}  // namespace tv::tool
