#include "views/page_views_output.h"

namespace quillet {

std::vector<std::string> PageViewsOutput::ResetWorkFiles() const
{
    std::vector<std::string> failures;
    for (const WorkFile file : {WorkFile::CheckImages, WorkFile::CheckImagesClean, WorkFile::Browser, WorkFile::Images}) {
        if (std::string failure = write(file, {}); !failure.empty())
            failures.push_back(std::move(failure));
    }
    return failures;
}

}
