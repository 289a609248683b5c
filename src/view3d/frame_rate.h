// The once-a-second turn of the frame counter into a smoothed frame rate.
#pragma once

#include "view3d/frame_counters.h"

namespace tv {

// One timer tick. Returns true when fps_average got a new value to show. The first
// measured second gives the rate; every later one weighs in by a quarter. A second without
// frames freezes the value, and the first busy second after it is not counted.
bool frameRateTick(FrameCounters& counters);

}  // namespace tv
