#pragma once

#include "platform/result.h"
#include "views/work_file.h"

#include <string>
#include <string_view>
#include <vector>

namespace quillet {

// Where a page-view run puts what it writes: the work files on disk for the window and
// quillet-scan, or memory for the bench and the fuzzer, which then run the very same steps.
class PageViewsOutput {
public:
    virtual ~PageViewsOutput() = default;

    // Replaces the whole of `file` with `text`. A failure's text names the file.
    virtual Result write(WorkFile file, std::string_view text) const = 0;

    // Empties the scratch files "checkImages.txt", "checkImagesClean.txt", "browser.txt",
    // "images.htm", in that order.
    std::vector<std::string> ResetWorkFiles() const;
};

}
