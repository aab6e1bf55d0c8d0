#include "app/main_window.h"

#include "analysis/url_helpers.h"
#include "platform/string_conversions.h"

namespace quillet {

// Each view moves through its own history.
void Form1::cmbBack_Click()
{
    cmdStop_Click();
    wb(visible_view()).GoBack();
}

void Form1::cmdForward_Click()
{
    cmdStop_Click();
    wb(visible_view()).GoForward();
}

void Form1::cmdStop_Click()
{
    for (int view = 0; view < kViewCount; ++view)
        wb(view).Stop();
}

// Stop and Escape also cancel a save of all images; Back and the other buttons that stop the views
// leave it running.
void Form1::stop_everything()
{
    if (m_image_saver)
        m_image_saver->cancel();
    cmdStop_Click();
}

// The generated views are rebuilt at once for the page shown, and again when the reload completes.
void Form1::cmdRefresh_Click()
{
    cmdStop_Click();
    SelectView(kBrowserView);
    wb(kBrowserView).Refresh();
    m_page_view_driver.RefreshPageViews();
}

// The selected view stays: a page loaded behind another tab rebuilds that tab when it completes.
void Form1::cmdGo_Click()
{
    wb(kBrowserView).Navigate(platform::to_string(txtUrl.get_text()));
}

void Form1::cmdBackDir_Click()
{
    txtUrl.set_text(ParentUrl(platform::to_string(txtUrl.get_text())));
    cmdGo_Click();
    SelectView(kBrowserView);
}

// Send Page to Browser Tab: the page of the visible view opens in the "Browser" view.
void Form1::Command1_Click()
{
    cmdStop_Click();
    txtUrl.set_text(wb(visible_view()).LocationURL());
    SelectView(kBrowserView);
    wb(kBrowserView).Navigate(platform::to_string(txtUrl.get_text()));
}

// The last visible of the views, counting from the "Browser" view.
int Form1::visible_view()
{
    int visible = kBrowserView;
    for (int view = 0; view < kViewCount; ++view) {
        if (wb(view).Visible())
            visible = view;
    }
    return visible;
}

}
