#pragma once

#include "analysis/image_details.h"
#include "platform/web_view.h"

#include <giomm/cancellable.h>

#include <chrono>
#include <functional>
#include <optional>
#include <string>

namespace quillet {

// Reads the page a view shows three ways, as it stands now, as its server sent it, and what the
// engine did with its images, and makes its image details of them. A read asked for while another
// runs takes its place; destroying the reading drops the one that runs.
class ImageDetailsReading {
public:
    explicit ImageDetailsReading(platform::WebView& view);
    ~ImageDetailsReading();
    ImageDetailsReading(const ImageDetailsReading&) = delete;
    ImageDetailsReading& operator=(const ImageDetailsReading&) = delete;

    void start(std::function<void(ImageDetails)> done);
    bool running() const { return static_cast<bool>(m_cancellable); }

private:
    void page_read(platform::PageContent page);
    void served_page_read(std::optional<std::string> served);
    void image_facts_read(EngineImageFacts facts);

    platform::WebView& m_view;
    Glib::RefPtr<Gio::Cancellable> m_cancellable; // set while a read runs
    std::function<void(ImageDetails)> m_done;
    std::chrono::steady_clock::time_point m_start;
    std::string m_base_address;
    std::string m_page_text;
    std::optional<std::string> m_served_text;
};

}
