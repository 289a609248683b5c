#include "objfile/solid_export.h"

#include <algorithm>
#include <memory>

#include "objfile/obj_writer.h"
#include "objfile/stl_writer.h"
#include "objfile/streaming_file_writer.h"
#include "objfile/threemf_writer.h"

namespace tv {

namespace {

bool endsWithNoCase(std::string_view text, std::string_view suffix) {
    if (text.size() < suffix.size()) {
        return false;
    }
    return std::equal(suffix.begin(), suffix.end(), text.end() - suffix.size(), [](char a, char b) {
        const auto lower = [](char c) {
            return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
        };
        return lower(a) == lower(b);
    });
}

// Building the 3MF model is the first half of its export, packing it the second.
constexpr double kThreeMfBuildShare = 0.5;

// Asks `progress` after each strip, with the share of the mesh's triangles done, scaled
// into [0, `up_to`].
struct MeshProgress {
    const ExportProgress& progress;
    uint64_t total;
    double up_to;
    bool operator()(uint64_t done) const {
        return !progress ||
               progress(up_to * static_cast<double>(done) / static_cast<double>(total));
    }
};

template <class Writer>
bool streamMesh(const SolidMesh& mesh, StreamingFileWriter& out, const ExportProgress& progress) {
    Writer writer(out);
    if (!emitSolidMesh(mesh, writer, MeshProgress{progress, mesh.triangleCount(), 1.0})) {
        return false;
    }
    writer.finish();
    return true;
}

bool writeThreeMf(const SolidMesh& mesh, StreamingFileWriter& out, const ExportProgress& progress,
                  SafeSaveOutcome& failure) {
    auto writer = std::make_unique<ThreeMfWriter>();
    if (!emitSolidMesh(mesh, *writer,
                       MeshProgress{progress, mesh.triangleCount(), kThreeMfBuildShare})) {
        return false;
    }
    const auto packing = [&](double share) {
        return !progress || progress(kThreeMfBuildShare + (1.0 - kThreeMfBuildShare) * share);
    };
    switch (writer->write(out, packing)) {
        case ThreeMfWriter::Result::Written:
            return true;
        case ThreeMfWriter::Result::Cancelled:
            return false;
        case ThreeMfWriter::Result::Failed:
            failure = SafeSaveOutcome::IoError;
            return true;
    }
    return true;
}

}  // namespace

std::optional<MeshFormat> meshFormatOfName(std::string_view file_name) {
    if (endsWithNoCase(file_name, ".stl")) {
        return MeshFormat::Stl;
    }
    if (endsWithNoCase(file_name, ".3mf")) {
        return MeshFormat::ThreeMf;
    }
    if (endsWithNoCase(file_name, ".obj")) {
        return MeshFormat::Obj;
    }
    return std::nullopt;
}

MeshPlacement placementFor(const SolidExportSettings& settings) {
    const bool print = settings.format != MeshFormat::Obj;
    return {settings.scale.value_or(print ? kPrintMillimetresPerUnit : 1.0), print};
}

ExportResult exportSolid(const ProfileModel& profile, const SolidExportSettings& settings,
                         const std::string& path, const ExportProgress& progress, FileOps& ops) {
    const auto mesh = std::make_unique<SolidMesh>(profile, settings.axis, settings.segments,
                                                  placementFor(settings));
    ExportResult result;
    result.shells = static_cast<int>(mesh->shells().size());
    result.triangles = mesh->triangleCount();

    StreamingFileWriter out(ops);
    if (!out.begin(path)) {
        result.outcome = SafeSaveOutcome::CreateFailed;
        return result;
    }
    SafeSaveOutcome failure = SafeSaveOutcome::Ok;
    bool finished = false;
    switch (settings.format) {
        case MeshFormat::Stl:
            finished = streamMesh<StlWriter>(*mesh, out, progress);
            break;
        case MeshFormat::Obj:
            finished = streamMesh<ObjWriter>(*mesh, out, progress);
            break;
        case MeshFormat::ThreeMf:
            finished = writeThreeMf(*mesh, out, progress, failure);
            break;
    }
    if (!finished) {
        out.abort();
        result.cancelled = true;
        return result;
    }
    if (failure != SafeSaveOutcome::Ok) {
        out.abort();
        result.outcome = failure;
        return result;
    }
    result.outcome = out.commit();
    return result;
}

}  // namespace tv
