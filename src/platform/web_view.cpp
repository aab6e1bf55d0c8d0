#include "platform/web_view.h"

#include "platform/spare_web_processes.h"
#include "platform/string_conversions.h"
#include "platform/typed_address.h"
#include "platform/web_view_impl.h"

namespace quillet::platform {

namespace {

GObjectPtr<WebKitSettings> settings_for(ViewContent content)
{
    GObjectPtr<WebKitSettings> settings(webkit_settings_new());
    switch (content) {
    case ViewContent::LivePages:
        break;
    case ViewContent::GeneratedFiles:
        // Page scripts stay off, while the program's own evaluate_javascript calls still run.
        webkit_settings_set_enable_javascript_markup(settings.get(), FALSE);
        webkit_settings_set_default_charset(settings.get(), "utf-8");
        break;
    }
    return settings;
}

// Returns a floating reference, as GTK widgets start.
WebKitWebView* new_web_view(WebSession& session, ViewContent content, WebView::Impl* process_partner)
{
    const auto settings = settings_for(content);
    // Each view has style sheets of its own, a related view too.
    const GObjectPtr<WebKitUserContentManager> content_manager(webkit_user_content_manager_new());
    // A related view shares the partner's web process, network session and context; a view of its
    // own takes over a kept process when there is one.
    GObjectPtr<WebKitWebView> spare;
    if (!process_partner)
        spare = take_spare_web_process(session.impl().network_session.get());
    if (WebKitWebView* related = process_partner ? process_partner->view.get() : spare.get())
        return WEBKIT_WEB_VIEW(g_object_new(WEBKIT_TYPE_WEB_VIEW, "related-view", related, "settings",
                                            settings.get(), "user-content-manager", content_manager.get(),
                                            nullptr));
    return WEBKIT_WEB_VIEW(g_object_new(WEBKIT_TYPE_WEB_VIEW, "network-session",
                                        session.impl().network_session.get(), "web-context",
                                        session.impl().context.get(), "settings", settings.get(),
                                        "user-content-manager", content_manager.get(), nullptr));
}

}

WebSession::WebSession()
    : m_impl(std::make_unique<Impl>())
{
    m_impl->network_session = add_ref(webkit_network_session_get_default());
    // One context for the whole program, so that a web process kept from one window serves the next.
    m_impl->context = add_ref(webkit_web_context_get_default());
}

WebSession::~WebSession() = default;

WebView::Impl::Impl(WebSession& session, ViewContent content, WebView* process_partner)
    : view(WEBKIT_WEB_VIEW(
          g_object_ref_sink(new_web_view(session, content, process_partner ? process_partner->m_impl.get() : nullptr))))
    , process_use(process_partner ? process_partner->m_impl->process_use : std::make_shared<WebProcessUse>())
    , widget(Glib::wrap(GTK_WIDGET(view.get())))
    , tracker({
          [this](const std::string& text) { status_text_change.emit(text); },
          [this](int progress, int maximum) { progress_change.emit(progress, maximum); },
          [this] {
              // A page without a title is named by its address, and the windows still hear of it.
              if (title().empty())
                  title_change.emit(address());
              download_complete.emit();
          },
      })
{
    connect_load_events(*this);
    connect_find_events(*this);
    connect_request_handlers(*this);
    connect_context_menu(*this);
    connect_resource_events(*this);
}

WebView::Impl::~Impl()
{
    if (process_use.use_count() == 1)
        keep_web_process_of(view.get());
}

std::string WebView::Impl::address() const
{
    return to_string(webkit_web_view_get_uri(view.get()));
}

std::string WebView::Impl::title() const
{
    return to_string(webkit_web_view_get_title(view.get()));
}

void WebView::Impl::load(const std::string& uri)
{
    if (!uri.empty())
        webkit_web_view_load_uri(view.get(), uri.c_str());
}

WebView::WebView(WebSession& session, ViewContent content, WebView* process_partner)
    : m_impl(std::make_unique<Impl>(session, content, process_partner))
{
}

WebView::~WebView() = default;

Gtk::Widget& WebView::widget()
{
    return *m_impl->widget;
}

void WebView::set_Silent(bool silent)
{
    m_impl->silent = silent;
}

bool WebView::Silent() const
{
    return m_impl->silent;
}

// A hidden view stays allocated, only unmapped: the engine lays out a page loaded into it at the
// view's real width, not at no width at all, where wrapped text takes a line per character.
void WebView::set_Visible(bool visible)
{
    gtk_widget_set_child_visible(GTK_WIDGET(m_impl->view.get()), visible);
}

bool WebView::Visible() const
{
    return gtk_widget_get_child_visible(GTK_WIDGET(m_impl->view.get()));
}

std::string WebView::LocationURL() const
{
    return m_impl->address();
}

std::string WebView::LocationName() const
{
    const auto title = m_impl->title();
    return title.empty() ? m_impl->address() : title;
}

void WebView::Navigate(const std::string& address)
{
    m_impl->load(uri_from_typed_address(address));
}

void WebView::Navigate2(const std::string& path)
{
    m_impl->load(uri_from_file_path(path));
}

void WebView::GoBack()
{
    if (webkit_web_view_can_go_back(m_impl->view.get()))
        webkit_web_view_go_back(m_impl->view.get());
}

void WebView::GoForward()
{
    if (webkit_web_view_can_go_forward(m_impl->view.get()))
        webkit_web_view_go_forward(m_impl->view.get());
}

void WebView::GoHome()
{
    m_impl->load(m_impl->home_uri);
}

void WebView::Stop()
{
    webkit_web_view_stop_loading(m_impl->view.get());
}

void WebView::Refresh()
{
    webkit_web_view_reload(m_impl->view.get());
}

void WebView::set_home_page(const std::string& address)
{
    const auto uri = uri_from_typed_address(address);
    m_impl->home_uri = uri.empty() ? "about:blank" : uri;
}

sigc::signal<void(const std::string&)>& WebView::StatusTextChange()
{
    return m_impl->status_text_change;
}

sigc::signal<void(int progress, int maximum)>& WebView::ProgressChange()
{
    return m_impl->progress_change;
}

sigc::signal<void()>& WebView::DownloadComplete()
{
    return m_impl->download_complete;
}

sigc::signal<void(const std::string& title)>& WebView::TitleChange()
{
    return m_impl->title_change;
}

}
