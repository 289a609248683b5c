// The document of a loaded file as one JSON object, for the info command. Keys are fixed:
// scripts read them. Floats are given as the doubles of their values, and every number
// prints with enough digits to read back the same double. A coordinate that is not a
// finite number has no JSON form and prints as null.
#pragma once

#include <nlohmann/json.hpp>

#include "tool/document_loading.h"

namespace tv::tool {

nlohmann::ordered_json documentJson(const LoadedDocument& loaded);

}  // namespace tv::tool
