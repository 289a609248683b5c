// What must hold for any document the editor takes from a file: its values within the
// ranges of their controls, the scene values derived from it defined, its profile laid out
// on the drawing surface and turned into a solid without a value that is not finite.
#pragma once

#include "objfile/object_document.h"

namespace tv::fuzz {

// Checks a document as documentAsOpened gives it, aborting on the first broken promise.
void checkOpenedDocument(const ObjectDocument& document);

}  // namespace tv::fuzz
