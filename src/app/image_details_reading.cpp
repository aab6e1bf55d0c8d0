#include "app/image_details_reading.h"

#include "analysis/all_images_scanner.h"
#include "analysis/base_address.h"
#include "platform/trace.h"

#include <string_view>
#include <utility>

namespace quillet {

namespace {

ImageDetails details_of(const PageTexts& texts, const EngineImageFacts& facts)
{
    std::optional<NamedImages> served;
    if (texts.served_text)
        served = CollectNamedImages(*texts.served_text, document_base_address(*texts.served_text, texts.address));
    const platform::PageContent& page = texts.page;
    const std::string_view page_text = page.body_html ? std::string_view(*page.body_html) : std::string_view();
    const std::string& base_address = page.base_address.empty() ? texts.address : page.base_address;
    return BuildImageDetails(CollectNamedImages(page_text, base_address), served, facts);
}

}

ImageDetailsReading::ImageDetailsReading(platform::WebView& view, PageViewDriver& driver)
    : m_view(view)
    , m_driver(driver)
    , m_driver_connection(driver.page_read().connect(sigc::mem_fun(*this, &ImageDetailsReading::driver_page_read)))
{
}

ImageDetailsReading::~ImageDetailsReading()
{
    m_driver_connection.disconnect();
    cancel();
}

// A cancelled read never answers, so the read it replaces simply ends.
void ImageDetailsReading::cancel()
{
    if (m_cancellable)
        m_cancellable->cancel();
    m_cancellable.reset();
    m_waiting_for_driver = false;
    m_texts.reset();
    m_facts.reset();
}

// The three reads are independent round trips to the engine, so all are asked for at once.
void ImageDetailsReading::start(Texts texts, std::function<void(std::string, ImageDetails)> done)
{
    cancel();
    m_cancellable = Gio::Cancellable::create();
    m_done = std::move(done);
    m_start = std::chrono::steady_clock::now();
    m_address = m_view.LocationURL();
    if (m_driver.reading_page()) {
        m_waiting_for_driver = true;
    } else if (texts == Texts::Kept && kept_texts_current()) {
        m_texts = m_kept_texts;
    } else {
        read_page_texts(m_view, m_cancellable->gobj(), [this](std::shared_ptr<const PageTexts> read) {
            m_kept_texts = read;
            m_texts = std::move(read);
            build_when_all_arrived();
        });
    }
    m_view.read_image_facts(m_cancellable->gobj(), [this](EngineImageFacts facts) {
        platform::trace_step("image facts read", std::chrono::steady_clock::now() - m_start);
        m_facts = std::move(facts);
        build_when_all_arrived();
    });
}

// Every finished load starts a run of the driver, whose texts then replace these; a load under
// way may already show another document at the same address.
bool ImageDetailsReading::kept_texts_current() const
{
    return m_kept_texts && !m_view.Loading() && m_kept_texts->address == m_view.LocationURL();
}

void ImageDetailsReading::driver_page_read(const std::shared_ptr<const PageTexts>& texts)
{
    m_kept_texts = texts;
    if (!std::exchange(m_waiting_for_driver, false))
        return;
    m_texts = texts;
    build_when_all_arrived();
}

void ImageDetailsReading::build_when_all_arrived()
{
    if (!m_texts || !m_facts)
        return;
    // The view went on to another page meanwhile: its load's end reads that one, and a page that
    // changed its address without loading is read again.
    const std::string address = m_view.LocationURL();
    if (m_texts->address != address || m_address != address) {
        cancel();
        if (!m_view.Loading())
            start(Texts::Fresh, std::exchange(m_done, {}));
        return;
    }
    const auto start = std::chrono::steady_clock::now();
    ImageDetails details = details_of(*m_texts, *m_facts);
    platform::trace_step("image details", std::chrono::steady_clock::now() - start);
    cancel();
    // Last: `done` may start the next read.
    std::exchange(m_done, {})(address, std::move(details));
}

}
