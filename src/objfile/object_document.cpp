#include "objfile/object_document.h"

#include <algorithm>

namespace tv {

bool operator==(const ObjectProfile& a, const ObjectProfile& b) {
    if (a.count != b.count) {
        return false;
    }
    const int n = std::min<int>(a.count, kMaxPoints);
    for (int i = 0; i < n; ++i) {
        if (a.links[i] != b.links[i] || a.points[i].x != b.points[i].x ||
            a.points[i].y != b.points[i].y) {
            return false;
        }
    }
    return true;
}

}  // namespace tv
