#pragma once

#include "analysis/image_details.h"
#include "app/page_texts_read.h"
#include "app/page_view_driver.h"
#include "platform/web_view.h"

#include <giomm/cancellable.h>
#include <sigc++/connection.h>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace quillet {

// Reads the page a view shows three ways, as it stands now, as its server sent it, and what the
// engine did with its images, and makes its image details of them. The first two it takes from
// the page-view driver's run when one reads the page or has read the page shown, since the
// driver reads them after every load anyway. A read asked for while another runs takes its
// place; destroying the reading drops the one that runs.
class ImageDetailsReading {
public:
    ImageDetailsReading(platform::WebView& view, PageViewDriver& driver);
    ~ImageDetailsReading();
    ImageDetailsReading(const ImageDetailsReading&) = delete;
    ImageDetailsReading& operator=(const ImageDetailsReading&) = delete;

    // `Kept` takes the texts the driver last read when they are of the page shown; `Fresh` reads
    // them again unless a run of the driver reads them now.
    enum class Texts { Kept, Fresh };
    // `done` gets the address of the page the details are of.
    void start(Texts texts, std::function<void(std::string address, ImageDetails)> done);
    bool running() const { return static_cast<bool>(m_cancellable); }

private:
    void cancel();
    bool kept_texts_current() const;
    void driver_page_read(const std::shared_ptr<const PageTexts>& texts);
    void build_when_all_arrived();

    platform::WebView& m_view;
    PageViewDriver& m_driver;
    sigc::connection m_driver_connection;
    std::shared_ptr<const PageTexts> m_kept_texts; // the latest read, the driver's or our own

    Glib::RefPtr<Gio::Cancellable> m_cancellable; // set while a read runs
    std::function<void(std::string, ImageDetails)> m_done;
    std::chrono::steady_clock::time_point m_start;
    std::string m_address; // the view's as the read started
    bool m_waiting_for_driver = false;
    std::shared_ptr<const PageTexts> m_texts;
    std::optional<EngineImageFacts> m_facts;
};

}
