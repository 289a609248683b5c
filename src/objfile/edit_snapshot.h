// The arithmetic of undo and redo on whole-document snapshots: one editing step is the
// document before and after it, and undoing or redoing the step puts back only what the
// step itself changed, so settings changed in between without a step of their own stay.
#pragma once

#include "objfile/object_document.h"

namespace tv {

// `current` with every setting that differs between `from` and `to` taken from `to`.
// The orientation (rotation_matrix) is never taken: the rotation speeds turn it on every
// frame, so a snapshot's orientation is only the moment it was read.
ObjectDocument replayStep(const ObjectDocument& current, const ObjectDocument& from,
                          const ObjectDocument& to);

// True when going from `from` to `to` changes anything replayStep would put back.
bool changesDocument(const ObjectDocument& from, const ObjectDocument& to);

}  // namespace tv
