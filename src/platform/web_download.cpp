#include "platform/web_download.h"

#include "platform/string_conversions.h"
#include "platform/web_view_impl.h"

#include <system_error>

namespace quillet::platform {

struct WebDownload::State {
    std::filesystem::path destination;
    std::function<void(const DownloadOutcome&)> done;
    std::string failure;
    bool ended = false;
};

namespace {

using State = WebDownload::State;

State& state_of(gpointer data)
{
    return *static_cast<State*>(data);
}

gboolean on_decide_destination(WebKitDownload* download, gchar*, gpointer data)
{
    webkit_download_set_allow_overwrite(download, TRUE);
    webkit_download_set_destination(download, state_of(data).destination.c_str());
    return TRUE;
}

void on_failed(WebKitDownload*, GError* error, gpointer data)
{
    state_of(data).failure = error ? error->message : "download failed";
}

// An error page saved as the image is no image, whether or not the engine reported it.
std::string http_failure(WebKitURIResponse* response, const std::string& engine_failure)
{
    const guint status = response ? webkit_uri_response_get_status_code(response) : 0;
    if (status < 400)
        return engine_failure;
    const std::string code = "HTTP " + std::to_string(status);
    return engine_failure.empty() ? code : code + " " + engine_failure;
}

std::string content_type(WebKitURIResponse* response)
{
    if (!response)
        return {};
    SoupMessageHeaders* headers = webkit_uri_response_get_http_headers(response);
    const char* sent = headers ? soup_message_headers_get_one(headers, "Content-Type") : nullptr;
    return to_string(sent ? sent : webkit_uri_response_get_mime_type(response));
}

// The engine reports "failed" before "finished", and "finished" after every end, a cancel too.
void on_finished(WebKitDownload* download, gpointer data)
{
    State& state = state_of(data);
    state.ended = true;
    WebKitURIResponse* response = webkit_download_get_response(download);
    DownloadOutcome outcome;
    outcome.failure = http_failure(response, state.failure);
    outcome.complete = outcome.failure.empty() && state.done;
    outcome.bytes = webkit_download_get_received_data_length(download);
    outcome.type = content_type(response);
    if (!outcome.complete) {
        std::error_code ignored;
        std::filesystem::remove(state.destination, ignored);
    }
    if (state.done)
        std::exchange(state.done, nullptr)(outcome);
}

void delete_state(gpointer data)
{
    delete static_cast<State*>(data);
}

}

WebDownload::WebDownload(WebSession& session, const std::string& address, const std::filesystem::path& destination,
                         std::function<void(const DownloadOutcome&)> done)
    : m_download(webkit_network_session_download_uri(session.impl().network_session.get(), address.c_str()))
    , m_state(new State{destination, std::move(done), {}, false})
{
    WebKitDownload* download = m_download.get();
    // The handlers and their state live as long as the engine's object does, so a cancelled
    // download still removes its file when it ends.
    g_signal_connect(download, "decide-destination", G_CALLBACK(on_decide_destination), m_state);
    g_signal_connect(download, "failed", G_CALLBACK(on_failed), m_state);
    g_signal_connect_data(download, "finished", G_CALLBACK(on_finished), m_state,
                          reinterpret_cast<GClosureNotify>(+[](gpointer data, GClosure*) { delete_state(data); }),
                          GConnectFlags(0));
}

WebDownload::~WebDownload()
{
    m_state->done = nullptr;
    cancel();
}

void WebDownload::cancel()
{
    if (!m_state->ended)
        webkit_download_cancel(m_download.get());
}

}
