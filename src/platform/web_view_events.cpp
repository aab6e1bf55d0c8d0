#include "platform/string_conversions.h"
#include "platform/web_view_impl.h"

#include <utility>

namespace quillet::platform {

namespace {

std::string escaped(const std::string& text)
{
    return to_string(GCharPtr(g_markup_escape_text(text.c_str(), -1)));
}

// Without a title of its own, so that the window names the page by its address.
std::string error_page_html(const std::string& address, const std::string& message)
{
    return "<html><body><p>Cannot open " + escaped(address) + "</p><p>" + escaped(message) + "</p></body></html>";
}

void load_error_page(WebKitWebView* view, const std::string& address, const std::string& message)
{
    webkit_web_view_load_alternate_html(view, error_page_html(address, message).c_str(), address.c_str(), nullptr);
}

constexpr const char* kRefusedAddressMessage = "Not allowed to use restricted network port";

// A response refused as no page ends its navigation with the page shown unchanged: the status
// says what the answer was, and once the load has ended (the view's address is the shown page's
// again) the windows hear the page's title again, so that the address box returns to it.
void end_refused_response(WebView::Impl& impl)
{
    if (!impl.refused_response)
        return;
    impl.tracker.refused(*std::exchange(impl.refused_response, std::nullopt));
    impl.title_change.emit(impl.title().empty() ? impl.address() : impl.title());
}

// A refused address fails like any other: the user sees why, and the address stays in the view.
void finish_load(WebView::Impl& impl)
{
    end_refused_response(impl);
    const std::optional<std::string> refused = impl.tracker.refused_address(impl.address());
    if (refused && impl.tracker.failed(kRefusedAddressMessage, ErrorPage::Follows) == ErrorPage::Follows) {
        impl.tracker.finished();
        load_error_page(impl.view.get(), *refused, kRefusedAddressMessage);
        return;
    }
    impl.tracker.finished();
}

void on_load_changed(WebKitWebView*, WebKitLoadEvent event, gpointer data)
{
    auto& impl = impl_of(data);
    switch (event) {
    case WEBKIT_LOAD_STARTED:
        impl.refused_response.reset(); // the answer to this load is still to come
        impl.resource_log.clear();
        impl.tracker.started(impl.address());
        break;
    case WEBKIT_LOAD_REDIRECTED:
        impl.tracker.redirected(impl.address());
        break;
    case WEBKIT_LOAD_COMMITTED:
        break;
    case WEBKIT_LOAD_FINISHED:
        finish_load(impl);
        break;
    }
}

// A stopped load, or a response handed to a download or ignored, leaves the page as it was.
bool deserves_error_page(const GError* error)
{
    return !g_error_matches(error, WEBKIT_NETWORK_ERROR, WEBKIT_NETWORK_ERROR_CANCELLED)
           && !g_error_matches(error, WEBKIT_POLICY_ERROR, WEBKIT_POLICY_ERROR_FRAME_LOAD_INTERRUPTED_BY_POLICY_CHANGE);
}

// The view shows its own error page rather than the engine's, so that the tracker knows the load
// of that page is coming and completes the navigation only after it.
gboolean on_load_failed(WebKitWebView* view, WebKitLoadEvent, char* failing_uri, GError* error, gpointer data)
{
    auto& impl = impl_of(data);
    if (impl.refused_response) {
        impl.tracker.refused(*impl.refused_response);
        return TRUE;
    }
    const auto wanted = deserves_error_page(error) ? ErrorPage::Follows : ErrorPage::None;
    if (impl.tracker.failed(error->message, wanted) == ErrorPage::Follows)
        load_error_page(view, to_string(failing_uri), error->message);
    return TRUE;
}

std::string termination_message(WebKitWebProcessTerminationReason reason)
{
    std::string message;
    switch (reason) {
    case WEBKIT_WEB_PROCESS_CRASHED:
        message = "The page's web process crashed";
        break;
    case WEBKIT_WEB_PROCESS_EXCEEDED_MEMORY_LIMIT:
        message = "The page used too much memory and was closed";
        break;
    case WEBKIT_WEB_PROCESS_TERMINATED_BY_API:
        message = "The page was closed";
        break;
    }
    return message;
}

void on_web_process_terminated(WebKitWebView*, WebKitWebProcessTerminationReason reason, gpointer data)
{
    impl_of(data).tracker.process_ended(termination_message(reason));
}

void on_progress_changed(WebKitWebView* view, GParamSpec*, gpointer data)
{
    impl_of(data).tracker.progressed(webkit_web_view_get_estimated_load_progress(view));
}

// The engine clears the title when a new page comes; only real titles are reported here, and a
// page without one is reported when its load completes.
void on_title_changed(WebKitWebView*, GParamSpec*, gpointer data)
{
    auto& impl = impl_of(data);
    const auto title = impl.title();
    if (!title.empty())
        impl.title_change.emit(title);
}

void on_mouse_target_changed(WebKitWebView*, WebKitHitTestResult* hit, guint, gpointer data)
{
    const bool over_link = webkit_hit_test_result_context_is_link(hit);
    impl_of(data).tracker.hovered(over_link ? to_string(webkit_hit_test_result_get_link_uri(hit)) : std::string());
}

}

void connect_load_events(WebView::Impl& impl)
{
    auto* view = impl.view.get();
    impl.connections.push_back(connect_signal(view, "load-changed", on_load_changed, &impl));
    impl.connections.push_back(connect_signal(view, "load-failed", on_load_failed, &impl));
    impl.connections.push_back(connect_signal(view, "web-process-terminated", on_web_process_terminated, &impl));
    impl.connections.push_back(connect_signal(view, "notify::estimated-load-progress", on_progress_changed, &impl));
    impl.connections.push_back(connect_signal(view, "notify::title", on_title_changed, &impl));
    impl.connections.push_back(connect_signal(view, "mouse-target-changed", on_mouse_target_changed, &impl));
}

}
