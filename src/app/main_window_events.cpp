#include "app/main_window.h"

#include "ui/brand_identity.h"
#include "ui/brand_texts.h"

namespace quillet {

namespace {

// The bar keeps its value within its maximum, so a maximum that shrinks below the value comes
// after the new value.
void show_progress(Gtk::LevelBar& bar, const ProgressBarState& state)
{
    if (state.maximum() < bar.get_value()) {
        bar.set_value(state.value());
        bar.set_max_value(state.maximum());
    } else {
        bar.set_max_value(state.maximum());
        bar.set_value(state.value());
    }
}

}

// Every view reports its status; only the "Browser" view drives the progress bar, the address box
// and the caption. The page-view driver follows its downloads itself.
void Form1::connect_browser_events()
{
    for (int view = 0; view < kViewCount; ++view)
        wb(view).StatusTextChange().connect(sigc::mem_fun(*this, &Form1::wb_StatusTextChange));
    wb(kBrowserView).ProgressChange().connect(sigc::mem_fun(*this, &Form1::wb_ProgressChange));
    wb(kBrowserView).TitleChange().connect(sigc::mem_fun(*this, &Form1::wb_TitleChange));
    m_page_view_driver.run_notice().connect(sigc::mem_fun(*this, &Form1::on_page_view_driver_run_notice));
}

void Form1::wb_StatusTextChange(const std::string& text)
{
    sb1.set_panel_text(1, text);
}

void Form1::wb_ProgressChange(int progress, int maximum)
{
    if (m_progress.accept(progress, maximum))
        show_progress(pb1, m_progress);
}

// The address box follows the page, overwriting whatever was being typed; the caption names the
// page by the view's location name rather than the reported title.
void Form1::wb_TitleChange(const std::string&)
{
    txtUrl.set_text(wb(kBrowserView).LocationURL());
    set_title(main_window_caption(brand_identity(), wb(kBrowserView).LocationName()));
}

void Form1::on_page_view_driver_run_notice(const std::string& message)
{
    sb1.set_panel_text(1, message);
}

}
