// The one door through which the program shows modal windows: message boxes, the
// colour dialog and the file dialogs. The editor uses the Qt implementation; tests
// give the main window a scripted one, so no test ever waits on a window.
#pragma once

#include <QString>
#include <cstdint>
#include <optional>

namespace tv {

enum class MsgIcon { Error, Question, Warning };
enum class MsgButtons { Ok, YesNo, YesNoCancel, RetryCancel };
enum class MsgResult { Ok, Yes, No, Cancel, Retry };

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
};

}  // namespace tv
