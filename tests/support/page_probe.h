#pragma once

#include "platform/web_view.h"

namespace quillet::test {

// What a view's page gives a page-view run, read as the program reads it; fails the test when no
// answer comes.
platform::PageContent page_of(platform::WebView& view);

}
