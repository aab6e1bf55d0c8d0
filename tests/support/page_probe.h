#pragma once

#include "platform/web_view.h"

#include <filesystem>
#include <string>

namespace quillet::test {

// What a view's page gives a page-view run, read as the program reads it; fails the test when no
// answer comes.
platform::PageContent page_of(platform::WebView& view);

// The address a view shows for a local file, as the program writes it.
std::string file_uri(const std::filesystem::path& path);

}
