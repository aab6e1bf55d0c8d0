#include "analysis/image_details.h"
#include "platform/string_conversions.h"
#include "platform/web_view_impl.h"

namespace quillet::platform {

namespace {

void on_resource_failed(WebKitWebResource* resource, GError*, gpointer data)
{
    auto& log = impl_of(data).resource_log;
    if (const auto found = log.index.find(resource); found != log.index.end())
        log.entries[found->second].failed = true;
}

void on_resource_load_started(WebKitWebView*, WebKitWebResource* resource, WebKitURIRequest*, gpointer data)
{
    auto& impl = impl_of(data);
    auto& log = impl.resource_log;
    if (log.index.contains(resource))
        return;
    // A page that keeps loading (a script polling, endless scrolling) keeps the log bounded.
    if (log.entries.size() == kImageDetailsRowBound) {
        ++log.left_out;
        return;
    }
    log.index.emplace(resource, log.entries.size());
    log.entries.push_back({add_ref(resource)});
    log.connections.push_back(connect_signal(resource, "failed", on_resource_failed, &impl));
}

LoadedResource loaded_resource(const ResourceLog::Entry& entry)
{
    LoadedResource loaded;
    loaded.url = to_string(webkit_web_resource_get_uri(entry.resource.get()));
    loaded.failed = entry.failed;
    if (WebKitURIResponse* response = webkit_web_resource_get_response(entry.resource.get())) {
        loaded.mime_type = to_string(webkit_uri_response_get_mime_type(response));
        loaded.bytes = webkit_uri_response_get_content_length(response);
        loaded.http_status = static_cast<int>(webkit_uri_response_get_status_code(response));
    }
    return loaded;
}

}

void connect_resource_events(WebView::Impl& impl)
{
    impl.connections.push_back(connect_signal(impl.view.get(), "resource-load-started", on_resource_load_started, &impl));
}

std::vector<LoadedResource> loaded_resources(const WebView::Impl& impl)
{
    std::vector<LoadedResource> resources;
    resources.reserve(impl.resource_log.entries.size());
    for (const auto& entry : impl.resource_log.entries)
        resources.push_back(loaded_resource(entry));
    return resources;
}

}
