// The numbered table of user-interface texts: messages, message-box captions,
// status-bar words and the file-type filter. Texts are UTF-8.
#pragma once

#include <array>
#include <string>

namespace tv {

inline constexpr int kTextCount = 256;
using TextTable = std::array<std::string, kTextCount>;

// Indices of the texts the program itself shows.
enum TextId : int {
    kTextRowError = 0,
    kTextInformation = 1,
    kTextConfirm = 2,
    kTextWarning = 3,
    kTextError = 4,
    kTextModified = 5,
    kTextPoints = 6,
    kTextFps = 7,
    kTextSaveChanges = 8,
    kTextNoComponent = 9,
    kTextLanguageMissing = 10,
    kTextResetQuestion = 11,
    kTextUntitled = 12,
    kTextFileFilter = 13,
    kTextDiskWriteError = 14,
    kTextUnableToSave = 15,
    kTextDiskFull = 16,
    kTextCannotOpen = 17,
    kTextDiskReadError = 18,
    kTextNotAnObject = 19,
    kTextCorrupt = 20,
    kTextNewerVersion = 21,
    kTextFlatImage = 22,
    kTextDosVersion = 23,
    kTextTooManyPoints = 24,
    kTextExportMenu = 25,
    kTextExportCaption = 26,
    kTextExportFilter = 27,
    kTextExportScale = 28,
    kTextExporting = 29,
    kTextUnableToExport = 30,
    kTextUnderConstruction = 255,
};

// Empties every entry and then assigns the built-in English defaults.
void assignDefaultTexts(TextTable& texts);

}  // namespace tv
