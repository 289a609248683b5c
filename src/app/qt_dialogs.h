// Real modal windows for the Dialogs interface, owned by a parent window.
#pragma once

#include <QPointer>
#include <QWidget>

#include "util/dialogs.h"

namespace tv {

class QtDialogs final : public Dialogs {
  public:
    explicit QtDialogs(QWidget* owner) : owner_(owner) {}

    MsgResult message(const QString& text, const QString& caption, MsgIcon icon,
                      MsgButtons buttons) override;
    [[nodiscard]] std::optional<uint32_t> chooseColor(uint32_t initial) override;
    [[nodiscard]] std::optional<QString> saveFileName(const QString& preset,
                                                      const QString& filter) override;
    [[nodiscard]] std::optional<QString> openFileName(const QString& preset,
                                                      const QString& filter) override;
    [[nodiscard]] std::optional<ExportChoice> exportFileName(const ExportChoice& preset,
                                                             const QString& filter,
                                                             const QString& caption,
                                                             const QString& scale_label) override;
    [[nodiscard]] std::unique_ptr<ProgressWindow> progress(const QString& caption,
                                                           const QString& text) override;

  private:
    QPointer<QWidget> owner_;
};

// "Text (*.a)|*.a|Other|*.b;*.*" -> "Text (*.a);;Other (*.b *)", the form Qt's file
// dialogs take; "*.*" becomes "*", so that it shows names without a dot too.
QString toQtFileFilter(const QString& filter);

}  // namespace tv
