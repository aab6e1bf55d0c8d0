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

std::size_t write_source_page(const WorkFiles& files, std::string_view page_text, const PageReferences& references,
                              std::vector<std::string>& failures)
{
    const GeneratedPage source_page = build_source_page(page_text, references);
    note_failure(failures, files.write(WorkFile::Source, source_page.html));
    return source_page.left_out;
}

}

PageViewsUpdate update_page_views(const WorkFiles& files, std::string_view page_text, std::string_view base_address)
{
    PageViewsUpdate update;
    note_failure(update.failures, files.write(WorkFile::CheckImages, page_text));
    PageScan scan = scan_page(page_text, base_address);
    update.references = std::move(scan.references);
    update.left_out.references = scan.left_out;

    GeneratedPageWrite image_page = WriteImagePage(files, update.references.image_tags, page_text.size());
    update.left_out.images = image_page.left_out;
    note_failure(update.failures, std::move(image_page.failure));
    update.left_out.links = write_source_page(files, page_text, update.references, update.failures);

    for (std::string& failure : files.ResetWorkFiles())
        note_failure(update.failures, std::move(failure));
    return update;
}

}
