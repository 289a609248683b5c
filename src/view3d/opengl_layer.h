// The GL layer over the system's OpenGL 1.1 and GLU: every call goes straight to the
// function of the same name in the context current on the calling thread.
#pragma once

#include <GL/gl.h>
#include <GL/glu.h>

#include "view3d/gl_layer.h"

namespace tv {

class OpenGlLayer {
  public:
    void clearColor(float r, float g, float b, float a) { glClearColor(r, g, b, a); }
    void clear(GlEnum mask) { glClear(mask); }
    void clearDepth(double depth) { glClearDepth(depth); }
    void depthFunc(GlEnum func) { glDepthFunc(func); }
    void hint(GlEnum target, GlEnum mode) { glHint(target, mode); }
    void viewport(int x, int y, int width, int height) { glViewport(x, y, width, height); }
    void matrixMode(GlEnum mode) { glMatrixMode(mode); }
    void loadIdentity() { glLoadIdentity(); }
    void loadMatrixd(const double* m) { glLoadMatrixd(m); }
    void multMatrixd(const double* m) { glMultMatrixd(m); }
    void getModelviewMatrix(double* out) { glGetDoublev(GL_MODELVIEW_MATRIX, out); }
    void pushMatrix() { glPushMatrix(); }
    void popMatrix() { glPopMatrix(); }
    void translatef(float x, float y, float z) { glTranslatef(x, y, z); }
    void rotated(double angle, double x, double y, double z) { glRotated(angle, x, y, z); }
    void perspective(double fovy, double aspect, double z_near, double z_far) {
        gluPerspective(fovy, aspect, z_near, z_far);
    }
    void enable(GlEnum cap) { glEnable(cap); }
    void disable(GlEnum cap) { glDisable(cap); }
    void shadeModel(GlEnum mode) { glShadeModel(mode); }
    void blendFunc(GlEnum source, GlEnum destination) { glBlendFunc(source, destination); }
    void begin(GlEnum mode) { glBegin(mode); }
    void end() { glEnd(); }
    void color3f(float r, float g, float b) { glColor3f(r, g, b); }
    void color4d(double r, double g, double b, double a) { glColor4d(r, g, b, a); }
    void vertex3f(float x, float y, float z) { glVertex3f(x, y, z); }
    void vertex3d(double x, double y, double z) { glVertex3d(x, y, z); }
    void normal3d(double x, double y, double z) { glNormal3d(x, y, z); }
    void materialfv(GlEnum face, GlEnum name, const float* v) { glMaterialfv(face, name, v); }
    void lightfv(GlEnum light, GlEnum name, const float* v) { glLightfv(light, name, v); }
    void lightModelfv(GlEnum name, const float* v) { glLightModelfv(name, v); }
    uint32_t genLists(int range) { return glGenLists(range); }
    void newList(uint32_t list, GlEnum mode) { glNewList(list, mode); }
    void endList() { glEndList(); }
    void callList(uint32_t list) { glCallList(list); }
    void deleteLists(uint32_t list, int range) { glDeleteLists(list, range); }
};

static_assert(GlListLayer<OpenGlLayer>);

// The core's constants are OpenGL's own.
static_assert(gl::kLines == GL_LINES && gl::kLineStrip == GL_LINE_STRIP &&
              gl::kQuadStrip == GL_QUAD_STRIP);
static_assert(gl::kDepthBufferBit == GL_DEPTH_BUFFER_BIT &&
              gl::kColorBufferBit == GL_COLOR_BUFFER_BIT);
static_assert(gl::kLighting == GL_LIGHTING && gl::kDepthTest == GL_DEPTH_TEST &&
              gl::kBlend == GL_BLEND);
static_assert(gl::kFlat == GL_FLAT && gl::kSmooth == GL_SMOOTH && gl::kOne == GL_ONE &&
              gl::kSrcAlpha == GL_SRC_ALPHA && gl::kLequal == GL_LEQUAL &&
              gl::kPerspectiveCorrectionHint == GL_PERSPECTIVE_CORRECTION_HINT &&
              gl::kNicest == GL_NICEST);
static_assert(gl::kModelview == GL_MODELVIEW && gl::kProjection == GL_PROJECTION);
static_assert(gl::kFrontAndBack == GL_FRONT_AND_BACK && gl::kAmbient == GL_AMBIENT &&
              gl::kDiffuse == GL_DIFFUSE && gl::kSpecular == GL_SPECULAR &&
              gl::kPosition == GL_POSITION && gl::kSpotDirection == GL_SPOT_DIRECTION &&
              gl::kSpotCutoff == GL_SPOT_CUTOFF && gl::kShininess == GL_SHININESS &&
              gl::kLightModelAmbient == GL_LIGHT_MODEL_AMBIENT);
static_assert(gl::kCompile == GL_COMPILE);
static_assert(gl::kLight0 == GL_LIGHT0 && gl::kLight1 == GL_LIGHT1 && gl::kLight2 == GL_LIGHT2);

}  // namespace tv
