#include "platform/spare_web_processes.h"

#include <algorithm>
#include <vector>

namespace quillet::platform {

namespace {

// A main window's views use two web processes.
constexpr std::size_t kMostKept = 2;

// Never destroyed: the kept processes end with the program, and no view is finalized after GTK is
// gone.
std::vector<GObjectPtr<WebKitWebView>>& kept_views()
{
    static auto* kept = new std::vector<GObjectPtr<WebKitWebView>>;
    return *kept;
}

}

GObjectPtr<WebKitWebView> take_spare_web_process(WebKitNetworkSession* session)
{
    auto& kept = kept_views();
    const auto found = std::find_if(kept.begin(), kept.end(), [session](const GObjectPtr<WebKitWebView>& view) {
        return webkit_web_view_get_network_session(view.get()) == session;
    });
    if (found == kept.end())
        return nullptr;
    GObjectPtr<WebKitWebView> spare = std::move(*found);
    kept.erase(found);
    return spare;
}

void keep_web_process_of(WebKitWebView* last_user)
{
    auto& kept = kept_views();
    if (kept.size() >= kMostKept)
        kept.erase(kept.begin());
    // A view that never loads anything holds its related view's process and nothing else.
    kept.push_back(GObjectPtr<WebKitWebView>(WEBKIT_WEB_VIEW(
        g_object_ref_sink(g_object_new(WEBKIT_TYPE_WEB_VIEW, "related-view", last_user, nullptr)))));
}

void drop_spare_web_processes()
{
    kept_views().clear();
}

}
