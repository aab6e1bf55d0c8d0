#pragma once

#include "command_line.h"

#include <string>

namespace quillet::scan {

struct PageInput {
    enum class Outcome { Read, Failed };
    Outcome outcome = Outcome::Failed;
    std::string text;         // the page text to scan
    std::string page_address; // what its references resolve against, before any <base href>
    std::string notice;       // for standard error, when something about the page is worth knowing
    std::string failure;      // why there is no page text
};

// The page that `request` names: fetched from its address, read from its file, or read from
// standard input.
PageInput read_page(const ScanRequest& request);

}
