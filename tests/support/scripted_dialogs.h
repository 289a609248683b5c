// A Dialogs implementation for tests: answers come from queues the test fills, and
// every window that would have been shown is recorded. An unexpected window fails
// the test instead of blocking it.
#pragma once

#include <deque>
#include <optional>
#include <vector>

#include "util/dialogs.h"

namespace tv::test {

struct ShownMessage {
    QString text;
    QString caption;
    MsgIcon icon;
    MsgButtons buttons;
};

class ScriptedDialogs final : public Dialogs {
  public:
    std::deque<MsgResult> message_answers;
    std::deque<std::optional<uint32_t>> color_answers;
    std::deque<std::optional<QString>> file_answers;
    std::deque<std::optional<ExportChoice>> export_answers;
    // A progress window answers "cancelled" once told a share at least this large.
    std::optional<double> cancel_progress_at;

    std::vector<ShownMessage> messages;
    std::vector<uint32_t> color_requests;
    std::vector<QString> file_presets;
    std::vector<QString> file_filters;
    std::vector<ExportChoice> export_presets;
    std::vector<QString> progress_texts;  // one per progress window asked for

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
    std::optional<QString> nextFile(const QString& preset, const QString& filter);
};

}  // namespace tv::test
