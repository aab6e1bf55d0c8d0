#pragma once

// The insides of WebSession and WebView, shared by the files that implement them.

#include "platform/glib_ptr.h"
#include "platform/navigation_tracker.h"
#include "platform/spare_web_processes.h"
#include "platform/web_view.h"

#include <giomm/simpleaction.h>
#include <webkit/webkit.h>

#include <cstddef>
#include <optional>
#include <unordered_map>
#include <vector>

namespace quillet {
struct LoadedResource;
}

namespace quillet::platform {

struct WebSession::Impl {
    GObjectPtr<WebKitNetworkSession> network_session;
    GObjectPtr<WebKitWebContext> context;
};

struct ContextMenuItem {
    std::string label;
    Glib::RefPtr<Gio::SimpleAction> action;
};

// The resources the engine loads for the page shown, from its main frame's last load on.
struct ResourceLog {
    struct Entry {
        GObjectPtr<WebKitWebResource> resource;
        bool failed = false;
    };
    std::vector<Entry> entries;
    std::unordered_map<WebKitWebResource*, std::size_t> index;
    std::size_t left_out = 0;
    std::vector<SignalConnection> connections; // each entry's "failed"

    void clear() { *this = {}; }
};

struct WebView::Impl {
    Impl(WebSession& session, ViewContent content, WebView* process_partner);
    ~Impl();

    std::string address() const;
    std::string title() const;
    void load(const std::string& uri);

    GObjectPtr<WebKitWebView> view;
    // Shared with the views of the same web process.
    std::shared_ptr<WebProcessUse> process_use;
    // The gtkmm wrapper of `view`; it is deleted with the C object.
    Gtk::Widget* widget = nullptr;
    bool silent = false;
    std::string home_uri = "about:blank";

    sigc::signal<void(const std::string&)> status_text_change;
    sigc::signal<void(int, int)> progress_change;
    sigc::signal<void()> download_complete;
    sigc::signal<void(const std::string&)> title_change;
    sigc::signal<void(unsigned)> find_result;
    NavigationTracker tracker;
    // What the last response refused as no page was (its address, type and size), until its load
    // reports its end.
    std::optional<std::string> refused_response;
    std::vector<ContextMenuItem> context_menu_items;
    ResourceLog resource_log;

    // Declared last, so the handlers are disconnected before anything they use goes away.
    std::vector<SignalConnection> connections;
};

// The view an engine handler was connected for: its user data.
inline WebView::Impl& impl_of(gpointer data)
{
    return *static_cast<WebView::Impl*>(data);
}

// The handlers of the engine's load, progress, title and pointer signals (web_view_events.cpp).
void connect_load_events(WebView::Impl& impl);

// The handler that keeps the resource log, and what the log holds now (web_view_resources.cpp).
void connect_resource_events(WebView::Impl& impl);
std::vector<LoadedResource> loaded_resources(const WebView::Impl& impl);

// The handlers of the engine's find controller (web_view_page_tools.cpp).
void connect_find_events(WebView::Impl& impl);

// The handler that adds our own items to the engine's context menu (web_view_context_menu.cpp).
void connect_context_menu(WebView::Impl& impl);

// The handlers that keep a silent view free of the engine's own dialogs, that load requested new
// windows in the view itself, and that refuse a response that is no page (web_view_requests.cpp).
void connect_request_handlers(WebView::Impl& impl);

}
