// The controls that language files address by number: slot n holds the control whose
// captions, hints or list items a component number with that slot changes.
#pragma once

#include <QWidget>
#include <array>

#include "lang/component_table.h"

namespace tv {

class Tform_fomenu;

using ComponentSlots = std::array<QWidget*, kSlotCount>;

// Slots 0..101 as the component table lists them; the rest stay empty.
ComponentSlots collectComponentSlots(Tform_fomenu& main_window);

}  // namespace tv
