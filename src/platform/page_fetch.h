#pragma once

#include <string>

namespace quillet::platform {

struct PageFetch {
    enum class Outcome { Fetched, Failed };
    Outcome outcome = Outcome::Failed;
    std::string text;    // the body as UTF-8, when fetched
    std::string address; // where the page was found, after redirects
    std::string notice;  // something the user should know about a fetched page, or empty
    std::string failure; // why there is no page: "HTTP 404 Not Found", "host not found (...)"
};

// Fetches the page at `address` (http or https), following redirects, and decodes its body with
// the charset its Content-Type names (UTF-8 when it names none). Blocks until the page is in or
// the fetch has failed; any status but 2xx is a failure.
PageFetch fetch_page(const std::string& address);

}
