#include <cstdio>
#include <string>

#include "tool/commands.h"
#include "tool/document_json.h"
#include "tool/document_loading.h"

namespace tv::tool {

int runInfo(const ToolOptions& options) {
    const std::unique_ptr<LoadedDocument> loaded = loadDocument(options.input);
    if (!loaded) {
        return kExitFailed;
    }
    const std::string text = documentJson(*loaded).dump() + "\n";
    std::fwrite(text.data(), 1, text.size(), stdout);
    return std::fflush(stdout) == 0 ? kExitOk : kExitFailed;
}

}  // namespace tv::tool
