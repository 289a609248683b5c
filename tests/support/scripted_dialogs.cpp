#include "support/scripted_dialogs.h"

#include <gtest/gtest.h>

namespace tv::test {

MsgResult ScriptedDialogs::message(const QString& text, const QString& caption, MsgIcon icon,
                                   MsgButtons buttons) {
    messages.push_back({text, caption, icon, buttons});
    if (message_answers.empty()) {
        // Without a scripted answer, a plain OK box is closed and a question is cancelled.
        if (buttons != MsgButtons::Ok) {
            ADD_FAILURE() << "unscripted question: " << text.toStdString();
        }
        return buttons == MsgButtons::Ok ? MsgResult::Ok : MsgResult::Cancel;
    }
    const MsgResult answer = message_answers.front();
    message_answers.pop_front();
    return answer;
}

std::optional<uint32_t> ScriptedDialogs::chooseColor(uint32_t initial) {
    color_requests.push_back(initial);
    if (color_answers.empty()) {
        ADD_FAILURE() << "unscripted colour dialog";
        return std::nullopt;
    }
    const auto answer = color_answers.front();
    color_answers.pop_front();
    return answer;
}

std::optional<QString> ScriptedDialogs::nextFile(const QString& preset, const QString& filter) {
    file_presets.push_back(preset);
    file_filters.push_back(filter);
    if (file_answers.empty()) {
        ADD_FAILURE() << "unscripted file dialog";
        return std::nullopt;
    }
    const auto answer = file_answers.front();
    file_answers.pop_front();
    return answer;
}

std::optional<QString> ScriptedDialogs::saveFileName(const QString& preset, const QString& filter) {
    return nextFile(preset, filter);
}

std::optional<QString> ScriptedDialogs::openFileName(const QString& preset, const QString& filter) {
    return nextFile(preset, filter);
}

std::optional<ExportChoice> ScriptedDialogs::exportFileName(const ExportChoice& preset,
                                                            const QString& filter,
                                                            const QString& /*caption*/,
                                                            const QString& /*scale_label*/) {
    export_presets.push_back(preset);
    file_filters.push_back(filter);
    if (export_answers.empty()) {
        ADD_FAILURE() << "unscripted export dialog";
        return std::nullopt;
    }
    const auto answer = export_answers.front();
    export_answers.pop_front();
    return answer;
}

namespace {

class ScriptedProgress final : public ProgressWindow {
  public:
    explicit ScriptedProgress(std::optional<double> cancel_at) : cancel_at_(cancel_at) {}
    bool advance(double share) override { return !cancel_at_ || share < *cancel_at_; }

  private:
    std::optional<double> cancel_at_;
};

}  // namespace

std::unique_ptr<ProgressWindow> ScriptedDialogs::progress(const QString& /*caption*/,
                                                          const QString& text) {
    progress_texts.push_back(text);
    return std::make_unique<ScriptedProgress>(cancel_progress_at);
}

}  // namespace tv::test
