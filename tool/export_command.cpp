#include <memory>

#include "objfile/solid_export.h"
#include "profile/profile_model.h"
#include "tool/commands.h"
#include "tool/document_loading.h"
#include "tool/tool_messages.h"

namespace tv::tool {

int runExport(const ToolOptions& options) {
    const std::unique_ptr<LoadedDocument> loaded = loadDocument(options.input);
    if (!loaded) {
        return kExitFailed;
    }
    const ObjectDocument& doc = loaded->document;
    const auto profile = std::make_unique<ProfileModel>();
    profile->replace(doc.profile.count, doc.profile.links.data(), doc.profile.points.data(),
                     !doc.continuous);
    SolidExportSettings settings;
    settings.format = options.mesh_format;
    settings.axis = doc.axis_x ? Axis::X : Axis::Y;
    settings.segments = options.segments.value_or(doc.segments);
    settings.scale = options.scale;
    const ExportResult result = exportSolid(*profile, settings, options.output);
    reportSaveFailure(result.outcome, options.output);
    return result.written() ? kExitOk : kExitFailed;
}

}  // namespace tv::tool
