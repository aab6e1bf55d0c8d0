#pragma once

namespace quillet::bench {

// The size a bare view is given: that of the main window's Browser view, since a narrower view
// wraps into more lines and takes longer to lay out.
struct ViewSize {
    int width = 0;
    int height = 0;
};

// The bare-view side of the start-up figure, run as a process of its own: a window with one view
// of the engine loads `address` and says "loaded" when its load has finished. Returns the exit
// status.
int load_in_a_bare_view(const char* address, ViewSize size);

}
