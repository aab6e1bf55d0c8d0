#pragma once

#include "platform/web_view.h"

#include <gtkmm/notebook.h>
#include <sigc++/signal.h>
#include <sigc++/trackable.h>

#include <array>
#include <memory>

namespace quillet {

// The three views of the current page; the tab number of TabStrip1 is the view index plus one.
inline constexpr int kBrowserView = 0;
inline constexpr int kSourceCodeView = 1;
inline constexpr int kImagesView = 2;
inline constexpr int kViewCount = 3;

using WindowViews = std::array<std::unique_ptr<platform::WebView>, kViewCount>;

inline platform::WebView& view_at(const WindowViews& views, int index)
{
    return *views.at(static_cast<std::size_t>(index));
}

// Which of the three views shows. The visible view is the window's only record of it; the tab
// strip selects it.
class ViewSwitcher : public sigc::trackable {
public:
    ViewSwitcher(const WindowViews& views, Gtk::Notebook& tabs);

    void ShowSelectedView(int index);
    void SelectView(int index);
    // The tabs in a ring, as Ctrl+Page Up and Page Down walk them.
    void select_neighbour_view(int step);
    // The tab strip's own click: notebook pages count from 0, so the page number is the view index.
    void TabStrip1_Click();

    // The last visible of the views, counting from the "Browser" view.
    int visible_view() const;

    // After every change of the view shown.
    sigc::signal<void()>& view_shown() { return m_view_shown; }

private:
    void hide_all();

    const WindowViews& m_views;
    Gtk::Notebook& m_tabs;
    sigc::signal<void()> m_view_shown;
};

}
