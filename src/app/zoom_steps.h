#pragma once

namespace quillet {

// The magnifications the zoom keys step through, as desktop browsers offer them; 1.0 is the page
// as written.
double zoomed_in(double level);
double zoomed_out(double level);

}
