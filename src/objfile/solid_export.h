// Writing the solid of revolution to a mesh file, for the editor and the command-line tool
// alike. STL and 3MF are ready to print: in millimetres, 50 to the profile unit unless a
// scale is given (the drawing area becomes 100 mm), with the view's up direction as +Z and
// the solid standing on z = 0. OBJ keeps the view's coordinates, in profile units unless a
// scale is given. The file is written as the editor's Save writes: into a temporary file
// beside the target, renamed over it only when complete; a failed or cancelled export
// leaves the target as it was.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "objfile/file_ops.h"
#include "objfile/safe_file_writer.h"
#include "profile/profile_model.h"
#include "view3d/solid_mesh.h"

namespace tv {

enum class MeshFormat { Stl, ThreeMf, Obj };

// Millimetres per profile unit of the printable formats unless told otherwise.
inline constexpr double kPrintMillimetresPerUnit = 50.0;

// The format a file name's extension (".stl", ".3mf", ".obj", in any case) asks for.
std::optional<MeshFormat> meshFormatOfName(std::string_view file_name);

struct SolidExportSettings {
    MeshFormat format = MeshFormat::Stl;
    Axis axis = Axis::Y;
    int segments = 3;  // angular steps, 3..999
    // File units per profile unit; absent: kPrintMillimetresPerUnit for STL and 3MF, 1 for
    // OBJ.
    std::optional<double> scale;
};

// Where the solid goes in a file of the given settings.
MeshPlacement placementFor(const SolidExportSettings& settings);

// Told the share of the export done so far (0 to 1), now and then; returning false cancels
// the export. Called on the exporting thread, at least every few thousand triangles.
using ExportProgress = std::function<bool(double share)>;

struct ExportResult {
    // Ok once the file is in place; otherwise what failed (the target is untouched).
    SafeSaveOutcome outcome = SafeSaveOutcome::Ok;
    bool cancelled = false;  // then outcome is Ok and no file was written
    int shells = 0;
    uint64_t triangles = 0;
    bool written() const { return outcome == SafeSaveOutcome::Ok && !cancelled; }
};

// Turns `profile` as `settings` say and writes the mesh to `path`.
ExportResult exportSolid(const ProfileModel& profile, const SolidExportSettings& settings,
                         const std::string& path, const ExportProgress& progress = {},
                         FileOps& ops = posixFileOps());

}  // namespace tv
