#include "views/page_views_update.h"

#include "views/image_page.h"
#include "views/page_analysis.h"
#include "views/source_page.h"

#include <utility>

namespace quillet {

namespace {

void note_failure(std::vector<std::string>& failures, std::string failure)
{
    if (!failure.empty())
        failures.push_back(std::move(failure));
}

}

PageViewsUpdate update_page_views(const WorkFiles& files, std::string_view page_text, std::string_view page_address)
{
    PageViewsUpdate update;
    note_failure(update.failures, files.write(WorkFile::CheckImages, page_text));
    update.references = scan_page(page_text, page_address);
    const std::string source_page = build_source_page(page_text, update.references);
    note_failure(update.failures, WriteImagePage(files, update.references.image_tags));
    note_failure(update.failures, files.write(WorkFile::Source, source_page));
    for (std::string& failure : files.ResetWorkFiles())
        note_failure(update.failures, std::move(failure));
    return update;
}

}
