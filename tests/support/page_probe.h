#pragma once

#include "platform/web_view.h"

#include <filesystem>
#include <optional>
#include <string>

namespace quillet::test {

// What a view's page gives a page-view run, read as the program reads it; fails the test when no
// answer comes.
platform::PageContent page_of(platform::WebView& view);

// What `script` gives as text, run in the page's own world; none when it fails or gives no text.
// Fails the test when no answer comes.
std::optional<std::string> script_text(platform::WebView& view, const std::string& script);

// The address a view shows for a local file, as the program writes it.
std::string file_uri(const std::filesystem::path& path);

}
