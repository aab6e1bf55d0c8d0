#include "app/layout_controls.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace quillet {

namespace {

constexpr int kStatusBarHeight = 315;

Size client_size_from_outer(Size outer)
{
    return {std::max(0, outer.width - kFrameAllowance.width), std::max(0, outer.height - kFrameAllowance.height)};
}

Rect docked_status_bar(Size outer, int height)
{
    const Size client = client_size_from_outer(outer);
    return {0, client.height - height, client.width, height};
}

void stretch_tab_strip(Size outer, LayoutRects& rects)
{
    Rect& tabs = rects.tab_strip;
    tabs.left = 25;
    tabs.height = std::abs(outer.height - tabs.top - rects.status_bar.height - 800);
    tabs.width = std::abs(outer.width - 2 * tabs.left);
}

void fit_views_into_tab_strip(LayoutRects& rects)
{
    const Rect& tabs = rects.tab_strip;
    rects.views = {std::abs(tabs.left + 100), std::abs(tabs.top + 400), std::abs(tabs.width - 250),
                   std::abs(tabs.height - 500)};
}

void split_status_bar(Size outer, LayoutRects& rects)
{
    rects.status_panel1_width = static_cast<int>(std::lround(outer.width * 0.75));
    rects.status_panel2_width = std::max(0, rects.status_bar.width - rects.status_panel1_width);
}

void place_progress_bar(LayoutRects& rects)
{
    const Rect& status = rects.status_bar;
    rects.progress_bar = {status.left + rects.status_panel1_width + 50, status.top - 10,
                          std::max(0, rects.status_panel2_width - 100), status.height - 20};
}

void stretch_address_row(Size outer, LayoutRects& rects)
{
    rects.address_box.width = std::abs(outer.width - rects.address_box.left - rects.go_button.width - 200);
    rects.website_button.width = std::abs(outer.width - rects.website_button.left - 150);
    rects.go_button.left = rects.address_box.width + rects.address_box.left + 50;
}

}

Size outer_size_from_client(Size client_twips)
{
    return {client_twips.width + kFrameAllowance.width, client_twips.height + kFrameAllowance.height};
}

Size outer_size_from_client_pixels(Size client_pixels)
{
    return outer_size_from_client({twips_from_pixels(client_pixels.width), twips_from_pixels(client_pixels.height)});
}

LayoutRects design_layout_rects()
{
    LayoutRects rects;
    rects.tab_strip = {0, 1380, 10215, 7875};
    rects.status_bar = {0, kDesignClientSize.height - kStatusBarHeight, kDesignClientSize.width, kStatusBarHeight};
    rects.address_box = {540, 960, 2715, 315};
    rects.go_button = {3600, 960, 1095, 315};
    rects.website_button = {5520, 60, 3495, 855};
    return rects;
}

LayoutRects LayoutControls(Size outer, const LayoutRects& current)
{
    LayoutRects rects = current;
    rects.status_bar = docked_status_bar(outer, current.status_bar.height);
    stretch_tab_strip(outer, rects);
    fit_views_into_tab_strip(rects);
    split_status_bar(outer, rects);
    place_progress_bar(rects);
    stretch_address_row(outer, rects);
    return rects;
}

}
