#include "app/page_texts_read.h"

#include <utility>

namespace quillet {

namespace {

// Shared by the two reads; the later one to answer finishes it.
struct PairRead {
    platform::WebView& view;
    std::function<void(std::shared_ptr<const PageTexts>)> done;
    std::optional<platform::PageContent> page;
    std::optional<std::optional<std::string>> served_text;

    void finish_when_both_arrived()
    {
        if (!page || !served_text)
            return;
        auto texts = std::make_shared<PageTexts>(
            PageTexts{view.LocationURL(), std::move(*page), std::move(*served_text)});
        std::exchange(done, {})(std::move(texts));
    }
};

}

void read_page_texts(platform::WebView& view, GCancellable* cancellable,
                     std::function<void(std::shared_ptr<const PageTexts>)> done)
{
    auto read = std::make_shared<PairRead>(PairRead{view, std::move(done), std::nullopt, std::nullopt});
    view.read_page(cancellable, [read](platform::PageContent page) {
        read->page = std::move(page);
        read->finish_when_both_arrived();
    });
    view.read_served_page(cancellable, [read](std::optional<std::string> served_text) {
        read->served_text = std::move(served_text);
        read->finish_when_both_arrived();
    });
}

}
