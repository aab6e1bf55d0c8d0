#include "platform/web_view_impl.h"

namespace quillet::platform {

namespace {

gboolean on_context_menu(WebKitWebView*, WebKitContextMenu* menu, WebKitHitTestResult*, gpointer data)
{
    const auto& items = static_cast<WebView::Impl*>(data)->context_menu_items;
    if (items.empty())
        return FALSE;
    webkit_context_menu_append(menu, webkit_context_menu_item_new_separator());
    for (const ContextMenuItem& item : items)
        webkit_context_menu_append(
            menu, webkit_context_menu_item_new_from_gaction(G_ACTION(item.action->gobj()), item.label.c_str(), nullptr));
    return FALSE; // the engine shows the menu
}

}

void connect_context_menu(WebView::Impl& impl)
{
    impl.connections.push_back(connect_signal(impl.view.get(), "context-menu", on_context_menu, &impl));
}

void WebView::add_context_menu_item(const std::string& label, std::function<void()> activate)
{
    auto& items = m_impl->context_menu_items;
    auto action = Gio::SimpleAction::create("context-item-" + std::to_string(items.size()));
    action->signal_activate().connect([activate = std::move(activate)](const Glib::VariantBase&) { activate(); });
    items.push_back({label, std::move(action)});
}

}
