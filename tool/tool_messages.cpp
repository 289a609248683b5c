#include "tool/tool_messages.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "lang/format_text.h"

namespace tv::tool {

namespace {

const TextTable& englishTexts() {
    static const TextTable texts = [] {
        TextTable t;
        assignDefaultTexts(t);
        return t;
    }();
    return texts;
}

}  // namespace

std::string fullPath(const std::string& path) {
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(path, ec);
    return ec ? path : absolute.lexically_normal().string();
}

std::string messageWithPath(TextId id, const std::string& path) {
    return formatText(englishTexts()[id], {FormatArg(fullPath(path))});
}

const std::string& messageText(TextId id) {
    return englishTexts()[id];
}

void reportLine(std::string_view line) {
    std::fwrite(line.data(), 1, line.size(), stderr);
    std::fputc('\n', stderr);
    std::fflush(stderr);
}

void reportSaveFailure(SafeSaveOutcome outcome, const std::string& target) {
    switch (outcome) {
        case SafeSaveOutcome::Ok:
            return;
        case SafeSaveOutcome::ShortWrite:
            reportLine(messageText(kTextDiskFull));
            return;
        case SafeSaveOutcome::IoError:
            // The editor's write-error box, answered with Cancel.
            reportLine(messageText(kTextDiskWriteError));
            break;
        case SafeSaveOutcome::CreateFailed:
        case SafeSaveOutcome::CommitFailed:
            break;
    }
    reportLine(messageWithPath(kTextUnableToSave, target));
}

}  // namespace tv::tool
