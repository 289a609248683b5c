// The thin layer between the 3D view's drawing code and OpenGL 1.1. The render pass and
// the surface builder are templates on a type with these calls, so the same code draws
// through real OpenGL (the editor) or through a recorder (tests), and no per-vertex call
// goes through a virtual function. The core sees no OpenGL header: the few constants it
// needs are given here with their standard OpenGL values.
#pragma once

#include <concepts>
#include <cstdint>

namespace tv {

using GlEnum = uint32_t;

namespace gl {

// Primitives.
inline constexpr GlEnum kLines = 0x0001;
inline constexpr GlEnum kLineStrip = 0x0003;
inline constexpr GlEnum kQuadStrip = 0x0008;

// glClear bits.
inline constexpr GlEnum kDepthBufferBit = 0x0100;
inline constexpr GlEnum kColorBufferBit = 0x4000;

// Capabilities.
inline constexpr GlEnum kLighting = 0x0B50;
inline constexpr GlEnum kDepthTest = 0x0B71;
inline constexpr GlEnum kBlend = 0x0BE2;

// Shading, blending, depth and hints.
inline constexpr GlEnum kFlat = 0x1D00;
inline constexpr GlEnum kSmooth = 0x1D01;
inline constexpr GlEnum kOne = 0x0001;
inline constexpr GlEnum kSrcAlpha = 0x0302;
inline constexpr GlEnum kLequal = 0x0203;
inline constexpr GlEnum kPerspectiveCorrectionHint = 0x0C50;
inline constexpr GlEnum kNicest = 0x1102;

// Display lists.
inline constexpr GlEnum kCompile = 0x1300;

// Matrices.
inline constexpr GlEnum kModelview = 0x1700;
inline constexpr GlEnum kProjection = 0x1701;

// Materials and lights.
inline constexpr GlEnum kFrontAndBack = 0x0408;
inline constexpr GlEnum kAmbient = 0x1200;
inline constexpr GlEnum kDiffuse = 0x1201;
inline constexpr GlEnum kSpecular = 0x1202;
inline constexpr GlEnum kPosition = 0x1203;
inline constexpr GlEnum kSpotDirection = 0x1204;
inline constexpr GlEnum kSpotCutoff = 0x1206;
inline constexpr GlEnum kShininess = 0x1601;
inline constexpr GlEnum kLightModelAmbient = 0x0B53;
inline constexpr GlEnum kLight0 = 0x4000;
inline constexpr GlEnum kLight1 = 0x4001;
inline constexpr GlEnum kLight2 = 0x4002;

}  // namespace gl

// The OpenGL 1.1 calls the 3D view makes, named after the OpenGL functions without their
// prefix. getModelviewMatrix is glGetDoublev(GL_MODELVIEW_MATRIX); perspective is
// gluPerspective.
template <class Gl>
concept GlLayer = requires(Gl& gl, GlEnum e, int i, float f, double d, const double* m, double* out,
                           const float* v) {
    gl.clearColor(f, f, f, f);
    gl.clear(e);
    gl.clearDepth(d);
    gl.depthFunc(e);
    gl.hint(e, e);
    gl.viewport(i, i, i, i);
    gl.matrixMode(e);
    gl.loadIdentity();
    gl.loadMatrixd(m);
    gl.multMatrixd(m);
    gl.getModelviewMatrix(out);
    gl.pushMatrix();
    gl.popMatrix();
    gl.translatef(f, f, f);
    gl.rotated(d, d, d, d);
    gl.perspective(d, d, d, d);
    gl.enable(e);
    gl.disable(e);
    gl.shadeModel(e);
    gl.blendFunc(e, e);
    gl.begin(e);
    gl.end();
    gl.color3f(f, f, f);
    gl.color4d(d, d, d, d);
    gl.vertex3f(f, f, f);
    gl.vertex3d(d, d, d);
    gl.normal3d(d, d, d);
    gl.materialfv(e, e, v);
    gl.lightfv(e, e, v);
    gl.lightModelfv(e, v);
};

// A GL layer that also keeps display lists: glGenLists, glNewList, glEndList, glCallList
// and glDeleteLists. A list id of 0 is never a list.
template <class Gl>
concept GlListLayer = GlLayer<Gl> && requires(Gl& gl, GlEnum e, uint32_t id, int n) {
    { gl.genLists(n) } -> std::convertible_to<uint32_t>;
    gl.newList(id, e);
    gl.endList();
    gl.callList(id);
    gl.deleteLists(id, n);
};

}  // namespace tv
