#include "lang/format_text.h"
#include "objfile/object_encoder.h"
#include "objfile/safe_file_writer.h"
#include "tool/commands.h"
#include "tool/document_loading.h"
#include "tool/tool_messages.h"

namespace tv::tool {

int runConvert(const ToolOptions& options) {
    const std::unique_ptr<LoadedDocument> loaded = loadDocument(options.input);
    if (!loaded) {
        return kExitFailed;
    }
    // The editor saves the document it holds after opening: the same image, byte for byte.
    const EncodeResult encoded = encodeObjectFile(loaded->document);
    if (encoded.status == EncodeStatus::TooManyPoints) {
        // A DOS file may hold more points than a current-format file can.
        reportLine(
            formatText(messageText(kTextTooManyPoints),
                       {FormatArg(loaded->document.profile.count), FormatArg(kMaxSavablePoints)}));
        return kExitFailed;
    }
    const SafeSaveOutcome outcome = saveFileSafely(options.output, encoded.image);
    reportSaveFailure(outcome, options.output);
    return outcome == SafeSaveOutcome::Ok ? kExitOk : kExitFailed;
}

}  // namespace tv::tool
