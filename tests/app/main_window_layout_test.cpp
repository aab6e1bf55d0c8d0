#include "app/main_window.h"

#include "app_test_files.h"
#include "main_window_test_access.h"
#include "support/main_loop.h"
#include "support/temp_directory.h"
#include "ui/brand_identity.h"
#include "ui/program_settings.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>

namespace quillet {
namespace {

using namespace std::chrono_literals;

// Where `control` has been placed, in pixels of the client area below the menu bar, where the
// controls' container starts.
Rect placed_rect(Gtk::Widget& control)
{
    const Gtk::Allocation allocation = control.get_allocation();
    return {allocation.get_x(), allocation.get_y(), allocation.get_width(), allocation.get_height()};
}

class MainWindowLayout : public testing::TestWithParam<Size> {
protected:
    void SetUp() override
    {
        LoadBrandIdentity();
        ProgramSettings(brand_identity().ProductTitle)
            .set_home_page(test::write_page(m_pages.path() / "home.html", "Home", "<p>home</p>"));
        m_window = std::make_unique<Form1>(m_program.path());
        m_window->present();
        ASSERT_TRUE(test::pump_until([&] { return m_window->get_mapped() && m_window->get_width() > 0; }));
    }

    // Resizes the real window and waits until it has been laid out at the new size.
    void resize_window(Size pixels)
    {
        m_window->set_default_size(pixels.width, pixels.height);
        ASSERT_TRUE(test::pump_until([&] {
            return m_window->get_width() == pixels.width && m_window->get_height() == pixels.height;
        })) << m_window->get_width() << "x" << m_window->get_height();
        test::pump_for(100ms);
    }

    Size client_size()
    {
        return {m_window->get_width(), m_window->get_height() - test::controls(*m_window).menu_bar.get_height()};
    }

    test::TempDirectory m_pages;
    test::TempDirectory m_program;
    std::unique_ptr<Form1> m_window;
};

TEST_P(MainWindowLayout, AResizeLaysOutTheControlsForTheNewSize)
{
    resize_window(GetParam());

    const Size client = client_size();
    const LayoutRects expected = LayoutControls(outer_size_from_client_pixels(client), design_layout_rects());
    MainWindowControls& c = test::controls(*m_window);
    EXPECT_EQ(placed_rect(c.TabStrip1), pixels_from_twips(expected.tab_strip));
    EXPECT_EQ(placed_rect(c.txtUrl), pixels_from_twips(expected.address_box));
    EXPECT_EQ(placed_rect(c.cmdGo), pixels_from_twips(expected.go_button));
    EXPECT_EQ(placed_rect(c.cmdWebsite), pixels_from_twips(expected.website_button));
    EXPECT_EQ(placed_rect(c.sb1), pixels_from_twips(expected.status_bar));
    EXPECT_EQ(placed_rect(c.pb1), pixels_from_twips(expected.progress_bar));
    EXPECT_EQ(placed_rect(c.cmbBack), pixels_from_twips(kBackButtonRect)) << "the top row never moves";
    EXPECT_EQ(placed_rect(c.Text1), pixels_from_twips(kUrlCaptionRect));

    const Rect status_bar = placed_rect(c.sb1);
    EXPECT_EQ(status_bar.top + status_bar.height, client.height) << "docked along the bottom edge";
    const Rect progress = placed_rect(c.pb1);
    EXPECT_GE(progress.left, 0);
    EXPECT_LE(progress.left + progress.width, client.width) << "the progress bar lies wholly inside the window";
    EXPECT_LE(progress.top + progress.height, client.height);
}

// Only the visible view is allocated; each one, once shown, lies where the layout put all three.
TEST_P(MainWindowLayout, EveryViewFillsTheTabStripsPage)
{
    resize_window(GetParam());

    const Rect expected = pixels_from_twips(
        LayoutControls(outer_size_from_client_pixels(client_size()), design_layout_rects()).views);
    for (int view = 0; view < kViewCount; ++view) {
        m_window->SelectView(view);
        Gtk::Widget& shown = m_window->wb(view).widget();
        EXPECT_TRUE(test::pump_until([&] { return placed_rect(shown) == expected; })) << view;
    }
}

// Where `control` lies in the window's own coordinates.
Rect bounds_in_window(Gtk::Widget& control, Gtk::Window& window)
{
    graphene_rect_t bounds;
    if (!gtk_widget_compute_bounds(control.gobj(), GTK_WIDGET(window.gobj()), &bounds))
        return {-1, -1, 0, 0};
    return {static_cast<int>(std::lround(bounds.origin.x)), static_cast<int>(std::lround(bounds.origin.y)),
            static_cast<int>(std::lround(bounds.size.width)), static_cast<int>(std::lround(bounds.size.height))};
}

// Every control, the visible view included, lies wholly inside the window.
void expect_every_control_inside(Form1& window, const std::string& when)
{
    MainWindowControls& c = test::controls(window);
    const std::vector<std::pair<const char*, Gtk::Widget*>> controls{
        {"cmbBack", &c.cmbBack}, {"cmdForward", &c.cmdForward}, {"cmdStop", &c.cmdStop},
        {"cmdRefresh", &c.cmdRefresh}, {"cmdBackDir", &c.cmdBackDir}, {"Command1", &c.Command1},
        {"cmdWebsite", &c.cmdWebsite}, {"Text1", &c.Text1}, {"txtUrl", &c.txtUrl},
        {"cmdGo", &c.cmdGo}, {"TabStrip1", &c.TabStrip1}, {"sb1", &c.sb1}, {"pb1", &c.pb1},
        {"visible view", &window.wb(c.TabStrip1.get_current_page()).widget()},
    };
    for (const auto& [name, control] : controls) {
        const Rect bounds = bounds_in_window(*control, window);
        EXPECT_TRUE(bounds.left >= 0 && bounds.top >= 0 && bounds.left + bounds.width <= window.get_width() &&
                    bounds.top + bounds.height <= window.get_height())
            << name << " at " << bounds.left << "," << bounds.top << " " << bounds.width << "x" << bounds.height
            << " in a window of " << window.get_width() << "x" << window.get_height() << " " << when;
    }
}

// Focus in a tab or a page scrolls nothing: the toolbar row stays where the first layout put it.
void expect_focus_moves_nothing(Form1& window)
{
    MainWindowControls& c = test::controls(window);
    expect_every_control_inside(window, "after the first layout");
    const Rect toolbar = bounds_in_window(c.cmbBack, window);
    for (int view = 0; view < kViewCount; ++view) {
        c.TabStrip1.set_current_page(view);
        c.TabStrip1.grab_focus();
        test::pump_for(50ms);
        window.wb(view).widget().grab_focus();
        ASSERT_TRUE(test::pump_until([&] { return window.wb(view).widget().has_focus(); })) << view;
        test::pump_for(100ms);
        expect_every_control_inside(window, "with the focus in view " + std::to_string(view));
        EXPECT_EQ(bounds_in_window(c.cmbBack, window), toolbar) << view;
    }
}

TEST_P(MainWindowLayout, EveryControlStaysInsideWhereverTheFocusGoes)
{
    resize_window(GetParam());
    expect_focus_moves_nothing(*m_window);
}

class MainWindowFit : public MainWindowLayout {};

TEST_F(MainWindowFit, AtTheDefaultSizeEveryControlStaysInsideWhereverTheFocusGoes)
{
    test::pump_for(200ms);
    EXPECT_EQ(client_size(),
              (Size{pixels_from_twips(kDesignClientSize.width), pixels_from_twips(kDesignClientSize.height)}));
    expect_focus_moves_nothing(*m_window);
}

TEST_F(MainWindowFit, TheWindowShrinksNoFurtherThanItsControlsFit)
{
    m_window->set_default_size(200, 150);
    test::pump_for(300ms);
    EXPECT_EQ(client_size(),
              (Size{pixels_from_twips(kMinimumClientSize.width), pixels_from_twips(kMinimumClientSize.height)}));
    expect_focus_moves_nothing(*m_window);
}

INSTANTIATE_TEST_SUITE_P(WindowSizes, MainWindowLayout,
                         testing::Values(Size{1000, 760}, Size{640, 480}, Size{520, 420},
                                         Size{1200, 700}, Size{700, 780}),
                         [](const testing::TestParamInfo<Size>& info) {
                             return std::to_string(info.param.width) + "x" + std::to_string(info.param.height);
                         });

}
}
