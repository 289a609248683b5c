// The file an export writes: its name and its format, from what the export dialog was
// given.
#pragma once

#include <string>

#include "objfile/solid_export.h"

namespace tv {

// The formats of the export dialog's filter, in its order.
MeshFormat meshFormatOfFilter(int filter_index);

struct MeshFileChoice {
    std::string path;
    MeshFormat format = MeshFormat::Stl;
};

// A name ending in ".stl", ".3mf" or ".obj" (in any case) is written in that format, as it
// stands; any other name gets the format of the chosen filter and its extension appended.
MeshFileChoice meshFileOfName(const std::string& name, int filter_index);

}  // namespace tv
