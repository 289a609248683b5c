#include "view3d/profile_chains.h"

#include <cmath>
#include <map>
#include <utility>

namespace tv {

namespace {

struct Segment {
    int from = 0;  // nodes, in drawing direction
    int to = 0;
    bool normal_left = true;
};

// The distinct points of the profile's segments and the segments between them.
class SegmentGraph {
  public:
    explicit SegmentGraph(const ProfileModel& profile) {
        for (int k = 1; k < profile.pointCount(); ++k) {
            const int8_t link = profile.link(k);
            const TProfilePoint& p0 = profile.points[k - 1];
            const TProfilePoint& p1 = profile.points[k];
            if (link == kLinkStart || !finite(p0) || !finite(p1)) {
                continue;
            }
            const int from = node(p0);
            const int to = node(p1);
            if (from == to) {
                continue;
            }
            ends_[from].push_back(static_cast<int>(segments_.size()));
            ends_[to].push_back(static_cast<int>(segments_.size()));
            segments_.push_back({from, to, link > 0});
        }
    }

    int segmentCount() const { return static_cast<int>(segments_.size()); }
    const Segment& segment(int s) const { return segments_[s]; }
    const TProfilePoint& point(int n) const { return nodes_[n]; }
    int otherEnd(int s, int n) const {
        return segments_[s].from == n ? segments_[s].to : segments_[s].from;
    }

    // The segment that continues a chain arriving at node n along segment s, or -1 where
    // the chain stops.
    int continuing(int n, int s) const {
        const std::vector<int>& ends = ends_[n];
        if (ends.size() != 2) {
            return -1;
        }
        return ends[0] == s ? ends[1] : ends[0];
    }

  private:
    static bool finite(const TProfilePoint& p) { return std::isfinite(p.x) && std::isfinite(p.y); }

    int node(const TProfilePoint& p) {
        // Adding zero makes -0 and +0 one key.
        const std::pair<double, double> key{p.x + 0.0, p.y + 0.0};
        const auto [at, added] = ids_.try_emplace(key, static_cast<int>(nodes_.size()));
        if (added) {
            nodes_.push_back({key.first, key.second});
            ends_.emplace_back();
        }
        return at->second;
    }

    std::map<std::pair<double, double>, int> ids_;
    std::vector<TProfilePoint> nodes_;
    std::vector<std::vector<int>> ends_;  // per node: the segments that end there
    std::vector<Segment> segments_;
};

// The first segment and node of the chain through segment s0: back against s0's drawing
// direction to where the chain stops. A ring of points that each join two segments has no
// such place, and begins with s0.
std::pair<int, int> chainStart(const SegmentGraph& graph, int s0) {
    int first = s0;
    int start = graph.segment(s0).from;
    for (int prev = graph.continuing(start, first); prev >= 0;
         prev = graph.continuing(start, first)) {
        if (prev == s0) {
            return {s0, graph.segment(s0).from};
        }
        start = graph.otherEnd(prev, start);
        first = prev;
    }
    return {first, start};
}

ProfileChain followChain(const SegmentGraph& graph, int first, int start, std::vector<bool>& used) {
    ProfileChain chain;
    chain.points.push_back(graph.point(start));
    int at = start;
    for (int s = first; s >= 0 && !used[s]; s = graph.continuing(at, s)) {
        used[s] = true;
        const bool forward = graph.segment(s).from == at;
        at = graph.otherEnd(s, at);
        chain.points.push_back(graph.point(at));
        // Running against the drawing direction puts the drawn normal on the other side.
        chain.normal_left.push_back(graph.segment(s).normal_left == forward);
    }
    chain.closed = at == start;
    return chain;
}

}  // namespace

double turnedVolumeSum(const ProfileChain& chain, Axis axis) {
    double sum = 0.0;
    for (size_t i = 1; i < chain.points.size(); ++i) {
        const TProfilePoint& p0 = chain.points[i - 1];
        const TProfilePoint& p1 = chain.points[i];
        const double r0 = axis == Axis::Y ? p0.x : p0.y;
        const double r1 = axis == Axis::Y ? p1.x : p1.y;
        const double h0 = axis == Axis::Y ? p0.y : p0.x;
        const double h1 = axis == Axis::Y ? p1.y : p1.x;
        sum += (h1 - h0) * (r0 * r0 + r0 * r1 + r1 * r1);
    }
    return sum;
}

std::vector<ProfileChain> chainProfile(const ProfileModel& profile, Axis axis) {
    const SegmentGraph graph(profile);
    std::vector<bool> used(graph.segmentCount(), false);
    std::vector<ProfileChain> chains;
    for (int s0 = 0; s0 < graph.segmentCount(); ++s0) {
        if (used[s0]) {
            continue;
        }
        const auto [first, start] = chainStart(graph, s0);
        ProfileChain chain = followChain(graph, first, start, used);
        if (chain.closed) {
            // Turned, a chain that runs with its inside on the left (with r and h as
            // x and y) has a positive volume; about the X axis r and h are y and x, which
            // mirrors the plane.
            const double volume = turnedVolumeSum(chain, axis);
            const bool inside_left = axis == Axis::Y ? volume > 0.0 : volume < 0.0;
            chain.normal_left.assign(chain.normal_left.size(), inside_left ? 0 : 1);
        }
        chains.push_back(std::move(chain));
    }
    return chains;
}

}  // namespace tv
