// Rasterises the canvas's wide lines (segments, normal ticks, the rotation axis): 3 pixels
// wide with round ends. A pixel is covered when its centre lies within 1.5 pixels of the
// line between the centres of the two end pixels, so the pattern is fixed by geometry alone
// and the same wherever and however often a line is drawn.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <type_traits>

#include "profile/profile_model.h"

namespace tv {

namespace wide_line_detail {

// Rounding of values already limited to a few pixels beyond the image, without a call
// into the maths library.
inline int ceilSmall(double value) {
    const int truncated = static_cast<int>(value);
    return truncated < value ? truncated + 1 : truncated;
}

inline int floorSmall(double value) {
    const int truncated = static_cast<int>(value);
    return truncated > value ? truncated - 1 : truncated;
}

// floor(numerator / denominator) for a positive denominator.
inline int64_t floorDiv(int64_t numerator, int64_t denominator) {
    const int64_t quotient = numerator / denominator;
    return quotient * denominator > numerator ? quotient - 1 : quotient;
}

// Ends up to this far from the origin keep every product below within 64 bits.
inline constexpr int64_t kExactLimit = int64_t{1} << 24;

// The largest k with 4 k^2 <= 9 n: an integer c lies within 1.5 sqrt(n) of zero exactly
// when |c| <= k.
inline int64_t bandHalfWidth(int64_t n) {
    auto k = static_cast<int64_t>(1.5 * std::sqrt(static_cast<double>(n)));
    while (4 * (k + 1) * (k + 1) <= 9 * n) {
        ++k;
    }
    while (k > 0 && 4 * k * k > 9 * n) {
        --k;
    }
    return k;
}

// Calls span(y, x_first, x_last) for rows first..last, inside the image, of the band within
// 1.5 pixels of the line through `top` and `bottom` (top.y < bottom.y), clipped to columns
// [0, width). With u = x - top.x and v = y - top.y, a pixel centre lies in the band when
// |u*dy - v*dx| <= 1.5 |d|, and as the left side is an integer, when it is <= k. With
// v*dx = q*dy + r and k = kq*dy + kr (0 <= r, kr < dy), u then runs from q - kq + (r > kr)
// to q + kq + (r + kr >= dy): q and r advance by exact steps from row to row, without a
// division, and a row costs a few additions and comparisons.
template <typename SpanFn>
void exactBandRows(PixelPos top, PixelPos bottom, int64_t first, int64_t last, int width,
                   SpanFn&& span) {
    const int64_t dx = int64_t{bottom.x} - top.x;
    const int64_t dy = int64_t{bottom.y} - top.y;
    const int64_t k = bandHalfWidth(dx * dx + dy * dy);
    const int64_t kq = k / dy;
    const int64_t kr = k % dy;
    const int64_t step_q = floorDiv(dx, dy);
    const int64_t step_r = dx - step_q * dy;
    // Rows two or more from both ends hold only pixels between the ends' columns widened
    // by 1.5 (see forEachWideLineSpan), so those columns tell whether any row needs clipping.
    const bool inside = std::min(top.x, bottom.x) >= 1 && std::max(top.x, bottom.x) < width - 1;
    const int64_t along = (first - top.y) * dx;
    const int64_t q = floorDiv(along, dy);
    // Within the exact limit every value that changes from row to row fits 32 bits, and the
    // loop below steps them measurably faster so than in 64 bits.
    const auto x_first = static_cast<int32_t>(top.x + q);
    const auto r_first = static_cast<int32_t>(along - q * dy);
    const auto rows_first = static_cast<int32_t>(first);
    const auto rows_end = static_cast<int32_t>(last + 1);
    const auto half_q = static_cast<int32_t>(kq);
    const auto half_r = static_cast<int32_t>(kr);
    const auto wide_from = static_cast<int32_t>(dy - kr);
    const auto divisor = static_cast<int32_t>(dy);
    const auto row_step_q = static_cast<int32_t>(step_q);
    const auto row_step_r = static_cast<int32_t>(step_r);
    const auto rows = [&](auto clip) {
        int32_t x = x_first;
        int32_t r = r_first;
        for (int32_t y = rows_first; y != rows_end; ++y) {
            int32_t low = x - half_q + (r > half_r ? 1 : 0);
            int32_t high = x + half_q + (r >= wide_from ? 1 : 0);
            if constexpr (decltype(clip)::value) {
                low = std::max(low, 0);
                high = std::min(high, width - 1);
                if (low <= high) {
                    span(y, low, high);
                }
            } else {
                span(y, low, high);
            }
            // The carry without a branch: lines of every slope make its pattern too
            // irregular to predict. `borrow` is -1 when r stays below the divisor.
            r += row_step_r - divisor;
            const int32_t borrow = r >> 31;
            x += row_step_q + 1 + borrow;
            r += divisor & borrow;
        }
    };
    if (inside) {
        rows(std::false_type{});
    } else {
        rows(std::true_type{});
    }
}

}  // namespace wide_line_detail

// Calls span(y, x_first, x_last) for every row of a `width` x `height` image that the line
// from `a` to `b` covers, with the first and last covered pixel of that row (inclusive,
// both inside the image). Rows come from top to bottom, one call each.
template <typename SpanFn>
void forEachWideLineSpan(PixelPos a, PixelPos b, int width, int height, SpanFn&& span) {
    constexpr double kRadius = 1.5;
    // Pixel centres never lie closer than about 1e-7 pixels to the edge of a line between
    // pixel centres of a surface of a few thousand pixels, without lying on it, and the
    // arithmetic below errs by far less: so centres on the edge count as covered.
    constexpr double kSlack = 1e-9;

    const int64_t top = std::min<int64_t>(a.y, b.y);
    const int64_t bottom = std::max<int64_t>(a.y, b.y);
    const int64_t row_first = std::max<int64_t>(top - 1, 0);
    const int64_t row_last = std::min<int64_t>(bottom + 1, int64_t{height} - 1);
    if (row_first > row_last || width <= 0) {
        return;
    }

    // The body of the line: x = a.x + u on row y = a.y + v, with
    //   0 <= u*dx + v*dy <= |d|^2        (between the ends)
    //   |u*dy - v*dx| <= 1.5 |d|         (near the line),
    // each a range of u whose ends move linearly with v: u = v*slope + offset.
    const double dx = static_cast<double>(b.x) - a.x;
    const double dy = static_cast<double>(b.y) - a.y;
    const double length_sq = dx * dx + dy * dy;
    double along_slope = 0.0;
    double along_low = -HUGE_VAL;
    double along_high = HUGE_VAL;
    double across_slope = 0.0;
    double across_half = HUGE_VAL;
    // Rows the body reaches; a vertical or horizontal line limits them instead of u.
    int64_t body_first = top - 1;
    int64_t body_last = bottom + 1;
    if (length_sq == 0.0) {
        body_first = bottom + 2;
    } else {
        if (dx != 0.0) {
            along_slope = -dy / dx;
            along_low = std::min(0.0, length_sq / dx) - kSlack;
            along_high = std::max(0.0, length_sq / dx) + kSlack;
        } else {
            body_first = top;
            body_last = bottom;
        }
        if (dy != 0.0) {
            across_slope = dx / dy;
            across_half = kRadius * std::sqrt(length_sq) / std::abs(dy) + kSlack;
        } else {
            body_first = a.y - 1;
            body_last = a.y + 1;
        }
    }
    // Beyond these, a row is off the image whatever the line does.
    const double x_min = -2.0;
    const double x_max = width + 1.0;
    const auto add_body = [&](int64_t y, int& first, int& last) {
        const double v = static_cast<double>(y - a.y);
        const double along = v * along_slope;
        const double across = v * across_slope;
        const double low = a.x + std::max(along + along_low, across - across_half);
        const double high = a.x + std::min(along + along_high, across + across_half);
        if (low <= high) {
            first = std::min(first, wide_line_detail::ceilSmall(std::clamp(low, x_min, x_max)));
            last = std::max(last, wide_line_detail::floorSmall(std::clamp(high, x_min, x_max)));
        }
    };
    const auto send_row = [&](int64_t y, int first, int last) {
        first = std::max(first, 0);
        last = std::min(last, width - 1);
        if (first <= last) {
            span(static_cast<int>(y), first, last);
        }
    };
    // Rows within a pixel of an end, where its round cap adds the 3 x 3 pixels around it.
    const auto add_ends = [&](int64_t y, int& first, int& last) {
        for (const PixelPos end : {a, b}) {
            if (y >= int64_t{end.y} - 1 && y <= int64_t{end.y} + 1) {
                first = static_cast<int>(std::clamp<int64_t>(int64_t{end.x} - 1, -1, first));
                last = static_cast<int>(std::clamp<int64_t>(int64_t{end.x} + 1, last, width));
            }
        }
    };

    // Rows two or more from both ends make up nearly all of a long line. There the ends of
    // the band near the line lie between the ends of the line (|v| >= 1.5 |dx| / |d| from
    // either end), so that band alone bounds the row.
    const int64_t middle_first = std::max(top + 2, row_first);
    const int64_t middle_last = std::min(bottom - 2, row_last);
    // Near the surface they are found in exact integers; far-off ends keep the
    // floating-point band.
    const auto near = [](PixelPos p) {
        return std::abs(int64_t{p.x}) <= wide_line_detail::kExactLimit &&
               std::abs(int64_t{p.y}) <= wide_line_detail::kExactLimit;
    };
    const bool exact = near(a) && near(b);
    for (int64_t y = row_first; y <= row_last; ++y) {
        if (y == middle_first && middle_first <= middle_last) {
            if (exact) {
                wide_line_detail::exactBandRows(a.y < b.y ? a : b, a.y < b.y ? b : a, middle_first,
                                                middle_last, width, span);
                y = middle_last + 1;
            } else {
                for (; y <= middle_last; ++y) {
                    const double centre = a.x + static_cast<double>(y - a.y) * across_slope;
                    send_row(
                        y,
                        wide_line_detail::ceilSmall(std::clamp(centre - across_half, x_min, x_max)),
                        wide_line_detail::floorSmall(
                            std::clamp(centre + across_half, x_min, x_max)));
                }
            }
            if (y > row_last) {
                break;
            }
        }
        int first = width;
        int last = -1;
        add_ends(y, first, last);
        if (y >= body_first && y <= body_last) {
            add_body(y, first, last);
        }
        send_row(y, first, last);
    }
}

}  // namespace tv
