#include "views/page_views_output.h"

namespace quillet {

std::vector<std::string> PageViewsOutput::ResetWorkFiles() const
{
    std::vector<std::string> failures;
    for (const WorkFile file : {WorkFile::CheckImages, WorkFile::CheckImagesClean, WorkFile::Browser, WorkFile::Images}) {
        if (const Result written = write(file, {}); !written.ok())
            failures.push_back(written.failure_text());
    }
    return failures;
}

}
