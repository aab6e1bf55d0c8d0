#pragma once

#include "platform/web_view.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace quillet {

// The page a view shows, as it stands now and as its server sent it.
struct PageTexts {
    std::string address; // the view's address as both texts had arrived
    platform::PageContent page;
    std::optional<std::string> served_text; // none when the engine kept no copy
};

// Asks for both texts at once, so that each reads the same page, and answers once both have
// arrived. A cancelled read (through `cancellable`) never calls `done`.
void read_page_texts(platform::WebView& view, GCancellable* cancellable,
                     std::function<void(std::shared_ptr<const PageTexts>)> done);

}
