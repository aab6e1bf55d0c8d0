#pragma once

#include "platform/glib_ptr.h"
#include "platform/web_view.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

typedef struct _WebKitDownload WebKitDownload;

namespace quillet::platform {

// How a download ended.
struct DownloadOutcome {
    bool complete = false;
    std::string failure; // why it is not complete: the engine's error or the HTTP status
    std::uint64_t bytes = 0;
    std::string type; // the Content-Type the server sent
};

// One address downloaded to a file through the window's session, so with the Browser view's
// cookies and cache. The engine overwrites the file, so `destination` must be one that the caller
// has just created for it where nobody else can swap it; one that did not complete is removed.
class WebDownload {
public:
    // `done` runs once when the download ends, a cancelled one too, unless this object went first.
    WebDownload(WebSession& session, const std::string& address, const std::filesystem::path& destination,
                std::function<void(const DownloadOutcome&)> done);
    // Cancels a download that is still running.
    ~WebDownload();
    WebDownload(const WebDownload&) = delete;
    WebDownload& operator=(const WebDownload&) = delete;

    // Stops the download; its file is removed, and `done` runs once the engine has let go of it.
    void cancel();

    struct State;

private:
    GObjectPtr<WebKitDownload> m_download;
    // Owned by the engine's download object, which may outlive this one until the engine lets go.
    State* m_state;
};

}
