#include "app/main_window.h"

#include "app/zoom_steps.h"

namespace quillet {

// The find bar searches the view shown when it opened, and follows the tabs while it is open.
void Form1::connect_find_bar()
{
    find_bar.signal_text_changed().connect([this](const std::string& text) { wb(m_find_view).find_text(text); });
    find_bar.signal_next().connect(sigc::mem_fun(*this, &Form1::find_next));
    find_bar.signal_previous().connect(sigc::mem_fun(*this, &Form1::find_previous));
    find_bar.signal_close().connect(sigc::mem_fun(*this, &Form1::close_find_bar));
    for (int view = 0; view < kViewCount; ++view)
        wb(view).FindResult().connect(sigc::bind(sigc::mem_fun(*this, &Form1::wb_FindResult), view));
    set_find_actions_enabled(false);
}

void Form1::wb_FindResult(unsigned matches, int view)
{
    if (view == m_find_view)
        find_bar.show_matches(matches);
}

void Form1::open_find_bar()
{
    follow_shown_view_with_find_bar();
    find_bar.open();
    set_find_actions_enabled(true);
}

void Form1::find_next()
{
    wb(m_find_view).find_next();
}

void Form1::find_previous()
{
    wb(m_find_view).find_previous();
}

void Form1::close_find_bar()
{
    wb(m_find_view).end_find();
    find_bar.set_visible(false);
    set_find_actions_enabled(false);
    wb(m_find_view).widget().grab_focus();
}

void Form1::follow_shown_view_with_find_bar()
{
    const int shown = visible_view();
    if (shown == m_find_view)
        return;
    if (find_bar.get_visible()) {
        wb(m_find_view).end_find();
        wb(shown).find_text(find_bar.text());
    }
    m_find_view = shown;
}

void Form1::set_find_actions_enabled(bool enabled)
{
    m_actions.set_enabled(action::kFindNext, enabled);
    m_actions.set_enabled(action::kFindPrevious, enabled);
}

// Each view keeps its own magnification.
void Form1::zoom_in()
{
    platform::WebView& view = wb(visible_view());
    view.set_zoom_level(zoomed_in(view.zoom_level()));
}

void Form1::zoom_out()
{
    platform::WebView& view = wb(visible_view());
    view.set_zoom_level(zoomed_out(view.zoom_level()));
}

void Form1::zoom_reset()
{
    wb(visible_view()).set_zoom_level(1.0);
}

}
