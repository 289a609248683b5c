// The name under which a document is saved.
#pragma once

#include <string>

namespace tv {

// `name` with ".tvl" appended, unless it already ends in ".tvl" in any case.
std::string withObjectExtension(const std::string& name);

}  // namespace tv
