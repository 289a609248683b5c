#include "objfile/opened_document.h"

#include <algorithm>
#include <cmath>

namespace tv {

ObjectDocument legacyToDocument(const LegacyObjectFile& file, bool editor_continuous) {
    // The defaults of a document are those the window resets restore.
    ObjectDocument doc;
    switch (file.drawing_mode) {
        case 0:
            doc.continuous = true;
            break;
        case 1:
            doc.continuous = false;
            break;
        default:
            doc.continuous = editor_continuous;
            break;
    }
    doc.axis_x = file.axis_x;
    doc.zoom_position = 200;
    doc.colors[kColorBackground] = 0xC0C0C0;
    doc.colors[kColorObject] = 0x000000;
    doc.segments = file.segments;
    if (file.image_kind == 2) {
        doc.rotate_positions[file.axis_x ? 0 : 1] = 2;
    }
    doc.profile = file.profile;
    return doc;
}

void clampToControlRanges(ObjectDocument& document) {
    document.zoom_position = kZoomRange.clamp(document.zoom_position);
    document.move_positions[0] = kMoveXYRange.clamp(document.move_positions[0]);
    document.move_positions[1] = kMoveXYRange.clamp(document.move_positions[1]);
    document.move_positions[2] = kMoveZRange.clamp(document.move_positions[2]);
    for (int32_t& p : document.rotate_positions) {
        p = kRotateRange.clamp(p);
    }
    document.transparency_position = kTransparencyRange.clamp(document.transparency_position);
    document.shininess_position = kShininessRange.clamp(document.shininess_position);
    document.segments = static_cast<uint16_t>(kSegmentsRange.clamp(document.segments));
    for (ObjectLight& light : document.lights) {
        light.spot_angle = kSpotAngleRange.clamp(light.spot_angle);
        for (int32_t& step : light.spot_steps) {
            step = kSpotStepRange.clamp(step);
        }
    }
}

void repairUndefinedSettings(ObjectDocument& document) {
    // Values that are not numbers would reach OpenGL as they are: a light position takes
    // the origin instead, a rotation that is not one the identity.
    for (ObjectLight& light : document.lights) {
        for (float& c : light.position) {
            if (!std::isfinite(c)) {
                c = 0.0f;
            }
        }
        light.position[3] = light.position[3] == 0.0f ? 0.0f : 1.0f;
    }
    if (!std::all_of(document.rotation_matrix.begin(), document.rotation_matrix.end(),
                     [](double v) { return std::isfinite(v); })) {
        document.rotation_matrix = kIdentityMatrix;
    }
    for (ObjectLight& light : document.lights) {
        if (light.spot_steps == std::array<int32_t, 3>{0, 0, 0}) {
            light.spot_steps = kDefaultSpotSteps;
        }
    }
    if (document.display_mode > kLastDisplayMode) {
        document.display_mode = kNoDisplayMode;
    }
}

ObjectDocument documentAsOpened(const CurrentObjectFile& file) {
    ObjectDocument doc = file.document;
    clampToControlRanges(doc);
    repairUndefinedSettings(doc);
    return doc;
}

ObjectDocument documentAsOpened(const LegacyObjectFile& file, bool editor_continuous) {
    ObjectDocument doc = legacyToDocument(file, editor_continuous);
    clampToControlRanges(doc);
    repairUndefinedSettings(doc);
    return doc;
}

}  // namespace tv
