// Dialogs that pause the 3D view while a modal window is open: the view is not redrawn,
// the object does not turn and the frame rate keeps its last value until it closes.
#pragma once

#include <QPointer>
#include <memory>

#include "util/dialogs.h"
#include "view3d/view3d_widget.h"

namespace tv {

class PausingDialogs final : public Dialogs {
  public:
    PausingDialogs(std::unique_ptr<Dialogs> dialogs, View3DWidget* view)
        : dialogs_(std::move(dialogs)), view_(view) {}

    MsgResult message(const QString& text, const QString& caption, MsgIcon icon,
                      MsgButtons buttons) override {
        const RenderingPause pause(view_);
        return dialogs_->message(text, caption, icon, buttons);
    }
    [[nodiscard]] std::optional<uint32_t> chooseColor(uint32_t initial) override {
        const RenderingPause pause(view_);
        return dialogs_->chooseColor(initial);
    }
    [[nodiscard]] std::optional<QString> saveFileName(const QString& preset,
                                                      const QString& filter) override {
        const RenderingPause pause(view_);
        return dialogs_->saveFileName(preset, filter);
    }
    [[nodiscard]] std::optional<QString> openFileName(const QString& preset,
                                                      const QString& filter) override {
        const RenderingPause pause(view_);
        return dialogs_->openFileName(preset, filter);
    }
    [[nodiscard]] std::optional<ExportChoice> exportFileName(const ExportChoice& preset,
                                                             const QString& filter,
                                                             const QString& caption,
                                                             const QString& scale_label) override {
        const RenderingPause pause(view_);
        return dialogs_->exportFileName(preset, filter, caption, scale_label);
    }
    // The view rests for as long as the progress window lives.
    [[nodiscard]] std::unique_ptr<ProgressWindow> progress(const QString& caption,
                                                           const QString& text) override {
        return std::make_unique<PausingProgress>(view_, dialogs_->progress(caption, text));
    }

  private:
    class PausingProgress final : public ProgressWindow {
      public:
        PausingProgress(View3DWidget* view, std::unique_ptr<ProgressWindow> window)
            : pause_(view), window_(std::move(window)) {}
        [[nodiscard]] bool advance(double share) override { return window_->advance(share); }

      private:
        RenderingPause pause_;
        std::unique_ptr<ProgressWindow> window_;
    };

    std::unique_ptr<Dialogs> dialogs_;
    QPointer<View3DWidget> view_;
};

}  // namespace tv
