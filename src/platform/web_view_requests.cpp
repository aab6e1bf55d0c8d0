#include "platform/string_conversions.h"
#include "platform/web_view_impl.h"

namespace quillet::platform {

namespace {

// Answers script dialogs unseen: alerts are dismissed, questions declined, and leaving a page is
// always allowed, so a silent view can never be held on a page by its script.
gboolean on_script_dialog(WebKitWebView*, WebKitScriptDialog* dialog, gpointer data)
{
    if (!impl_of(data).silent)
        return FALSE;
    switch (webkit_script_dialog_get_dialog_type(dialog)) {
    case WEBKIT_SCRIPT_DIALOG_ALERT:
    case WEBKIT_SCRIPT_DIALOG_PROMPT:
        break;
    case WEBKIT_SCRIPT_DIALOG_CONFIRM:
        webkit_script_dialog_confirm_set_confirmed(dialog, FALSE);
        break;
    case WEBKIT_SCRIPT_DIALOG_BEFORE_UNLOAD_CONFIRM:
        webkit_script_dialog_confirm_set_confirmed(dialog, TRUE);
        break;
    }
    return TRUE;
}

gboolean on_permission_request(WebKitWebView*, WebKitPermissionRequest* request, gpointer data)
{
    if (!impl_of(data).silent)
        return FALSE;
    webkit_permission_request_deny(request);
    return TRUE;
}

gboolean on_file_chooser(WebKitWebView*, WebKitFileChooserRequest* request, gpointer data)
{
    if (!impl_of(data).silent)
        return FALSE;
    webkit_file_chooser_request_cancel(request);
    return TRUE;
}

gboolean on_color_chooser(WebKitWebView*, WebKitColorChooserRequest* request, gpointer data)
{
    if (!impl_of(data).silent)
        return FALSE;
    webkit_color_chooser_request_cancel(request);
    return TRUE;
}

gboolean on_authenticate(WebKitWebView*, WebKitAuthenticationRequest* request, gpointer data)
{
    if (!impl_of(data).silent)
        return FALSE;
    webkit_authentication_request_cancel(request);
    return TRUE;
}

gboolean on_print(WebKitWebView*, WebKitPrintOperation*, gpointer data)
{
    return impl_of(data).silent;
}

// Pages that ask for a new window (window.open, target="_blank") get the page in this view.
GtkWidget* on_create(WebKitWebView* view, WebKitNavigationAction* action, gpointer)
{
    const auto uri = to_string(webkit_uri_request_get_uri(webkit_navigation_action_get_request(action)));
    if (!uri.empty() && uri != "about:blank")
        webkit_web_view_load_uri(view, uri.c_str());
    return nullptr;
}

// "http://h/big.bin is no page (application/octet-stream, 104.9 MB)"
std::string not_a_page_message(WebKitURIResponse* response)
{
    const guint64 length = webkit_uri_response_get_content_length(response);
    const std::string size = length > 0 ? to_string(GCharPtr(g_format_size(length))) : "size unknown";
    const std::string type = to_string(webkit_uri_response_get_mime_type(response));
    return to_string(webkit_uri_response_get_uri(response)) + " is no page (" + (type.empty() ? "no type" : type) +
           ", " + size + ")";
}

// What the engine cannot show would become a download, written to disk unasked: the view refuses
// it, keeps the page it shows and says what the answer was.
gboolean on_decide_policy(WebKitWebView*, WebKitPolicyDecision* decision, WebKitPolicyDecisionType type, gpointer data)
{
    if (type != WEBKIT_POLICY_DECISION_TYPE_RESPONSE)
        return FALSE;
    auto* response_decision = WEBKIT_RESPONSE_POLICY_DECISION(decision);
    if (webkit_response_policy_decision_is_mime_type_supported(response_decision)
        || !webkit_response_policy_decision_is_main_frame_main_resource(response_decision))
        return FALSE;
    impl_of(data).refused_response = not_a_page_message(webkit_response_policy_decision_get_response(response_decision));
    webkit_policy_decision_ignore(decision);
    return TRUE;
}

}

void connect_request_handlers(WebView::Impl& impl)
{
    auto* view = impl.view.get();
    impl.connections.push_back(connect_signal(view, "script-dialog", on_script_dialog, &impl));
    impl.connections.push_back(connect_signal(view, "permission-request", on_permission_request, &impl));
    impl.connections.push_back(connect_signal(view, "run-file-chooser", on_file_chooser, &impl));
    impl.connections.push_back(connect_signal(view, "run-color-chooser", on_color_chooser, &impl));
    impl.connections.push_back(connect_signal(view, "authenticate", on_authenticate, &impl));
    impl.connections.push_back(connect_signal(view, "print", on_print, &impl));
    impl.connections.push_back(connect_signal(view, "create", on_create, &impl));
    impl.connections.push_back(connect_signal(view, "decide-policy", on_decide_policy, &impl));
}

}
