// The tool's messages: the editor's texts in their built-in English wording, written to
// standard error one per line, with a file's full path where the editor shows one.
#pragma once

#include <string>
#include <string_view>

#include "lang/text_table.h"
#include "objfile/safe_file_writer.h"

namespace tv::tool {

// The path made absolute, as the editor's file dialogs give it.
std::string fullPath(const std::string& path);

// Text `id` with its "%s" replaced by the full path of `path`.
std::string messageWithPath(TextId id, const std::string& path);

// Text `id` as it stands.
const std::string& messageText(TextId id);

// Writes `line` and a line break to standard error.
void reportLine(std::string_view line);

// Reports a failed save of `target` as the editor does; nothing for SafeSaveOutcome::Ok.
void reportSaveFailure(SafeSaveOutcome outcome, const std::string& target);

}  // namespace tv::tool
