#include "lang/text_lines.h"

#include "lang/text_decoding.h"

namespace tv {

namespace {

constexpr char kEndOfFile = 26;

std::string_view beforeEndOfFile(std::string_view bytes) {
    return bytes.substr(0, bytes.find(kEndOfFile));
}

}  // namespace

LineReader::LineReader(std::string_view file_bytes)
    : text_(decodeText(beforeEndOfFile(file_bytes))) {}

bool LineReader::next(std::string_view& line) {
    if (pos_ >= text_.size()) {
        return false;
    }
    const std::string_view rest = std::string_view(text_).substr(pos_);
    const size_t end = rest.find('\n');
    const std::string_view raw = rest.substr(0, end);
    pos_ = end == std::string_view::npos ? text_.size() : pos_ + end + 1;
    ++row_;
    // The CR of a CR LF and every lone CR are dropped alike.
    if (raw.find('\r') == std::string_view::npos) {
        line = raw;
        return true;
    }
    line_.clear();
    for (const char c : raw) {
        if (c != '\r') {
            line_.push_back(c);
        }
    }
    line = line_;
    return true;
}

std::string_view trimControls(std::string_view line) {
    const auto is_control = [](char c) { return static_cast<unsigned char>(c) <= 32; };
    while (!line.empty() && is_control(line.front())) {
        line.remove_prefix(1);
    }
    while (!line.empty() && is_control(line.back())) {
        line.remove_suffix(1);
    }
    return line;
}

}  // namespace tv
