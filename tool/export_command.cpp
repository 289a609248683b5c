#include <memory>

#include "objfile/streaming_file_writer.h"
#include "profile/profile_model.h"
#include "tool/commands.h"
#include "tool/document_loading.h"
#include "tool/mesh_sink.h"
#include "tool/mesh_writers.h"
#include "tool/tool_messages.h"
#include "view3d/surface_builder.h"
#include "view3d/surface_frame.h"

namespace tv::tool {

namespace {

template <class Writer>
void writeMesh(const SurfaceFrame& frame, StreamingFileWriter& out) {
    Writer writer(out);
    MeshSink<Writer> sink(writer);
    emitStrips(frame, sink, true);
    writer.finish();
}

}  // namespace

int runExport(const ToolOptions& options) {
    const std::unique_ptr<LoadedDocument> loaded = loadDocument(options.input);
    if (!loaded) {
        return kExitFailed;
    }
    const ObjectDocument& doc = loaded->document;
    const auto profile = std::make_unique<ProfileModel>();
    profile->replace(doc.profile.count, doc.profile.links.data(), doc.profile.points.data(),
                     !doc.continuous);
    // The solid in profile units: the view's zoom is no part of its shape.
    SurfaceFrame& frame = frameWorkspace();
    frame.prepare(*profile, doc.axis_x ? Axis::X : Axis::Y, 1.0,
                  options.segments.value_or(doc.segments));

    const auto out = std::make_unique<StreamingFileWriter>();
    if (!out->begin(options.output)) {
        reportSaveFailure(SafeSaveOutcome::CreateFailed, options.output);
        return kExitFailed;
    }
    if (options.mesh_format == MeshFormat::Stl) {
        writeMesh<StlWriter>(frame, *out);
    } else {
        writeMesh<ObjWriter>(frame, *out);
    }
    const SafeSaveOutcome outcome = out->commit();
    reportSaveFailure(outcome, options.output);
    return outcome == SafeSaveOutcome::Ok ? kExitOk : kExitFailed;
}

}  // namespace tv::tool
