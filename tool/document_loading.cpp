#include "tool/document_loading.h"

#include <variant>
#include <vector>

#include "lang/format_text.h"
#include "objfile/object_decoder.h"
#include "objfile/opened_document.h"
#include "objfile/whole_file_reader.h"
#include "tool/tool_messages.h"
#include "util/vex1.h"

namespace tv::tool {

namespace {

// A legacy file with an unknown mode byte keeps the drawing mode of a new editor.
constexpr bool kEditorStartsContinuous = ObjectDocument{}.continuous;

bool readWholeFile(const std::string& path, std::vector<uint8_t>& bytes) {
    if (!FileOpenable(path)) {
        reportLine(messageWithPath(kTextCannotOpen, path));
        return false;
    }
    WholeFileReader reader;
    switch (reader.open(path)) {
        case WholeFileReader::OpenStatus::Ok:
            break;
        case WholeFileReader::OpenStatus::TooLarge:
            reportLine(messageWithPath(kTextNotAnObject, path));
            return false;
        case WholeFileReader::OpenStatus::CannotOpen:
            reportLine(messageWithPath(kTextCannotOpen, path));
            return false;
    }
    if (reader.size() < objfile::kMinFileSize) {
        reportLine(messageWithPath(kTextNotAnObject, path));
        return false;
    }
    switch (reader.read(bytes)) {
        case WholeFileReader::ReadStatus::Ok:
            return true;
        case WholeFileReader::ReadStatus::IoError:
            // The editor's read-error box, answered with Cancel.
            reportLine(messageText(kTextDiskReadError));
            break;
        case WholeFileReader::ReadStatus::Incomplete:
            break;
    }
    reportLine(messageWithPath(kTextCannotOpen, path));
    return false;
}

}  // namespace

std::unique_ptr<LoadedDocument> loadDocument(const std::string& path) {
    std::vector<uint8_t> bytes;
    if (!readWholeFile(path, bytes)) {
        return nullptr;
    }
    const auto decoded = std::make_unique<DecodeResult>(decodeObjectFile(bytes));
    if (const auto* refusal = std::get_if<ObjectRefusal>(decoded.get())) {
        reportLine(messageWithPath(
            *refusal == ObjectRefusal::Corrupt ? kTextCorrupt : kTextNotAnObject, path));
        return nullptr;
    }
    auto loaded = std::make_unique<LoadedDocument>();
    if (const auto* current = std::get_if<CurrentObjectFile>(decoded.get())) {
        if (current->newerVersion()) {
            reportLine(formatText(
                messageText(kTextNewerVersion),
                {FormatArg(current->versionMajor()), FormatArg(current->versionMinor())}));
        }
        loaded->format = FileFormat::Current;
        loaded->version = current->version;
        loaded->document = documentAsOpened(*current);
        return loaded;
    }
    const auto& legacy = std::get<LegacyObjectFile>(*decoded);
    if (legacy.flatImage()) {
        reportLine(messageText(kTextFlatImage));
    }
    // The editor breaks this text into two lines; here it stays on one.
    reportLine(formatText(messageText(kTextDosVersion), {FormatArg(" ")}));
    loaded->format = FileFormat::Legacy;
    loaded->document = documentAsOpened(legacy, kEditorStartsContinuous);
    return loaded;
}

}  // namespace tv::tool
