#include "objfile/document_scene.h"

#include "view3d/scene_controls.h"

namespace tv {

DerivedValues deriveValues(const ObjectDocument& document) {
    DerivedValues d;
    d.zoom_factor = zoomFactor(document.zoom_position);
    for (int axis = 0; axis < 3; ++axis) {
        d.position[axis] = moveOffset(axis, document.move_positions[axis]);
        d.rotate_speed[axis] = rotateSpeed(axis, document.rotate_positions[axis]);
    }
    d.opacity = materialOpacity(document.transparency_position);
    d.material_shininess = materialShininess(document.shininess_position);
    for (int l = 0; l < kLightCount; ++l) {
        const ObjectLight& light = document.lights[l];
        d.spot_cutoff[l] = spotCutoff(light.spotlight, light.spot_angle);
        d.spot_direction[l] = spotDirectionFromSteps(light.spot_steps);
    }
    return d;
}

void applyLightToSceneState(const ObjectLight& light, int l, TSceneState& scene) {
    scene.light_on[l] = light.on;
    scene.light_position[l] = light.position;
    scene.light_rotated[l] = light.rotated;
    scene.light_indicated[l] = light.indicated;
    scene.spot_direction_steps[l] = light.spot_steps;
    scene.spot_direction[l] = spotDirectionFromSteps(light.spot_steps);
    scene.spot_angle[l] = light.spot_angle;
    scene.spot_cutoff[l] = spotCutoff(light.spotlight, light.spot_angle);
}

void applyToSceneState(const ObjectDocument& document, TSceneState& scene) {
    const DerivedValues d = deriveValues(document);
    scene.zoom_factor = d.zoom_factor;
    scene.position_x = d.position[0];
    scene.position_y = d.position[1];
    scene.position_z = d.position[2];
    scene.rotate_speed_x = d.rotate_speed[0];
    scene.rotate_speed_y = d.rotate_speed[1];
    scene.rotate_speed_z = d.rotate_speed[2];
    scene.rotation_matrix = document.rotation_matrix;

    scene.colors = document.colors;
    const auto rgba = [&](int index, float alpha = 1.0f) {
        return colorToRgba(static_cast<uint32_t>(document.colors[index]), alpha);
    };
    scene.background_rgba = rgba(kColorBackground);
    scene.global_ambient = rgba(kColorGlobalAmbient);
    scene.opacity = d.opacity;
    scene.material_shininess = d.material_shininess;
    scene.material_diffuse = rgba(kColorObject, d.opacity);
    scene.material_ambient = rgba(kColorMaterialAmbient, d.opacity);
    scene.material_specular = rgba(kColorMaterialSpecular, d.opacity);

    for (int l = 0; l < kLightCount; ++l) {
        scene.light_diffuse[l] = rgba(lightDiffuseIndex(l));
        scene.light_ambient[l] = rgba(lightAmbientIndex(l));
        scene.light_specular[l] = rgba(lightSpecularIndex(l));
        applyLightToSceneState(document.lights[l], l, scene);
    }
}

}  // namespace tv
