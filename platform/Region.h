#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace platform {

// An integer rectangle: left and top inclusive, right and bottom exclusive.
struct Rect {
    int left { 0 };
    int top { 0 };
    int right { 0 };
    int bottom { 0 };

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool empty() const { return right <= left || bottom <= top; }
    bool operator==(const Rect&) const = default;
};

// A set of pixels kept as disjoint rectangles, the way a window system keeps the
// shape of a window. Rows with the same runs share one band of rectangles.
class Region {
public:
    Region() = default;

    static Region rectangle(const Rect& rect);

    // A rectangle with elliptic corners, with the conventions of the classic round-rect
    // region call: (right, bottom) lies one pixel outside the last pixel *drawn by the
    // outline*, so the region itself covers columns left .. right - 2 and rows
    // top .. bottom - 2. Each corner is cut by an ellipse of ellipse_width × ellipse_height.
    static Region round_rectangle(int left, int top, int right, int bottom,
                                  int ellipse_width, int ellipse_height);

    // The pixels of a width × height raster for which `inside(x, y)` holds.
    static Region from_mask(int width, int height, const std::function<bool(int, int)>& inside);

    bool empty() const { return m_rects.empty(); }
    bool contains(int x, int y) const;
    Rect bounds() const;
    const std::vector<Rect>& rects() const { return m_rects; }
    Region translated(int dx, int dy) const;

    bool operator==(const Region& other) const { return m_rects == other.m_rects; }

private:
    // Adds one row of runs (pairs of left, right) at y, merging it into the band above
    // when that band has the same runs.
    void append_row(int y, const std::vector<std::pair<int, int>>& runs);

    std::vector<Rect> m_rects;
    std::vector<std::pair<int, int>> m_last_runs;
    int m_last_row { 0 };
    size_t m_last_band_start { 0 };
};

}
