// The frame counters shared by the render pass (which counts frames) and the main
// window's one-second timer (which turns the count into a smoothed frame rate).
#pragma once

#include <cstdint>

namespace tv {

struct FrameCounters {
    int32_t frame_count = 0;  // frames since the last timer tick
    // Smoothed frames per second, -1 before the first measurement. Kept unrounded so that
    // it settles on the true rate; the status bar shows it rounded.
    double fps_average = -1.0;
    bool no_frame_since_tick = false;
    bool skip_fps_update = true;  // the next tick must not update fps_average
};

}  // namespace tv
