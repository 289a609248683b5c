// The program entry: reads the command line, creates the windows in their fixed order,
// runs the main window's start-up routine, opens the file named on the command line and
// enters the event loop.
#include <QApplication>
#include <QFile>
#include <QSurfaceFormat>
#include <QTimer>
#include <iostream>

#include "app/command_line.h"
#include "app/fomenu.h"
#include "view3d/surface_format.h"

int main(int argc, char** argv) {
    // Read before the application object exists: --help and --version need no display,
    // and a bad command line ends before any window opens.
    const tv::CommandLine command_line =
        tv::parseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    switch (command_line.action) {
        case tv::CommandLineAction::Help:
            std::cout << tv::editorUsage();
            return 0;
        case tv::CommandLineAction::Version:
            std::cout << tv::editorVersion();
            return 0;
        case tv::CommandLineAction::UsageError:
            std::cerr << command_line.error << '\n' << tv::editorUsage();
            return 2;
        case tv::CommandLineAction::Run:
            break;
    }

    // Every window swaps without waiting for the screen, so the view redraws at full speed.
    QSurfaceFormat::setDefaultFormat(tv::viewSurfaceFormat());
    // The toolkit sees the program name only, so none of its own options can act (a file
    // named after one, given after "--", stays a file).
    int toolkit_argc = 1;
    QApplication app(toolkit_argc, argv);
    QApplication::setApplicationName(QStringLiteral("torvelle"));
    QApplication::setDesktopFileName(QStringLiteral("org.torvelle.Torvelle"));

    tv::Tform_fomenu form_fomenu;
    form_fomenu.createWindows();
    form_fomenu.Startup();
    if (form_fomenu.startupFailed()) {
        return 1;
    }
    form_fomenu.show();
    if (command_line.file) {
        // Opened from the event loop, so that its messages stand over the shown window.
        const QString path = QFile::decodeName(command_line.file->c_str());
        QTimer::singleShot(0, &form_fomenu, [&form_fomenu, path] { form_fomenu.openFile(path); });
    }
    return QApplication::exec();
}
