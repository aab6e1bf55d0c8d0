#include "app/find_controller.h"

#include "app/window_commands.h"

namespace quillet {

FindController::FindController(const WindowViews& views, const ViewSwitcher& switcher, FindBar& bar,
                               WindowActions& actions)
    : m_views(views), m_switcher(switcher), m_bar(bar), m_actions(actions)
{
    m_bar.signal_text_changed().connect([this](const std::string& text) { searched_view().find_text(text); });
    m_bar.signal_next().connect(sigc::mem_fun(*this, &FindController::find_next));
    m_bar.signal_previous().connect(sigc::mem_fun(*this, &FindController::find_previous));
    m_bar.signal_close().connect(sigc::mem_fun(*this, &FindController::close));
}

void FindController::open()
{
    follow_shown_view();
    m_bar.open();
    set_actions_enabled(true);
}

void FindController::find_next()
{
    searched_view().find_next();
}

void FindController::find_previous()
{
    searched_view().find_previous();
}

void FindController::close()
{
    searched_view().end_find();
    m_bar.set_visible(false);
    set_actions_enabled(false);
    searched_view().widget().grab_focus();
}

void FindController::follow_shown_view()
{
    const int shown = m_switcher.visible_view();
    if (shown == m_find_view)
        return;
    if (m_bar.get_visible()) {
        searched_view().end_find();
        view_at(m_views, shown).find_text(m_bar.text());
    }
    m_find_view = shown;
}

void FindController::show_result(unsigned matches, int view)
{
    if (view == m_find_view)
        m_bar.show_matches(matches);
}

platform::WebView& FindController::searched_view() const
{
    return view_at(m_views, m_find_view);
}

void FindController::set_actions_enabled(bool enabled)
{
    m_actions.set_enabled(action::kFindNext, enabled);
    m_actions.set_enabled(action::kFindPrevious, enabled);
}

}
