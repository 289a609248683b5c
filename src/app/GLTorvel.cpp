// The program entry: creates the windows in their fixed order, runs the main window's
// start-up routine and enters the event loop. No command-line argument is read.
#include <QApplication>
#include <QSurfaceFormat>

#include "app/fomenu.h"
#include "view3d/surface_format.h"

int main(int argc, char** argv) {
    // Every window swaps without waiting for the screen, so the view redraws at full speed.
    QSurfaceFormat::setDefaultFormat(tv::viewSurfaceFormat());
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("torvelle"));
    QApplication::setDesktopFileName(QStringLiteral("org.torvelle.Torvelle"));

    tv::Tform_fomenu form_fomenu;
    form_fomenu.createWindows();
    form_fomenu.Startup();
    if (form_fomenu.startupFailed()) {
        return 1;
    }
    form_fomenu.show();
    return QApplication::exec();
}
