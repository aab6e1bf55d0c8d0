#pragma once

#include "ui/twips.h"

namespace quillet {

// GTK reports the client area (below the menu bar, where the controls sit) while the layout rules
// are stated for the outer window. The outer size is the client size plus the frame around it. The
// window gives its content its whole width (the window manager's border lies outside the window),
// so the frame adds no width: the rules then keep every control inside the window. Above the
// client area lie the title bar and menu bar, counted as the design window counts them: its outer
// height 11790 over its client height 11100.
inline constexpr Size kFrameAllowance{0, 690};

Size outer_size_from_client(Size client_twips);
Size outer_size_from_client_pixels(Size client_pixels);

// The design-time client area of the main window.
inline constexpr Size kDesignClientSize{12135, 11100};
// The smallest client area the window allows: every control still fits inside it, the website
// button keeps some width and the views some height.
inline constexpr Size kMinimumClientSize{7200, 5400};

// Controls the layout never moves, at their design rectangles.
inline constexpr Rect kBackButtonRect{60, 60, 915, 855};
inline constexpr Rect kForwardButtonRect{1020, 60, 855, 855};
inline constexpr Rect kStopButtonRect{1920, 60, 855, 855};
inline constexpr Rect kRefreshButtonRect{2820, 60, 795, 855};
inline constexpr Rect kUpDirButtonRect{3660, 60, 855, 855};
inline constexpr Rect kSendToBrowserButtonRect{4560, 60, 915, 855};
inline constexpr Rect kUrlCaptionRect{60, 1020, 495, 285};

// The controls the layout moves or sizes, all in client twips.
struct LayoutRects {
    Rect tab_strip;
    Rect views; // the three views lie on one another
    Rect status_bar; // docked along the bottom edge, full width
    int status_panel1_width = 0;
    int status_panel2_width = 0;
    Rect progress_bar; // over status panel 2
    Rect address_box;
    Rect go_button;
    Rect website_button;

    bool operator==(const LayoutRects&) const = default;
};

// The rectangles as designed, before the first layout.
LayoutRects design_layout_rects();

// The new rectangles for a window of outer size `outer`, computed from `current` as the previous
// layout (or the design) left them. Earlier steps feed later ones, so the order of the steps is
// part of the rule. The second status panel takes the rest of the status bar, so the progress bar
// never reaches past the window's right edge.
LayoutRects LayoutControls(Size outer, const LayoutRects& current);

}
