#pragma once

#include "platform/glib_ptr.h"

#include <webkit/webkit.h>

#include <memory>

namespace quillet::platform {

// The views that share one web process hold one use of it between them.
struct WebProcessUse {};

// Starting a web process takes about a second, far longer than loading a small page, so the
// process of the last view to use it stays for the next view that needs a process of its own.

// A blank view in a kept web process of `session`, to make a new view related to; null when none
// is kept. The caller's view takes the process over.
GObjectPtr<WebKitWebView> take_spare_web_process(WebKitNetworkSession* session);

// Keeps the web process of `last_user`, a view about to go away that was the last to use it.
void keep_web_process_of(WebKitWebView* last_user);

// Ends the kept processes, for settings that a web process reads only when it starts.
void drop_spare_web_processes();

}
