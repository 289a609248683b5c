#include "objfile/object_file_name.h"

#include <algorithm>
#include <string_view>

#include "util/vex1.h"

namespace tv {

std::string withObjectExtension(const std::string& name) {
    // Only ASCII bytes can upper-case to ".TVL", so the last four bytes are the last four
    // characters whenever they match.
    const size_t tail = std::min<size_t>(name.size(), 4);
    const std::string_view ending = std::string_view(name).substr(name.size() - tail);
    return UpperCaseHuUtf8(ending) == ".TVL" ? name : name + ".tvl";
}

}  // namespace tv
