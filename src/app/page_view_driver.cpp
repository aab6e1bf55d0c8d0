#include "app/page_view_driver.h"

#include "platform/trace.h"
#include "views/page_views_update.h"
#include "views/served_page.h"

#include <utility>
#include <vector>

namespace quillet {

namespace {

constexpr int kGeneratedViewCount = 2;

// One line for the status bar: the first failure, and how many more there were.
std::string failure_summary(const std::vector<std::string>& failures)
{
    if (failures.empty())
        return {};
    std::string summary = "Work files: " + failures.front();
    if (failures.size() > 1)
        summary += " (and " + std::to_string(failures.size() - 1) + " more)";
    return summary;
}

std::string joined(const std::string& first, const std::string& second)
{
    if (first.empty() || second.empty())
        return first + second;
    return first + "; " + second;
}

// What the user needs to know of a run: the files it could not write, the entries it left out.
std::string notice_of(const PageViewsUpdate& update)
{
    return joined(failure_summary(update.failures), left_out_summary(update.left_out));
}

// Without the engine's copy of the page there is nothing to list or to compare.
ImageNamesDifference add_served_page(const WorkFiles& files, const std::optional<std::string>& served_text,
                                     PageViewsUpdate& update)
{
    const ServedPageWrite served =
        write_served_page(files, served_text.value_or(""), update.base_address, update.references.image_tags);
    update.left_out.links += served.left_out;
    if (!served.written.ok())
        update.failures.push_back(served.written.failure_text());
    return served_text ? served.difference : ImageNamesDifference{};
}

}

PageViewDriver::PageViewDriver(PageViews views, const WorkFiles& files, PageReferences& references,
                               Glib::RefPtr<Gio::Cancellable> window_cancellable)
    : m_views(views),
      m_files(files),
      m_references(references),
      m_window_cancellable(std::move(window_cancellable))
{
    m_window_cancelled_handler =
        m_window_cancellable->connect(sigc::mem_fun(*this, &PageViewDriver::cancel_waiting_run));
}

PageViewDriver::~PageViewDriver()
{
    m_window_cancellable->disconnect(m_window_cancelled_handler);
    cancel_waiting_run();
}

void PageViewDriver::RefreshPageViews()
{
    cancel_waiting_run();
    if (m_window_cancellable->is_cancelled())
        return;
    m_waiting_run = Gio::Cancellable::create();
    m_run_start = std::chrono::steady_clock::now();
    m_rebuilding_changed.emit();
    read_page_texts(m_views.browser, m_waiting_run->gobj(), [this](std::shared_ptr<const PageTexts> texts) {
        platform::trace_step("page read", std::chrono::steady_clock::now() - m_run_start);
        m_waiting_run.reset();
        run(*texts);
        m_page_read.emit(texts);
    });
}

// A cancelled read never answers, so the run it belonged to simply ends.
void PageViewDriver::cancel_waiting_run()
{
    if (m_waiting_run)
        m_waiting_run->cancel();
    m_waiting_run.reset();
}

// A view with nothing loaded, or a document without a body, gives an empty page; the files are
// written and the views pointed at them all the same.
void PageViewDriver::run(const PageTexts& texts)
{
    const platform::PageContent& page = texts.page;
    const auto engine_base_address =
        page.base_address.empty() ? std::nullopt : std::optional<std::string_view>(page.base_address);
    PageViewsUpdate update = update_page_views(m_files, page.body_html.value_or(""), texts.address, engine_base_address);
    for (const RunStep& step : update.steps)
        platform::trace_step(step.name, step.duration);
    m_run_page = texts.address;
    m_listings_written = true;
    // The views load while the listing they do not show is written; what the run has to say is
    // said once they have loaded.
    const bool served_shown = m_source_listing == SourceListing::AsServed;
    if (!served_shown)
        show_generated_pages();
    const auto served_start = std::chrono::steady_clock::now();
    const ImageNamesDifference difference = add_served_page(m_files, texts.served_text, update);
    platform::trace_step("served page", std::chrono::steady_clock::now() - served_start);
    m_run_references = std::move(update.references);
    m_unreported_notice = joined(notice_of(update), image_difference_summary(difference));
    if (served_shown)
        show_generated_pages();
}

// The generated views share one web process, where two pages loading at once slow each other
// down: the one the user may be looking at loads first, the other once it has finished.
void PageViewDriver::show_generated_pages()
{
    m_generated_loads_pending = kGeneratedViewCount;
    m_run_start = std::chrono::steady_clock::now();
    const bool images_first = m_views.images.Visible();
    m_view_to_show_next = images_first ? GeneratedView::SourceCode : GeneratedView::Images;
    show_generated_page(images_first ? GeneratedView::Images : GeneratedView::SourceCode);
}

void PageViewDriver::show_generated_page(GeneratedView view)
{
    if (view == GeneratedView::SourceCode)
        m_views.source_code.Navigate2(m_files.path(source_listing_file()).string());
    else
        m_views.images.Navigate2(m_files.path(WorkFile::ImagePage).string());
}

void PageViewDriver::generated_view_loaded(GeneratedView view)
{
    if (m_view_to_show_next && *m_view_to_show_next != view)
        show_generated_page(*std::exchange(m_view_to_show_next, std::nullopt));
    if (m_generated_loads_pending == 0)
        return;
    platform::trace_step(view == GeneratedView::SourceCode ? "Source Code view loaded" : "Images view loaded",
                         std::chrono::steady_clock::now() - m_run_start);
    --m_generated_loads_pending;
    if (view == GeneratedView::Images && m_run_references)
        m_references = std::move(*std::exchange(m_run_references, std::nullopt));
    if (!m_unreported_notice.empty())
        m_run_notice.emit(m_unreported_notice);
    if (m_generated_loads_pending == 0) {
        m_unreported_notice.clear();
        m_shown_page = m_run_page;
        m_rebuilding_changed.emit();
    }
}

void PageViewDriver::set_source_listing(SourceListing listing)
{
    if (std::exchange(m_source_listing, listing) == listing || !m_listings_written)
        return;
    // A "Source Code" view still waiting its turn in a run loads the chosen listing then.
    if (m_view_to_show_next != GeneratedView::SourceCode)
        show_generated_page(GeneratedView::SourceCode);
}

WorkFile PageViewDriver::source_listing_file() const
{
    return m_source_listing == SourceListing::AsServed ? WorkFile::Served : WorkFile::Source;
}

}
