#pragma once

#include "analysis/reference_list.h"
#include "app/page_texts_read.h"
#include "platform/web_view.h"
#include "ui/program_settings.h"
#include "views/work_files.h"

#include <giomm/cancellable.h>
#include <sigc++/signal.h>
#include <sigc++/trackable.h>

#include <chrono>
#include <memory>
#include <optional>
#include <string>

namespace quillet {

// The views of one window that a page-view run reads and rebuilds.
struct PageViews {
    platform::WebView& browser;     // the page shown, read by every run
    platform::WebView& source_code; // shows "source.htm"
    platform::WebView& images;      // shows "imagepage.html"
};

// Rebuilds the "Source Code" and "Images" views for the page of the "Browser" view, after each of
// its downloads (the window connects RefreshPageViews and generated_view_loaded to the views'
// DownloadComplete) and when asked. The page text arrives asynchronously; a run asked for while
// another still waits for it takes its place, so runs never interleave and the views end showing
// the latest page. Each run also writes the page as its server sent it ("served.htm"), and the
// "Source Code" view shows whichever of the two listings is chosen. With G_MESSAGES_DEBUG=Quillet
// each step of a run is logged with its duration.
class PageViewDriver : public sigc::trackable {
public:
    // Each run replaces `references` with the page's lists once the "Images" view shows them, so
    // that they are always the lists that view shows. Cancelling `window_cancellable` (when
    // the window goes away) drops the run that waits, as does destroying the driver.
    PageViewDriver(PageViews views, const WorkFiles& files, PageReferences& references,
                   Glib::RefPtr<Gio::Cancellable> window_cancellable);
    ~PageViewDriver();
    PageViewDriver(const PageViewDriver&) = delete;
    PageViewDriver& operator=(const PageViewDriver&) = delete;

    // Writes the work files for the page shown, its references resolved against the document's base
    // address, and points the generated views at them.
    void RefreshPageViews();

    // Says what the last run could not do: the work files it could not write (they keep their
    // former content) and the entries the size bounds left out. Raised as each generated view
    // finishes loading, after the views' own status texts.
    sigc::signal<void(const std::string& message)>& run_notice() { return m_run_notice; }

    enum class GeneratedView { SourceCode, Images };
    // A generated view has finished loading.
    void generated_view_loaded(GeneratedView view);

    // The "Source Code" view turns to the chosen listing at once when a run has written them.
    void set_source_listing(SourceListing listing);
    SourceListing source_listing() const { return m_source_listing; }

    // From a run's start until both generated views have loaded what it wrote.
    bool rebuilding() const { return m_waiting_run || m_generated_loads_pending > 0; }
    // The address of the page the generated views show; empty before the first run has shown one.
    const std::string& shown_page() const { return m_shown_page; }
    // When a run starts and when its views have loaded.
    sigc::signal<void()>& rebuilding_changed() { return m_rebuilding_changed; }

    // Whether a run waits for the page's texts now.
    bool reading_page() const { return static_cast<bool>(m_waiting_run); }
    // The texts each run read, once it has used them, for whatever else lists the same page; a
    // run that another took the place of never raises it.
    sigc::signal<void(const std::shared_ptr<const PageTexts>&)>& page_read() { return m_page_read; }

private:
    void cancel_waiting_run();
    void run(const PageTexts& texts);

    void show_generated_pages();
    void show_generated_page(GeneratedView view);
    WorkFile source_listing_file() const;

    PageViews m_views;
    const WorkFiles& m_files;
    PageReferences& m_references;
    Glib::RefPtr<Gio::Cancellable> m_window_cancellable;
    gulong m_window_cancelled_handler = 0;
    Glib::RefPtr<Gio::Cancellable> m_waiting_run; // set while a run waits for its page texts
    std::chrono::steady_clock::time_point m_run_start; // of the page read, then of the views' loads

    std::string m_unreported_notice;
    int m_generated_loads_pending = 0;
    std::optional<GeneratedView> m_view_to_show_next; // waits for the other generated view to load
    SourceListing m_source_listing = SourceListing::AsRendered;
    bool m_listings_written = false;
    std::string m_run_page;  // the page of the last run
    std::string m_shown_page;
    std::optional<PageReferences> m_run_references; // the last run's lists, until the "Images" view shows them
    sigc::signal<void(const std::string&)> m_run_notice;
    sigc::signal<void()> m_rebuilding_changed;
    sigc::signal<void(const std::shared_ptr<const PageTexts>&)> m_page_read;
};

}
