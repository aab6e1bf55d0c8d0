#pragma once

namespace quillet::bench {

// The bare-view side of the start-up figure, run as a process of its own: a window with one view
// of the engine loads `address` and says "loaded" when its load has finished. Returns the exit
// status.
int load_in_a_bare_view(const char* address);

}
