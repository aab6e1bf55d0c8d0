#include "app/main_window.h"

#include "app_test_files.h"
#include "main_window_test_access.h"
#include "support/main_loop.h"
#include "support/temp_directory.h"
#include "ui/brand_identity.h"
#include "ui/program_settings.h"

#include <gtest/gtest.h>

#include <array>

namespace quillet {
namespace {

// What the user sees of the views: the selected tab and which views are visible.
struct ViewState {
    int selected_tab;
    std::array<bool, kViewCount> visible;

    bool operator==(const ViewState&) const = default;
};

ViewState view_state(Form1& window)
{
    ViewState state{test::controls(window).TabStrip1.get_current_page(), {}};
    for (int view = 0; view < kViewCount; ++view)
        state.visible[view] = window.wb(view).Visible();
    return state;
}

ViewState only(int view)
{
    ViewState state{view, {}};
    state.visible[view] = true;
    return state;
}

class ViewSwitching : public testing::TestWithParam<int> {
protected:
    void SetUp() override
    {
        LoadBrandIdentity();
        m_home_page = test::write_page(m_pages.path() / "home.html", "Home", "<p>home</p>");
        ProgramSettings(brand_identity().ProductTitle).set_home_page(m_home_page);
        m_window = std::make_unique<Form1>(m_program.path());
        m_window->present();
    }

    void choose_view_menu_item(int index)
    {
        test::controls(*m_window).menu_bar.choose(Menu::View, index);
    }

    test::TempDirectory m_pages;
    test::TempDirectory m_program;
    std::string m_home_page;
    std::unique_ptr<Form1> m_window;
};

TEST_P(ViewSwitching, TabAndViewMenuEndInTheSameState)
{
    const int view = GetParam();
    const int other = (view + 1) % kViewCount;
    ASSERT_EQ(view_state(*m_window), only(kBrowserView));

    test::controls(*m_window).TabStrip1.set_current_page(view);
    EXPECT_EQ(view_state(*m_window), only(view));

    test::controls(*m_window).TabStrip1.set_current_page(other);
    EXPECT_EQ(view_state(*m_window), only(other));

    choose_view_menu_item(view);
    EXPECT_EQ(view_state(*m_window), only(view));

    choose_view_menu_item(view);
    EXPECT_EQ(view_state(*m_window), only(view));
}

TEST_P(ViewSwitching, SelectViewAndShowSelectedViewLeaveOneViewVisible)
{
    const int view = GetParam();
    m_window->SelectView(view);
    EXPECT_EQ(view_state(*m_window), only(view));

    m_window->ShowSelectedView(kBrowserView);
    EXPECT_EQ(test::controls(*m_window).TabStrip1.get_current_page(), view)
        << "ShowSelectedView leaves the tab strip alone";
    EXPECT_TRUE(m_window->wb(kBrowserView).Visible());
    EXPECT_FALSE(m_window->wb(kSourceCodeView).Visible());
    EXPECT_FALSE(m_window->wb(kImagesView).Visible());
}

TEST_P(ViewSwitching, NeitherNavigatesNorStopsTheBrowserView)
{
    bool loaded = false;
    m_window->wb(kBrowserView).DownloadComplete().connect([&] { loaded = true; });
    choose_view_menu_item(GetParam());
    ASSERT_TRUE(test::pump_until([&] { return loaded; }));
    EXPECT_EQ(m_window->wb(kBrowserView).LocationURL(), m_home_page);

    test::controls(*m_window).TabStrip1.set_current_page(kImagesView);
    choose_view_menu_item(kBrowserView);
    EXPECT_EQ(m_window->wb(kBrowserView).LocationURL(), m_home_page);
    EXPECT_EQ(m_window->wb(kImagesView).LocationURL(), "");
}

// A hidden view keeps the shown view's size, so a page loaded into it is laid out at the width it
// will be seen at.
TEST_P(ViewSwitching, OnlyTheShownViewIsMappedAndEveryViewHasItsSize)
{
    const int view = GetParam();
    m_window->SelectView(view);
    Gtk::Widget& shown = m_window->wb(view).widget();
    ASSERT_TRUE(test::pump_until([&] { return shown.get_mapped() && shown.get_width() > 0; }));

    for (int other = 0; other < kViewCount; ++other) {
        Gtk::Widget& widget = m_window->wb(other).widget();
        EXPECT_EQ(widget.get_mapped(), other == view) << other;
        EXPECT_EQ(widget.get_width(), shown.get_width()) << other;
        EXPECT_EQ(widget.get_height(), shown.get_height()) << other;
    }
}

INSTANTIATE_TEST_SUITE_P(Views, ViewSwitching, testing::Values(kBrowserView, kSourceCodeView, kImagesView));

}
}
