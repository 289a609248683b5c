// Reads an object file for the tool's commands exactly as the editor's Open reads it:
// every refusal with the editor's message, and the document as the editor then holds it.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "objfile/object_document.h"

namespace tv::tool {

enum class FileFormat { Current, Legacy };

struct LoadedDocument {
    FileFormat format = FileFormat::Current;
    std::optional<uint16_t> version;  // the current format's version word
    ObjectDocument document;          // converted, limited and repaired as Open does
};

// Refusals ("Cannot open", "File is not a Torvelle object", "File is corrupt") are
// reported on standard error and give nullptr. What the editor asks or tells on the way
// (a newer version, a flat legacy image, a file of the DOS edition) is reported as one
// line each, and the file is read anyway.
[[nodiscard]] std::unique_ptr<LoadedDocument> loadDocument(const std::string& path);

}  // namespace tv::tool
