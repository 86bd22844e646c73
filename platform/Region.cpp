#include "platform/Region.h"

#include <algorithm>
#include <cmath>

namespace platform {

Region Region::rectangle(const Rect& rect)
{
    Region region;
    if (!rect.empty())
        region.m_rects.push_back(rect);
    return region;
}

Region Region::round_rectangle(int left, int top, int right, int bottom,
                               int ellipse_width, int ellipse_height)
{
    if (right < left)
        std::swap(left, right);
    if (bottom < top)
        std::swap(top, bottom);
    const int width = right - left - 1;
    const int height = bottom - top - 1;
    if (width <= 0 || height <= 0)
        return {};

    const double rx = std::clamp(ellipse_width, 0, width) / 2.0;
    const double ry = std::clamp(ellipse_height, 0, height) / 2.0;

    // How many pixels a corner ellipse takes off row y (0-based within the rectangle):
    // a pixel stays when its centre lies inside the ellipse.
    auto inset_of_row = [&](int y) -> int {
        if (rx <= 0 || ry <= 0)
            return 0;
        double cy = y + 0.5;
        if (cy >= ry && cy <= height - ry)
            return 0;
        double dy = cy < ry ? ry - cy : cy - (height - ry);
        double t = 1.0 - (dy * dy) / (ry * ry);
        if (t <= 0)
            return static_cast<int>(std::ceil(rx));
        double dx = rx * std::sqrt(t);
        // Smallest x whose centre satisfies rx - (x + 0.5) <= dx.
        return std::max(0, static_cast<int>(std::ceil(rx - dx - 0.5 - 1e-9)));
    };

    Region region;
    for (int y = 0; y < height; ++y) {
        int inset = inset_of_row(y);
        if (2 * inset >= width)
            continue;
        region.append_row(top + y, { { left + inset, left + width - inset } });
    }
    return region;
}

Region Region::from_mask(int width, int height, const std::function<bool(int, int)>& inside)
{
    Region region;
    std::vector<std::pair<int, int>> runs;
    for (int y = 0; y < height; ++y) {
        runs.clear();
        int x = 0;
        while (x < width) {
            while (x < width && !inside(x, y))
                ++x;
            if (x == width)
                break;
            int start = x;
            while (x < width && inside(x, y))
                ++x;
            runs.emplace_back(start, x);
        }
        if (!runs.empty())
            region.append_row(y, runs);
    }
    return region;
}

void Region::append_row(int y, const std::vector<std::pair<int, int>>& runs)
{
    bool continues_band = !m_rects.empty() && m_last_row == y - 1 && runs == m_last_runs;
    if (continues_band) {
        for (size_t i = m_last_band_start; i < m_rects.size(); ++i)
            m_rects[i].bottom = y + 1;
    } else {
        m_last_band_start = m_rects.size();
        for (auto [l, r] : runs)
            m_rects.push_back({ l, y, r, y + 1 });
        m_last_runs = runs;
    }
    m_last_row = y;
}

bool Region::contains(int x, int y) const
{
    return std::any_of(m_rects.begin(), m_rects.end(), [&](const Rect& r) {
        return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
    });
}

Rect Region::bounds() const
{
    if (m_rects.empty())
        return {};
    Rect b = m_rects.front();
    for (const Rect& r : m_rects) {
        b.left = std::min(b.left, r.left);
        b.top = std::min(b.top, r.top);
        b.right = std::max(b.right, r.right);
        b.bottom = std::max(b.bottom, r.bottom);
    }
    return b;
}

Region Region::translated(int dx, int dy) const
{
    Region moved = *this;
    for (Rect& r : moved.m_rects)
        r = { r.left + dx, r.top + dy, r.right + dx, r.bottom + dy };
    moved.m_last_row += dy;
    for (auto& run : moved.m_last_runs)
        run = { run.first + dx, run.second + dx };
    return moved;
}

}
