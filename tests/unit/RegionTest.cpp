#include "platform/Region.h"

#include <gtest/gtest.h>

using platform::Rect;
using platform::Region;

TEST(Region, RoundRectangleWithTheExtraPixelCoversTheWholeWindowButItsCorners)
{
    // As the window is shaped: (0, 0) to (width + 1, height + 1) with a 9 × 9 ellipse.
    Region r = Region::round_rectangle(0, 0, 373, 551, 9, 9);
    EXPECT_EQ(r.bounds(), (Rect { 0, 0, 372, 550 }));

    // The middle of every edge, the last column and the last row are inside.
    EXPECT_TRUE(r.contains(186, 0));
    EXPECT_TRUE(r.contains(186, 549));
    EXPECT_TRUE(r.contains(0, 275));
    EXPECT_TRUE(r.contains(371, 275));
    EXPECT_FALSE(r.contains(372, 275));
    EXPECT_FALSE(r.contains(186, 550));

    // Each corner is cut the same way, mirrored.
    struct Cut { int x, y; bool inside; };
    for (Cut c : { Cut { 0, 0, false }, Cut { 1, 0, false }, Cut { 2, 0, true }, Cut { 0, 1, false },
                   Cut { 1, 1, true }, Cut { 0, 2, true }, Cut { 4, 4, true } }) {
        EXPECT_EQ(r.contains(c.x, c.y), c.inside) << c.x << "," << c.y;
        EXPECT_EQ(r.contains(371 - c.x, c.y), c.inside) << "top right " << c.x << "," << c.y;
        EXPECT_EQ(r.contains(c.x, 549 - c.y), c.inside) << "bottom left " << c.x << "," << c.y;
        EXPECT_EQ(r.contains(371 - c.x, 549 - c.y), c.inside) << "bottom right " << c.x << "," << c.y;
    }
}

TEST(Region, RoundRectangleKeepsBandsCompact)
{
    Region r = Region::round_rectangle(0, 0, 373, 551, 9, 9);
    // Corner rows differ, the long middle is one band.
    EXPECT_LE(r.rects().size(), 9u);
}

TEST(Region, DegenerateRoundRectanglesAreEmptyOrPlain)
{
    EXPECT_TRUE(Region::round_rectangle(0, 0, 1, 1, 9, 9).empty());
    EXPECT_TRUE(Region::round_rectangle(5, 5, 5, 20, 3, 3).empty());
    // No ellipse: a plain rectangle one pixel short of the corner given.
    EXPECT_EQ(Region::round_rectangle(0, 0, 11, 6, 0, 0), Region::rectangle({ 0, 0, 10, 5 }));
    // Swapped corners are put in order.
    EXPECT_EQ(Region::round_rectangle(11, 6, 0, 0, 0, 0), Region::rectangle({ 0, 0, 10, 5 }));
}

TEST(Region, FromMaskKeepsExactlyTheMarkedPixels)
{
    const char* rows[] = {
        "..##..",
        ".####.",
        ".####.",
        "#....#",
    };
    Region r = Region::from_mask(6, 4, [&](int x, int y) { return rows[y][x] == '#'; });
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x)
            EXPECT_EQ(r.contains(x, y), rows[y][x] == '#') << x << "," << y;
    EXPECT_EQ(r.rects().size(), 4u); // rows 1 and 2 share a band
    EXPECT_EQ(r.bounds(), (Rect { 0, 0, 6, 4 }));
}

TEST(Region, EmptyMaskAndTranslation)
{
    EXPECT_TRUE(Region::from_mask(5, 5, [](int, int) { return false; }).empty());
    Region moved = Region::rectangle({ 0, 0, 2, 2 }).translated(10, -3);
    EXPECT_EQ(moved.bounds(), (Rect { 10, -3, 12, -1 }));
    EXPECT_TRUE(moved.contains(11, -2));
}
