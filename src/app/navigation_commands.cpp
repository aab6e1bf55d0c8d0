#include "app/navigation_commands.h"

#include "analysis/url_helpers.h"
#include "platform/string_conversions.h"

namespace quillet {

NavigationCommands::NavigationCommands(const WindowViews& views, ViewSwitcher& switcher, Gtk::Entry& address_box,
                                       PageViewDriver& page_view_driver, ImageSaveSession& image_saving)
    : m_views(views),
      m_switcher(switcher),
      m_address_box(address_box),
      m_page_view_driver(page_view_driver),
      m_image_saving(image_saving)
{
}

// Each view moves through its own history.
void NavigationCommands::cmbBack_Click()
{
    cmdStop_Click();
    view(m_switcher.visible_view()).GoBack();
}

void NavigationCommands::cmdForward_Click()
{
    cmdStop_Click();
    view(m_switcher.visible_view()).GoForward();
}

void NavigationCommands::cmdStop_Click()
{
    for (int index = 0; index < kViewCount; ++index)
        view(index).Stop();
}

// Back and the other buttons that stop the views leave a save of all images running.
void NavigationCommands::stop_everything()
{
    m_image_saving.cancel();
    cmdStop_Click();
}

// The generated views are rebuilt at once for the page shown, and again when the reload completes.
void NavigationCommands::cmdRefresh_Click()
{
    cmdStop_Click();
    m_switcher.SelectView(kBrowserView);
    view(kBrowserView).Refresh();
    m_page_view_driver.RefreshPageViews();
}

// The selected view stays: a page loaded behind another tab rebuilds that tab when it completes.
void NavigationCommands::cmdGo_Click()
{
    view(kBrowserView).Navigate(platform::to_string(m_address_box.get_text()));
}

void NavigationCommands::cmdBackDir_Click()
{
    m_address_box.set_text(ParentUrl(platform::to_string(m_address_box.get_text())));
    cmdGo_Click();
    m_switcher.SelectView(kBrowserView);
}

// Send Page to Browser Tab: the page of the visible view opens in the "Browser" view.
void NavigationCommands::Command1_Click()
{
    cmdStop_Click();
    m_address_box.set_text(view(m_switcher.visible_view()).LocationURL());
    m_switcher.SelectView(kBrowserView);
    view(kBrowserView).Navigate(platform::to_string(m_address_box.get_text()));
}

}
