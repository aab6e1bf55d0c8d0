#include "app/view_switcher.h"

namespace quillet {

ViewSwitcher::ViewSwitcher(const WindowViews& views, Gtk::Notebook& tabs) : m_views(views), m_tabs(tabs) {}

void ViewSwitcher::ShowSelectedView(int index)
{
    hide_all();
    view_at(m_views, index).set_Visible(true);
    m_view_shown.emit();
}

// Selecting the tab may run TabStrip1_Click in between; the end state is the same either way.
void ViewSwitcher::SelectView(int index)
{
    hide_all();
    m_tabs.set_current_page(index);
    view_at(m_views, index).set_Visible(true);
    m_view_shown.emit();
}

void ViewSwitcher::select_neighbour_view(int step)
{
    SelectView((m_tabs.get_current_page() + step + kViewCount) % kViewCount);
}

void ViewSwitcher::TabStrip1_Click()
{
    ShowSelectedView(m_tabs.get_current_page());
}

int ViewSwitcher::visible_view() const
{
    int visible = kBrowserView;
    for (int view = 0; view < kViewCount; ++view) {
        if (view_at(m_views, view).Visible())
            visible = view;
    }
    return visible;
}

void ViewSwitcher::hide_all()
{
    for (int view = 0; view < kViewCount; ++view)
        view_at(m_views, view).set_Visible(false);
}

}
