#pragma once

#include "platform/web_view.h"
#include "support/page_probe.h"

#include <sigc++/connection.h>

#include <filesystem>
#include <optional>
#include <string>

namespace quillet::test {

// The body HTML a view shows, read as the program reads it; fails the test when no answer comes.
std::optional<std::string> body_of(platform::WebView& view);

// Counts the completed loads of one view.
class LoadCounter {
public:
    explicit LoadCounter(platform::WebView& view);
    ~LoadCounter();
    LoadCounter(const LoadCounter&) = delete;
    LoadCounter& operator=(const LoadCounter&) = delete;

    int count() const { return m_count; }
    // Pumps the main loop until the view has completed `count` loads in all; false on timeout.
    [[nodiscard]] bool wait_for(int count) const;

private:
    int m_count = 0;
    sigc::connection m_connection;
};

}
