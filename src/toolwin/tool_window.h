// The common frame of the scene tool windows: a dock widget that starts floating and
// hidden above its main window, docks only into the top or bottom dock area, and keeps
// a client area of a fixed size whether it floats or is docked.
#pragma once

#include <QDockWidget>
#include <QSize>
#include <cstdint>

#include "toolwin/tool_host.h"

class QMainWindow;

namespace tv {

class ToolWindow : public QDockWidget {
    Q_OBJECT
  public:
    // The area that holds the window's controls.
    QWidget* clientArea() const { return client_; }

    int32_t fixedClientWidth() const { return fixed_client_width; }
    int32_t fixedClientHeight() const { return fixed_client_height; }

    // Puts the client area back to its fixed size and, while floating, fits the window
    // around it again.
    void FormResize();

  protected:
    // The window is added to `parent`'s top dock area, made floating and hidden; its
    // controls are then built on clientArea() by the subclass, which finally calls
    // FormCreate.
    ToolWindow(ToolHost& host, QMainWindow* parent, ToolWindowId id, const QString& caption,
               QSize client_size);

    // Places the window at the right edge of the screen's available area with its top
    // `stack_index` window heights above the bottom, and records the client size that
    // every resize restores.
    void FormCreate(int stack_index);

    // Changes the client height that every resize restores, and applies it.
    void setFixedClientHeight(int32_t height);

    // The close box only hides the window; the main window raises its toggle button.
    void closeEvent(QCloseEvent* event) override;

    // Hints of the window's controls go on to the main window's status bar, floating too.
    bool event(QEvent* event) override;

    // A window undocked again floats where it floated last.
    void moveEvent(QMoveEvent* event) override;

    ToolHost& host_;

  private:
    ToolWindowId id_;
    QWidget* client_;
    int32_t fixed_client_width = 0;
    int32_t fixed_client_height = 0;
};

}  // namespace tv
