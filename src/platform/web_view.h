#pragma once

#include <gtkmm/widget.h>
#include <sigc++/signal.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

typedef struct _GCancellable GCancellable;

namespace quillet {
struct EngineImageFacts;
}

namespace quillet::platform {

// What all views of one window share: the network session (cookies, cache) and the web context,
// both the program's one.
class WebSession {
public:
    WebSession();
    ~WebSession();
    WebSession(const WebSession&) = delete;
    WebSession& operator=(const WebSession&) = delete;

    struct Impl;
    Impl& impl() { return *m_impl; }

private:
    std::unique_ptr<Impl> m_impl;
};

// What a page-view run reads from the page shown.
struct PageContent {
    // document.body.outerHTML; none when there is no document or no body.
    std::optional<std::string> body_html;
    // The document's base address where a <base href> makes it differ from the document's own
    // address; otherwise empty.
    std::string base_address;
};

enum class ViewContent {
    LivePages,      // the user's pages, scripts and all
    GeneratedFiles, // our local UTF-8 files made from untrusted pages: no page scripts
};

// One HTML rendering view with the members the windows use, named as the window code names them.
class WebView {
public:
    // Views given the same `process_partner` share its web process.
    WebView(WebSession& session, ViewContent content, WebView* process_partner = nullptr);
    ~WebView();
    WebView(const WebView&) = delete;
    WebView& operator=(const WebView&) = delete;

    // The widget to pack into a window; owned by this view.
    Gtk::Widget& widget();

    // When silent, the engine shows no dialogs of its own (script alerts, permission prompts).
    void set_Silent(bool silent);
    bool Silent() const;

    void set_Visible(bool visible);
    bool Visible() const;

    // The address of the page shown, or empty when nothing is loaded.
    std::string LocationURL() const;
    // The page title, or the address when the page has none.
    std::string LocationName() const;

    // Loads `address` as typed: an address without a scheme is a local file when it starts with "/",
    // otherwise it gets "http://".
    void Navigate(const std::string& address);
    // Loads a local file given by its path.
    void Navigate2(const std::string& path);
    void GoBack();
    void GoForward();
    void GoHome();
    void Stop();
    void Refresh();

    // The page GoHome loads, taken as Navigate takes an address; "about:blank" until one is set.
    void set_home_page(const std::string& address);

    // Reads the page's body and base address. A cancelled read (through `cancellable`) never calls
    // `done`.
    void read_page(GCancellable* cancellable, std::function<void(PageContent)> done);
    // Reads the page as its server sent it (for a local file, the file), decoded by the charset the
    // engine read it in, as UTF-8; none when the view shows no page or the engine kept no copy. A
    // cancelled read (through `cancellable`) never calls `done`.
    void read_served_page(GCancellable* cancellable, std::function<void(std::optional<std::string>)> done);
    // Reads what the engine knows of the page's images: the resources it loaded for the page, and,
    // through a script of ours in a world of its own (the page's scripts neither see nor change
    // it), each image element's current source and sizes, the background images computed for each
    // element and the images of same-origin frames. A cancelled read never calls `done`.
    void read_image_facts(GCancellable* cancellable, std::function<void(EngineImageFacts)> done);

    // The hovered link's address while the pointer is over a link, otherwise the load status
    // ("Opening <address>...", "Done", or the engine's error text).
    sigc::signal<void(const std::string&)>& StatusTextChange();
    // Progress and its maximum; a final negative progress after every finished load.
    sigc::signal<void(int progress, int maximum)>& ProgressChange();
    // The end of every navigation, failed or stopped ones too: once per navigation, for a failed
    // one after its error page shows. Not for an answer that is no page: the page shown stays.
    sigc::signal<void()>& DownloadComplete();
    // A new page title; a page without one reports its address when its load completes. A response
    // that is no page (one the engine would download) is refused: the page shown stays, the status
    // text names the address, its type and its size, and the shown page's title is reported again.
    sigc::signal<void(const std::string& title)>& TitleChange();

    // Whether the view is loading a page; `changed` runs whenever that changes, until the returned
    // connection is disconnected.
    bool Loading() const;
    sigc::connection connect_loading_changed(const sigc::slot<void()>& changed);
    // Whether the last navigation failed or was stopped, from its failure until the next one starts.
    bool LoadFailed() const;

    // An item of our own at the end of the engine's context menu, wherever the menu opens;
    // `activate` runs when it is chosen.
    void add_context_menu_item(const std::string& label, std::function<void()> activate);

    // A style sheet of this view alone, applied over every page it shows from the next load on;
    // with `only_file`, over that local file's page alone.
    void add_style_sheet(const std::string& css, const std::filesystem::path& only_file = {});
    // A script of the program's own for the local file `only_file`, run in a world of its own once
    // the page is parsed, from the next load on: page scripts stay as the view's content allows,
    // and the page's own script globals never meet it.
    void add_user_script(const std::string& script, const std::filesystem::path& only_file);

    // The page's magnification, 1.0 as the page is written.
    double zoom_level() const;
    void set_zoom_level(double level);

    // Finds `text` in the page, in any letter case, wrapping round at the ends, and marks every
    // match; FindResult then reports the number of matches (0 when there is none).
    void find_text(const std::string& text);
    void find_next();
    void find_previous();
    // Clears the marks of the last search.
    void end_find();
    sigc::signal<void(unsigned matches)>& FindResult();

    struct Impl;

private:
    std::unique_ptr<Impl> m_impl;
};

}
