#include "objfile/mesh_file_name.h"

namespace tv {

MeshFormat meshFormatOfFilter(int filter_index) {
    switch (filter_index) {
        case 1:
            return MeshFormat::ThreeMf;
        case 2:
            return MeshFormat::Obj;
        default:
            return MeshFormat::Stl;
    }
}

MeshFileChoice meshFileOfName(const std::string& name, int filter_index) {
    if (const std::optional<MeshFormat> named = meshFormatOfName(name)) {
        return {name, *named};
    }
    const MeshFormat format = meshFormatOfFilter(filter_index);
    const char* extension = format == MeshFormat::Stl       ? ".stl"
                            : format == MeshFormat::ThreeMf ? ".3mf"
                                                            : ".obj";
    return {name + extension, format};
}

}  // namespace tv
