// The one door through which the program shows modal windows: message boxes, the
// colour dialog, the file dialogs and the progress window of a long task. The editor uses the Qt
// implementation; tests give the main window a scripted one, so no test ever waits on a window.
#pragma once

#include <QString>
#include <cstdint>
#include <memory>
#include <optional>

namespace tv {

enum class MsgIcon { Error, Question, Warning };
enum class MsgButtons { Ok, YesNo, YesNoCancel, RetryCancel };
enum class MsgResult { Ok, Yes, No, Cancel, Retry };

// What the export dialog starts with and what it answers: the file name as entered, the
// filter chosen (counted from 0) and the scale in millimetres per profile unit.
struct ExportChoice {
    QString file_name;
    int filter_index = 0;
    double scale = 50.0;
};

// The window of a task that runs on the user-interface thread, told how far the task is.
class ProgressWindow {
  public:
    virtual ~ProgressWindow() = default;
    // `share` of the task is done (0 to 1); false once the user has cancelled it.
    [[nodiscard]] virtual bool advance(double share) = 0;
};

class Dialogs {
  public:
    virtual ~Dialogs() = default;

    virtual MsgResult message(const QString& text, const QString& caption, MsgIcon icon,
                              MsgButtons buttons) = 0;

    // A colour as 0x00BBGGRR; nothing when the user cancels.
    [[nodiscard]] virtual std::optional<uint32_t> chooseColor(uint32_t initial) = 0;

    // `filter` is in the program's own form: "Description|*.ext|Description|*.*".
    // The save dialog asks before overwriting. A name in a folder that does not exist
    // is refused by the save command, which then shows the dialog again.
    [[nodiscard]] virtual std::optional<QString> saveFileName(const QString& preset,
                                                              const QString& filter) = 0;
    [[nodiscard]] virtual std::optional<QString> openFileName(const QString& preset,
                                                              const QString& filter) = 0;

    // The export dialog: a save dialog (it asks before overwriting) with `filter` as above
    // and a field for the scale, labelled `scale_label`; nothing when the user cancels.
    [[nodiscard]] virtual std::optional<ExportChoice> exportFileName(
        const ExportChoice& preset, const QString& filter, const QString& caption,
        const QString& scale_label) = 0;

    // A progress window that appears only once the task has taken half a second, so a
    // short task shows nothing, and lets the user cancel it.
    [[nodiscard]] virtual std::unique_ptr<ProgressWindow> progress(const QString& caption,
                                                                   const QString& text) = 0;
};

}  // namespace tv
