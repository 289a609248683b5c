#include "view3d/frame_rate.h"

namespace tv {

bool frameRateTick(FrameCounters& counters) {
    bool updated = false;
    if (counters.no_frame_since_tick) {
        counters.skip_fps_update = true;
    } else {
        if (!counters.skip_fps_update) {
            counters.fps_average = counters.fps_average <= -1
                                       ? counters.frame_count
                                       : (3.0 * counters.fps_average + counters.frame_count) / 4.0;
            updated = true;
        }
        counters.frame_count = 0;
        counters.skip_fps_update = false;
    }
    counters.no_frame_since_tick = true;
    return updated;
}

}  // namespace tv
