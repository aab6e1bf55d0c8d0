#pragma once

#include <string>

namespace quillet {

// What the website launcher opens: a caller sets it to "Website" before loading the launcher, which
// clears it once it has handed the address over. Any other value opens nothing.
extern std::string WebTarget;

enum class LauncherDisplay { Hidden, Shown };

// Loads the launcher window frmWebsite, which opens the product web site in the default browser and
// unloads itself a second later. While it is loaded, a further request opens nothing and leaves
// WebTarget as the caller set it. A shown launcher keeps the program running until it unloads.
void load_website_launcher(LauncherDisplay display);

// Whether the launcher is loaded, and whether it is loaded and shown.
bool website_launcher_loaded();
bool website_launcher_visible();

}
