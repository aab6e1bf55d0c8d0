#pragma once

#include "app/find_bar.h"
#include "app/view_switcher.h"
#include "app/window_actions.h"

#include <sigc++/trackable.h>

#include <string>

namespace quillet {

// Find in page: the find bar searches the view shown when it opened, and follows the tabs while it
// is open. F3 and Shift+F3 are offered only while it is open.
class FindController : public sigc::trackable {
public:
    FindController(const WindowViews& views, const ViewSwitcher& switcher, FindBar& bar, WindowActions& actions);

    void open();
    void find_next();
    void find_previous();
    void close();

    // The view shown has changed.
    void follow_shown_view();
    // A view counted the matches of its search.
    void show_result(unsigned matches, int view);

private:
    platform::WebView& searched_view() const;
    void set_actions_enabled(bool enabled);

    const WindowViews& m_views;
    const ViewSwitcher& m_switcher;
    FindBar& m_bar;
    WindowActions& m_actions;
    int m_find_view = kBrowserView;
};

}
