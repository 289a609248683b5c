#include <QBuffer>
#include <QByteArray>
#include <QGuiApplication>
#include <chrono>
#include <cstdio>
#include <memory>
#include <span>

#include "objfile/document_scene.h"
#include "objfile/safe_file_writer.h"
#include "profile/profile_model.h"
#include "tool/commands.h"
#include "tool/document_loading.h"
#include "tool/tool_messages.h"
#include "view3d/frame_counters.h"
#include "view3d/offscreen_gl.h"
#include "view3d/opengl_layer.h"
#include "view3d/render_pass.h"
#include "view3d/view_setup.h"

namespace tv::tool {

namespace {

// Rotation speeds turn the object as they would at this steady frame rate.
constexpr int kNominalFrameRate = 60;

QtMessageHandler qt_default_handler = nullptr;

// Qt's own notes about platform plugins (an X server that cannot be reached before the
// off-screen fallback is taken) say nothing the tool's message does not.
void quietPlatformNotes(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    const bool platform_note = context.category != nullptr &&
                               QByteArrayView(context.category).startsWith("qt.qpa") &&
                               type != QtCriticalMsg && type != QtFatalMsg;
    if (!platform_note && qt_default_handler != nullptr) {
        qt_default_handler(type, context, text);
    }
}

// Without a platform named by the user, an X display is tried first; without one the
// off-screen platform lets the program report the missing display instead of aborting.
void choosePlatform() {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "xcb;offscreen");
    }
    qt_default_handler = qInstallMessageHandler(quietPlatformNotes);
}

ViewControls viewControls(const ObjectDocument& doc, const ToolOptions& options) {
    ViewControls controls;
    controls.axis = doc.axis_x ? Axis::X : Axis::Y;
    controls.display_mode =
        options.display_mode.value_or(doc.display_mode == kNoDisplayMode ? -1 : doc.display_mode);
    controls.show_axes = doc.show_axes;
    controls.show_normals = doc.show_normals;
    controls.segments = doc.segments;
    controls.object_color = static_cast<uint32_t>(doc.colors[kColorObject]);
    return controls;
}

bool encodePng(const QImage& image, QByteArray& png) {
    QBuffer buffer(&png);
    return buffer.open(QIODevice::WriteOnly) && image.save(&buffer, "PNG");
}

}  // namespace

int runRender(const ToolOptions& options, char* program) {
    const std::unique_ptr<LoadedDocument> loaded = loadDocument(options.input);
    if (!loaded) {
        return kExitFailed;
    }
    const ObjectDocument& doc = loaded->document;

    choosePlatform();
    int argc = 1;
    char* argv[] = {program, nullptr};
    const QGuiApplication app(argc, argv);
    OffscreenGl target;
    if (const std::string error = target.create(options.width, options.height); !error.empty()) {
        reportLine(error);
        return kExitFailed;
    }

    const auto scene = std::make_unique<TSceneState>();
    applyToSceneState(doc, *scene);
    const auto profile = std::make_unique<ProfileModel>();
    profile->replace(doc.profile.count, doc.profile.links.data(), doc.profile.points.data(),
                     !doc.continuous);
    FrameCounters counters;
    counters.fps_average = kNominalFrameRate;
    const RenderInputs inputs{*scene, *profile, counters, viewControls(doc, options)};

    OpenGlLayer gl;
    setUpViewContext(gl);
    applyProjection(gl, options.width, options.height, *scene);
    // The first frame compiles a part of the lists, each later one the next part; once all
    // are compiled a frame only calls them. They go with the context.
    const auto retained = std::make_unique<RetainedSurface>();
    const int frames = options.frames.value_or(1);
    std::chrono::steady_clock::duration drawing{};
    for (int i = 0; i < frames; ++i) {
        const auto start = std::chrono::steady_clock::now();
        renderFrame(gl, inputs, frameWorkspace(), *retained);
        target.finish();
        drawing += std::chrono::steady_clock::now() - start;
    }

    QByteArray png;
    if (!encodePng(target.image(), png)) {
        reportSaveFailure(SafeSaveOutcome::IoError, options.output);
        return kExitFailed;
    }
    const SafeSaveOutcome outcome =
        saveFileSafely(options.output, std::span(reinterpret_cast<const uint8_t*>(png.constData()),
                                                 static_cast<size_t>(png.size())));
    reportSaveFailure(outcome, options.output);
    if (outcome != SafeSaveOutcome::Ok) {
        return kExitFailed;
    }
    if (options.frames) {
        const double mean_ms = std::chrono::duration<double, std::milli>(drawing).count() / frames;
        std::printf("frame_ms=%.3f\n", mean_ms);
    }
    return std::fflush(stdout) == 0 ? kExitOk : kExitFailed;
}

}  // namespace tv::tool
