#include "platform/typed_address.h"
#include "platform/web_view_impl.h"

#include <array>

namespace quillet::platform {

namespace {

// Enough for any page a person reads through; beyond it the count stops.
constexpr guint kMaxFindMatches = 10000;
constexpr guint kFindOptions = WEBKIT_FIND_OPTIONS_CASE_INSENSITIVE | WEBKIT_FIND_OPTIONS_WRAP_AROUND;

void on_counted_matches(WebKitFindController*, guint matches, gpointer data)
{
    impl_of(data).find_result.emit(matches);
}

void on_failed_to_find_text(WebKitFindController*, gpointer data)
{
    impl_of(data).find_result.emit(0);
}

WebKitFindController* find_controller(const WebView::Impl& impl)
{
    return webkit_web_view_get_find_controller(impl.view.get());
}

constexpr const char* kOwnScriptWorld = "quillet";

// The engine's allow list for user content: none (every page) for an empty path, otherwise the
// file's address alone. A path that no address can name gets a pattern that matches no page.
class AddressList {
public:
    explicit AddressList(const std::filesystem::path& file)
    {
        if (file.empty())
            return;
        m_address = uri_from_file_path(file);
        if (m_address.empty())
            m_address = "unmatched";
        m_patterns = {m_address.c_str(), nullptr};
    }
    AddressList(const AddressList&) = delete;
    AddressList& operator=(const AddressList&) = delete;

    const char* const* patterns() const { return m_patterns[0] ? m_patterns.data() : nullptr; }

private:
    std::string m_address;
    std::array<const char*, 2> m_patterns{};
};

}

void connect_find_events(WebView::Impl& impl)
{
    auto* controller = find_controller(impl);
    impl.connections.push_back(connect_signal(controller, "counted-matches", on_counted_matches, &impl));
    impl.connections.push_back(connect_signal(controller, "failed-to-find-text", on_failed_to_find_text, &impl));
}

bool WebView::Loading() const
{
    return webkit_web_view_is_loading(m_impl->view.get());
}

bool WebView::LoadFailed() const
{
    return m_impl->tracker.failed_navigation();
}

sigc::connection WebView::connect_loading_changed(const sigc::slot<void()>& changed)
{
    return m_impl->widget->connect_property_changed("is-loading", changed);
}

void WebView::add_style_sheet(const std::string& css, const std::filesystem::path& only_file)
{
    const AddressList only(only_file);
    WebKitUserStyleSheet* sheet = webkit_user_style_sheet_new(css.c_str(), WEBKIT_USER_CONTENT_INJECT_TOP_FRAME,
                                                              WEBKIT_USER_STYLE_LEVEL_USER, only.patterns(), nullptr);
    webkit_user_content_manager_add_style_sheet(webkit_web_view_get_user_content_manager(m_impl->view.get()), sheet);
    webkit_user_style_sheet_unref(sheet);
}

void WebView::add_user_script(const std::string& script, const std::filesystem::path& only_file)
{
    const AddressList only(only_file);
    WebKitUserScript* user_script =
        webkit_user_script_new_for_world(script.c_str(), WEBKIT_USER_CONTENT_INJECT_TOP_FRAME,
                                         WEBKIT_USER_SCRIPT_INJECT_AT_DOCUMENT_END, kOwnScriptWorld, only.patterns(),
                                         nullptr);
    webkit_user_content_manager_add_script(webkit_web_view_get_user_content_manager(m_impl->view.get()), user_script);
    webkit_user_script_unref(user_script);
}

double WebView::zoom_level() const
{
    return webkit_web_view_get_zoom_level(m_impl->view.get());
}

void WebView::set_zoom_level(double level)
{
    webkit_web_view_set_zoom_level(m_impl->view.get(), level);
}

// The engine finds and marks the text; the count comes separately, through FindResult.
void WebView::find_text(const std::string& text)
{
    auto* controller = find_controller(*m_impl);
    if (text.empty()) {
        webkit_find_controller_search_finish(controller);
        m_impl->find_result.emit(0);
        return;
    }
    webkit_find_controller_search(controller, text.c_str(), kFindOptions, kMaxFindMatches);
    webkit_find_controller_count_matches(controller, text.c_str(), kFindOptions, kMaxFindMatches);
}

void WebView::find_next()
{
    webkit_find_controller_search_next(find_controller(*m_impl));
}

void WebView::find_previous()
{
    webkit_find_controller_search_previous(find_controller(*m_impl));
}

void WebView::end_find()
{
    webkit_find_controller_search_finish(find_controller(*m_impl));
}

sigc::signal<void(unsigned matches)>& WebView::FindResult()
{
    return m_impl->find_result;
}

}
