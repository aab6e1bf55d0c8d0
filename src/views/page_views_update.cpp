#include "views/page_views_update.h"

#include "analysis/base_address.h"
#include "analysis/image_link_scanner.h"
#include "analysis/image_tag_scanner.h"
#include "views/image_page.h"
#include "views/source_page.h"

#include <utility>

namespace quillet {

namespace {

void note_failure(std::vector<std::string>& failures, const Result& result)
{
    if (!result.ok())
        failures.push_back(result.failure_text());
}

// Times the steps of one run one after the other.
class StepClock {
public:
    explicit StepClock(std::vector<RunStep>& steps) : m_steps(steps), m_start(std::chrono::steady_clock::now()) {}

    void step_done(const char* name)
    {
        const auto now = std::chrono::steady_clock::now();
        m_steps.push_back({name, now - m_start});
        m_start = now;
    }

private:
    std::vector<RunStep>& m_steps;
    std::chrono::steady_clock::time_point m_start;
};

std::size_t write_source_page(const PageViewsOutput& output, std::string_view page_text,
                              const PageReferences& references, std::vector<std::string>& failures)
{
    const GeneratedPage source_page = build_source_page(page_text, references);
    note_failure(failures, output.write(WorkFile::Source, source_page.html));
    return source_page.left_out;
}

}

PageScan scan_page(std::string_view page_text, std::string_view base_address)
{
    PageScan scan;
    scan.left_out += CollectImageTags(page_text, base_address, scan.references.image_tags);
    scan.left_out += CollectImageLinks(page_text, base_address, scan.references.image_links);
    return scan;
}

PageViewsUpdate update_page_views(const PageViewsOutput& output, std::string_view page_text,
                                  std::string_view page_address, std::optional<std::string_view> engine_base_address)
{
    PageViewsUpdate update;
    StepClock clock(update.steps);
    update.base_address =
        engine_base_address ? std::string(*engine_base_address) : document_base_address(page_text, page_address);
    PageScan scan = scan_page(page_text, update.base_address);
    update.references = std::move(scan.references);
    update.left_out.references = scan.left_out;
    clock.step_done("scanners");

    GeneratedPageWrite image_page = WriteImagePage(output, update.references.image_tags, page_text.size());
    update.left_out.images = image_page.left_out;
    note_failure(update.failures, image_page.written);
    clock.step_done("image page");
    update.left_out.links = write_source_page(output, page_text, update.references, update.failures);
    clock.step_done("source page");

    for (std::string& failure : output.ResetWorkFiles())
        update.failures.push_back(std::move(failure));
    clock.step_done("reset of the scratch files");
    return update;
}

}
