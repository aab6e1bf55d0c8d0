#include "app/main_window.h"

#include "ui/website_launcher.h"

namespace quillet {

void Form1::ShowSelectedView(int index)
{
    for (int view = 0; view < kViewCount; ++view)
        wb(view).set_Visible(false);
    wb(index).set_Visible(true);
    follow_shown_view_with_find_bar();
}

// Selecting the tab may run TabStrip1_Click in between; the end state is the same either way.
void Form1::SelectView(int index)
{
    for (int view = 0; view < kViewCount; ++view)
        wb(view).set_Visible(false);
    TabStrip1.set_current_page(index);
    wb(index).set_Visible(true);
    follow_shown_view_with_find_bar();
}

// Notebook pages count from 0, so the page number is the view index.
void Form1::TabStrip1_Click()
{
    ShowSelectedView(TabStrip1.get_current_page());
}

void Form1::mnuViewItem_Click(int index)
{
    if (index > 2)
        cmdWebsite_Click();
    else
        SelectView(index);
}

void Form1::cmdWebsite_Click()
{
    WebTarget = "Website";
    load_website_launcher(LauncherDisplay::Hidden);
}

}
