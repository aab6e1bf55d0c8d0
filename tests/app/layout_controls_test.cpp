#include "app/layout_controls.h"

#include <gtest/gtest.h>

#include <vector>

namespace quillet {
namespace {

constexpr Size kDesignOuterSize{12375, 11790};

TEST(LayoutControls, DesignWindowGivesTheWorkedExample)
{
    const LayoutRects rects = LayoutControls(kDesignOuterSize, design_layout_rects());

    EXPECT_EQ(rects.tab_strip, (Rect{25, 1380, 12325, 9295}));
    EXPECT_EQ(rects.views, (Rect{125, 1780, 12075, 8795}));
    EXPECT_EQ(rects.status_bar, (Rect{0, 10785, 12375, 315}));
    EXPECT_EQ(rects.status_panel1_width, 9281);
    EXPECT_EQ(rects.status_panel2_width, 12375 - 9281);
    EXPECT_EQ(rects.progress_bar, (Rect{9331, 10775, 2994, 295}));
    EXPECT_EQ(rects.address_box, (Rect{540, 960, 10540, 315}));
    EXPECT_EQ(rects.go_button, (Rect{11130, 960, 1095, 315}));
    EXPECT_EQ(rects.website_button, (Rect{5520, 60, 6705, 855}));
}

// The window gives its content its whole width; only the title and menu bars add height.
TEST(LayoutControls, OuterSizeAddsTheBarsAboveTheClientAreaButNoWidth)
{
    EXPECT_EQ(outer_size_from_client(kDesignClientSize), (Size{12135, 11790}));
    EXPECT_EQ(outer_size_from_client_pixels({809, 740}), (Size{12135, 11790}));
}

bool inside(const Rect& rect, Size client)
{
    return rect.left >= 0 && rect.top >= 0 && rect.width >= 0 && rect.height >= 0 &&
           rect.left + rect.width <= client.width && rect.top + rect.height <= client.height;
}

TEST(LayoutControls, EveryControlLiesInsideTheClientAreaFromTheMinimumSizeUp)
{
    for (int width = kMinimumClientSize.width; width <= 30000; width += 15) {
        for (int height :
             {kMinimumClientSize.height, kMinimumClientSize.height + 15, kDesignClientSize.height, 20000}) {
            const Size client{width, height};
            const LayoutRects rects = LayoutControls(outer_size_from_client(client), design_layout_rects());
            const Rect moved[] = {rects.tab_strip, rects.views, rects.status_bar, rects.progress_bar,
                                  rects.address_box, rects.go_button, rects.website_button};
            for (const Rect& rect : moved)
                ASSERT_TRUE(inside(rect, client)) << width << "x" << height;
            const Rect fixed[] = {kBackButtonRect, kForwardButtonRect, kStopButtonRect, kRefreshButtonRect,
                                  kUpDirButtonRect, kSendToBrowserButtonRect, kUrlCaptionRect};
            for (const Rect& rect : fixed)
                ASSERT_TRUE(inside(rect, client)) << width << "x" << height;
            ASSERT_GT(rects.website_button.width, 0) << width;
            ASSERT_GT(rects.views.height, 0) << height;
            ASSERT_LE(rects.tab_strip.top + rects.tab_strip.height, rects.status_bar.top) << height;
        }
    }
}

TEST(LayoutControls, MinimisedWindowKeepsEverySizeNonNegative)
{
    const LayoutRects rects = LayoutControls(outer_size_from_client({0, 0}), design_layout_rects());

    EXPECT_EQ(rects.tab_strip, (Rect{25, 1380, 50, 1805}));
    EXPECT_EQ(rects.views, (Rect{125, 1780, 200, 1305}));
    EXPECT_EQ(rects.status_bar, (Rect{0, -315, 0, 315}));
    EXPECT_EQ(rects.status_panel1_width, 0);
    EXPECT_EQ(rects.status_panel2_width, 0);
    EXPECT_EQ(rects.progress_bar, (Rect{50, -325, 0, 295}));
    EXPECT_EQ(rects.address_box.width, 1835);
    EXPECT_EQ(rects.website_button.width, 5670);
    EXPECT_EQ(rects.go_button.left, 540 + 1835 + 50);
}

TEST(LayoutControls, RestoringAfterMinimiseLaysOutAsBefore)
{
    const LayoutRects before = LayoutControls(kDesignOuterSize, design_layout_rects());
    const LayoutRects minimised = LayoutControls(outer_size_from_client({0, 0}), before);

    EXPECT_EQ(LayoutControls(kDesignOuterSize, minimised), before);
}

TEST(LayoutControls, NarrowWindowAddressBoxGrowsAgainAsTheWindowShrinks)
{
    struct Case {
        int outer_width;
        int address_width;
    };
    const std::vector<Case> cases = {
        {1835, 0},     // exactly address box left + Go width + 200
        {1335, 500},   // 500 narrower
        {835, 1000},   // 1000 narrower: wider again
        {0, 1835},     // no client area at all
    };
    for (const Case& c : cases) {
        const LayoutRects rects = LayoutControls({c.outer_width, kDesignOuterSize.height}, design_layout_rects());
        EXPECT_EQ(rects.address_box.width, c.address_width) << c.outer_width;
        EXPECT_EQ(rects.go_button.left, 540 + c.address_width + 50) << c.outer_width;
    }
}

TEST(LayoutControls, ProgressBarStaysInsideTheWindowAtEveryWidth)
{
    for (int client_width = 0; client_width <= 30000; client_width += 15) {
        const Size outer = outer_size_from_client({client_width, 9000});
        const LayoutRects rects = LayoutControls(outer, design_layout_rects());

        EXPECT_GE(rects.progress_bar.width, 0) << client_width;
        EXPECT_GE(rects.status_panel2_width, 0) << client_width;
        if (rects.progress_bar.width > 0) {
            EXPECT_LE(rects.progress_bar.left + rects.progress_bar.width, client_width) << client_width;
        }
        if (rects.status_panel2_width > 0) {
            EXPECT_EQ(rects.status_panel1_width + rects.status_panel2_width, client_width) << client_width;
        }
    }
}

TEST(LayoutControls, KeepsWhatTheRulesDoNotChange)
{
    LayoutRects current = design_layout_rects();
    current.tab_strip.top = 1500;
    current.address_box = {700, 1000, 10, 400};
    current.go_button = {1, 1000, 900, 400};
    current.website_button = {6000, 70, 10, 800};

    const LayoutRects rects = LayoutControls(kDesignOuterSize, current);

    EXPECT_EQ(rects.tab_strip.top, 1500);
    EXPECT_EQ(rects.views.top, 1900);
    EXPECT_EQ(rects.address_box, (Rect{700, 1000, 12375 - 700 - 900 - 200, 400}));
    EXPECT_EQ(rects.go_button, (Rect{700 + 10575 + 50, 1000, 900, 400}));
    EXPECT_EQ(rects.website_button, (Rect{6000, 70, 12375 - 6000 - 150, 800}));
}

TEST(LayoutControls, RepeatedLayoutOfOneSizeIsStable)
{
    const Size outer = outer_size_from_client({20000, 15000});
    const LayoutRects once = LayoutControls(outer, design_layout_rects());

    EXPECT_EQ(LayoutControls(outer, once), once);
}

TEST(TwipConversion, RoundsToTheNearestPixel)
{
    struct Case {
        int twips;
        int pixels;
    };
    const std::vector<Case> cases = {
        {0, 0}, {7, 0}, {8, 1}, {15, 1}, {12135, 809}, {-325, -22}, {-7, 0}, {-8, -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(pixels_from_twips(c.twips), c.pixels) << c.twips;

    EXPECT_EQ(twips_from_pixels(809), 12135);
    EXPECT_EQ(pixels_from_twips(Rect{9331, 10775, 2754, 295}), (Rect{622, 718, 184, 20}));
}

}
}
