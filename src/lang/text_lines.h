// Reads a language or settings file line by line. A line ends at LF or at CR LF;
// a CR that is not followed by LF is dropped; a Ctrl-Z (character 26) ends the file.
// The bytes are decoded to UTF-8 first (see text_decoding.h).
#pragma once

#include <string>
#include <string_view>

namespace tv {

class LineReader {
  public:
    explicit LineReader(std::string_view file_bytes);

    // Moves to the next line and gives it without its line end; false after the last
    // line. The view stays valid until the next call.
    [[nodiscard]] bool next(std::string_view& line);

    // Row of the line last given, counted from 1.
    int row() const { return row_; }

  private:
    std::string text_;
    size_t pos_ = 0;
    std::string line_;  // the current line when CRs had to be taken out of it
    int row_ = 0;
};

// `line` without the characters with codes 0 to 32 at both ends.
std::string_view trimControls(std::string_view line);

}  // namespace tv
