#include "tool/document_json.h"

#include "objfile/document_scene.h"

namespace tv::tool {

namespace {

using Json = nlohmann::ordered_json;

// A display mode that selects no item of the list shows as the list's index for that, -1.
int displayModeIndex(uint8_t mode) {
    return mode == kNoDisplayMode ? -1 : mode;
}

Json lightJson(const ObjectLight& light, float spot_cutoff,
               const std::array<float, 3>& spot_direction) {
    return Json{
        {"on", light.on},
        {"position", light.position},
        {"spot_steps", light.spot_steps},
        {"spot_direction", spot_direction},
        {"spot_angle", light.spot_angle},
        {"spot_cutoff", spot_cutoff},
        {"indicated", light.indicated},
        {"rotated", light.rotated},
    };
}

Json pointsJson(const ObjectProfile& profile) {
    Json points = Json::array();
    for (int i = 0; i < profile.count; ++i) {
        points.push_back(Json::array(
            {profile.points[i].x, profile.points[i].y, static_cast<int>(profile.links[i])}));
    }
    return points;
}

}  // namespace

nlohmann::ordered_json documentJson(const LoadedDocument& loaded) {
    const ObjectDocument& doc = loaded.document;
    const DerivedValues derived = deriveValues(doc);

    Json lights = Json::array();
    for (int l = 0; l < kLightCount; ++l) {
        lights.push_back(
            lightJson(doc.lights[l], derived.spot_cutoff[l], derived.spot_direction[l]));
    }
    Json version = nullptr;
    if (loaded.version) {
        version = Json::array({*loaded.version >> 8, *loaded.version & 0xFF});
    }
    return Json{
        {"format", loaded.format == FileFormat::Current ? "current" : "legacy"},
        {"version", version},
        {"continuous", doc.continuous},
        {"flip", doc.flip},
        {"axis", doc.axis_x ? "X" : "Y"},
        {"colors", doc.colors},
        {"display_mode", displayModeIndex(doc.display_mode)},
        {"segments", doc.segments},
        {"zoom_position", doc.zoom_position},
        {"move_positions", doc.move_positions},
        {"rotate_positions", doc.rotate_positions},
        {"rotation_matrix", doc.rotation_matrix},
        {"transparency_position", doc.transparency_position},
        {"shininess_position", doc.shininess_position},
        {"zoom_factor", derived.zoom_factor},
        {"position", derived.position},
        {"rotate_speed", derived.rotate_speed},
        {"opacity", derived.opacity},
        {"material_shininess", derived.material_shininess},
        {"lights", lights},
        {"show_axes", doc.show_axes},
        {"show_normals", doc.show_normals},
        {"points", pointsJson(doc.profile)},
    };
}

}  // namespace tv::tool
