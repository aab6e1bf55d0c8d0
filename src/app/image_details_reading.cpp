#include "app/image_details_reading.h"

#include "analysis/all_images_scanner.h"
#include "analysis/base_address.h"
#include "platform/trace.h"

#include <chrono>
#include <utility>

namespace quillet {

ImageDetailsReading::ImageDetailsReading(platform::WebView& view)
    : m_view(view)
{
}

ImageDetailsReading::~ImageDetailsReading()
{
    if (m_cancellable)
        m_cancellable->cancel();
}

// A cancelled read never answers, so the read it replaces simply ends.
void ImageDetailsReading::start(std::function<void(ImageDetails)> done)
{
    if (m_cancellable)
        m_cancellable->cancel();
    m_cancellable = Gio::Cancellable::create();
    m_done = std::move(done);
    m_start = std::chrono::steady_clock::now();
    m_view.read_page(m_cancellable->gobj(), [this](platform::PageContent page) { page_read(std::move(page)); });
}

void ImageDetailsReading::page_read(platform::PageContent page)
{
    m_page_text = page.body_html.value_or("");
    m_base_address = page.base_address.empty() ? m_view.LocationURL() : page.base_address;
    m_view.read_served_page(m_cancellable->gobj(),
                            [this](std::optional<std::string> served) { served_page_read(std::move(served)); });
}

void ImageDetailsReading::served_page_read(std::optional<std::string> served)
{
    m_served_text = std::move(served);
    m_view.read_image_facts(m_cancellable->gobj(), [this](EngineImageFacts facts) { image_facts_read(std::move(facts)); });
}

void ImageDetailsReading::image_facts_read(EngineImageFacts facts)
{
    platform::trace_step("image facts read", std::chrono::steady_clock::now() - m_start);
    const auto start = std::chrono::steady_clock::now();
    std::optional<NamedImages> served;
    if (m_served_text)
        served = CollectNamedImages(*m_served_text, document_base_address(*m_served_text, m_view.LocationURL()));
    ImageDetails details = BuildImageDetails(CollectNamedImages(m_page_text, m_base_address), served, facts);
    platform::trace_step("image details", std::chrono::steady_clock::now() - start);
    m_cancellable.reset();
    m_page_text.clear();
    m_served_text.reset();
    // Last: `done` may start the next read.
    std::exchange(m_done, {})(std::move(details));
}

}
