#pragma once

#include "views/page_views_output.h"

#include <array>

namespace quillet {

// Keeps the last text a run wrote to each work file, without the disk.
class PagesInMemory : public PageViewsOutput {
public:
    Result write(WorkFile file, std::string_view text) const override;

    const std::string& text_of(WorkFile file) const;

private:
    // Written through the const interface: recording what is written is all this output does.
    mutable std::array<std::string, kAllWorkFiles.size()> m_texts;
};

}
