#include "app/keyboard_shortcuts.h"

#include "browsing_window.h"
#include "support/key_presses.h"
#include "support/main_loop.h"
#include "support/page_probe.h"

#include <gtest/gtest.h>
#include <gtkmm/application.h>
#include <gtkmm/filechooserdialog.h>

#include <chrono>
#include <filesystem>

namespace quillet {
namespace {

using namespace std::chrono_literals;

// What a key is expected to do: the command of a button or menu item.
enum class Command {
    FocusAddress, Back, Forward, Refresh, Stop, Open, Exit, ViewBrowser, ViewSourceCode, ViewImages,
    PreviousView, NextView, Help, ZoomIn, ZoomOut, ZoomReset,
};

struct KeyCase {
    std::string key; // as the toolkit writes accelerators; "button 8" is the mouse's back button
    Command command;
};

std::ostream& operator<<(std::ostream& out, const KeyCase& key_case)
{
    return out << key_case.key;
}

bool visible_toplevel(const std::string& title)
{
    for (Gtk::Window* window : Gtk::Window::list_toplevels()) {
        if (window->get_visible() && (title.empty() ? dynamic_cast<Gtk::FileChooserDialog*>(window) != nullptr
                                                    : window->get_title().raw() == title))
            return true;
    }
    return false;
}

// The window in a running program's application, whose keys are the program's.
class KeyboardShortcuts : public test::BrowsingWindow, public testing::WithParamInterface<KeyCase> {
protected:
    void SetUp() override
    {
        BrowsingWindow::SetUp();
        ASSERT_TRUE(m_application->register_application());
        install_keyboard_shortcuts(*m_application);
        m_application->add_window(window());
    }

    // Exit has already ended the window, and taken it out of the application.
    void TearDown() override
    {
        if (GTK_IS_WINDOW(window().gobj()) && window().get_application())
            m_application->remove_window(window());
    }

    // Presses the key of the case, or clicks the mouse button, with the focus where a reader
    // of the page has it: in the shown view.
    void press(const KeyCase& key_case)
    {
        Gtk::Widget& view = window().wb(controls().TabStrip1.get_current_page()).widget();
        view.grab_focus();
        if (key_case.key == "button 8" || key_case.key == "button 9")
            ASSERT_TRUE(test::click_mouse_button(view, key_case.key == "button 8" ? 8 : 9));
        else
            ASSERT_TRUE(test::press_keys(window(), key_case.key));
    }

    // Two pages in the "Browser" view's history, the second one shown.
    void load_two_pages()
    {
        enter_address(m_first = serve_page("/first.html", "First", "<p>first</p>"));
        ASSERT_TRUE(wait_for_page_views());
        enter_address(m_second = serve_page("/second.html", "Second", "<p>second</p>"));
        ASSERT_TRUE(wait_for_page_views());
    }

    void expect_only_view(int view)
    {
        EXPECT_EQ(controls().TabStrip1.get_current_page(), view);
        for (int other = 0; other < kViewCount; ++other)
            EXPECT_EQ(window().wb(other).Visible(), other == view) << other;
    }

    Glib::RefPtr<Gtk::Application> m_application =
        Gtk::Application::create("org.example.quillet.keys", Gio::Application::Flags::NON_UNIQUE);
    std::string m_first;
    std::string m_second;
};

// The same checks as the buttons' and menu items' own tests, reached through the keys.
TEST_P(KeyboardShortcuts, EachKeyRunsTheCommandOfItsButtonOrMenuItem)
{
    const KeyCase& key_case = GetParam();
    switch (key_case.command) {
    case Command::FocusAddress:
        controls().txtUrl.set_text("http://example.org/");
        press(key_case);
        // The entry's text field is what takes the focus.
        EXPECT_TRUE(test::pump_until([&] {
            Gtk::Widget* focus = window().get_focus();
            return focus && focus->is_ancestor(controls().txtUrl);
        }));
        {
            int start = 0;
            int end = 0;
            EXPECT_TRUE(controls().txtUrl.get_selection_bounds(start, end));
            EXPECT_EQ(start, 0);
            EXPECT_EQ(end, static_cast<int>(controls().txtUrl.get_text().size()));
        }
        break;
    case Command::Back:
        load_two_pages();
        press(key_case);
        EXPECT_TRUE(test::pump_until([&] { return window().wb(kBrowserView).LocationURL() == m_first; }));
        break;
    case Command::Forward:
        load_two_pages();
        window().activate_action(action::kBack);
        ASSERT_TRUE(test::pump_until([&] { return window().wb(kBrowserView).LocationURL() == m_first; }));
        ASSERT_TRUE(wait_for_page_views());
        press(key_case);
        EXPECT_TRUE(test::pump_until([&] { return window().wb(kBrowserView).LocationURL() == m_second; }));
        break;
    case Command::Refresh:
        enter_address(serve_page("/news.html", "News", "<p>morning edition</p>"));
        ASSERT_TRUE(wait_for_page_views());
        window().SelectView(kImagesView);
        press(key_case);
        EXPECT_TRUE(test::pump_until([&] { return m_server.requests("/news.html") == 2; }));
        expect_only_view(kBrowserView);
        break;
    case Command::Stop:
        enter_address(serve_page("/news.html", "News", "<p>news</p>"));
        ASSERT_TRUE(wait_for_page_views());
        m_server.serve("/slow.html", "text/html", "<html><body>slow</body></html>", 5s);
        window().wb(kBrowserView).Navigate(m_server.address("/slow.html"));
        ASSERT_TRUE(test::pump_until([&] { return m_server.requests("/slow.html") == 1; }));
        ASSERT_TRUE(test::pump_until([&] { return window().wb(kBrowserView).Loading(); }));
        press(key_case);
        EXPECT_TRUE(test::pump_until([&] { return !window().wb(kBrowserView).Loading(); }, 2s))
            << "a stopped load ends at once";
        EXPECT_EQ(window().wb(kBrowserView).LocationURL(), m_server.address("/news.html"));
        break;
    case Command::Open:
        press(key_case);
        EXPECT_TRUE(test::pump_until([] { return visible_toplevel(""); }));
        break;
    case Command::Exit:
        press(key_case);
        EXPECT_TRUE(test::pump_until([&] { return !window().get_visible(); }));
        break;
    case Command::ViewBrowser:
        window().SelectView(kImagesView);
        press(key_case);
        expect_only_view(kBrowserView);
        break;
    case Command::ViewSourceCode:
        press(key_case);
        expect_only_view(kSourceCodeView);
        break;
    case Command::ViewImages:
        press(key_case);
        expect_only_view(kImagesView);
        break;
    case Command::PreviousView:
        press(key_case);
        expect_only_view(kImagesView);
        break;
    case Command::NextView:
        window().SelectView(kSourceCodeView);
        press(key_case);
        expect_only_view(kImagesView);
        break;
    case Command::ZoomIn:
    case Command::ZoomOut:
    case Command::ZoomReset: {
        window().SelectView(kSourceCodeView);
        window().wb(kSourceCodeView).set_zoom_level(1.5);
        press(key_case);
        const double expected = key_case.command == Command::ZoomIn    ? 1.75
                                : key_case.command == Command::ZoomOut ? 1.25
                                                                       : 1.0;
        EXPECT_NEAR(window().wb(kSourceCodeView).zoom_level(), expected, 0.001);
        EXPECT_NEAR(window().wb(kBrowserView).zoom_level(), 1.0, 0.001) << "each view keeps its own zoom";
        EXPECT_NEAR(window().wb(kImagesView).zoom_level(), 1.0, 0.001);
        break;
    }
    case Command::Help:
        std::filesystem::copy_file(QUILLET_HELP_RTF, m_program.path() / "Help.rtf");
        press(key_case);
        EXPECT_TRUE(test::pump_until([] { return visible_toplevel("Readme/Help"); }));
        break;
    }
}

INSTANTIATE_TEST_SUITE_P(Keys, KeyboardShortcuts,
                         testing::Values(KeyCase{"<Control>l", Command::FocusAddress},
                                         KeyCase{"<Alt>d", Command::FocusAddress},
                                         KeyCase{"F6", Command::FocusAddress},
                                         KeyCase{"<Alt>Left", Command::Back},
                                         KeyCase{"button 8", Command::Back},
                                         KeyCase{"<Alt>Right", Command::Forward},
                                         KeyCase{"button 9", Command::Forward},
                                         KeyCase{"F5", Command::Refresh},
                                         KeyCase{"<Control>r", Command::Refresh},
                                         KeyCase{"Escape", Command::Stop},
                                         KeyCase{"<Control>o", Command::Open},
                                         KeyCase{"<Control>q", Command::Exit},
                                         KeyCase{"<Control>w", Command::Exit},
                                         KeyCase{"<Control>1", Command::ViewBrowser},
                                         KeyCase{"<Control>2", Command::ViewSourceCode},
                                         KeyCase{"<Control>3", Command::ViewImages},
                                         KeyCase{"<Control>Page_Up", Command::PreviousView},
                                         KeyCase{"<Control>Page_Down", Command::NextView},
                                         KeyCase{"F1", Command::Help},
                                         KeyCase{"<Control>plus", Command::ZoomIn},
                                         KeyCase{"<Control>minus", Command::ZoomOut},
                                         KeyCase{"<Control>0", Command::ZoomReset}),
                         [](const testing::TestParamInfo<KeyCase>& info) {
                             std::string name;
                             for (const char c : info.param.key) {
                                 if (std::isalnum(static_cast<unsigned char>(c)))
                                     name += c;
                             }
                             return name;
                         });

class FindInPage : public KeyboardShortcuts {
protected:
    void type_in_find_bar(const std::string& text, const std::string& expected_result)
    {
        FindBar& find_bar = controls().find_bar;
        find_bar.set_text(text);
        EXPECT_TRUE(test::pump_until([&] { return find_bar.result_text() == expected_result; }))
            << text << ": " << find_bar.result_text();
    }
};

TEST_F(FindInPage, CountsTheMatchesInTheSourceCodeTabAndClosesWithEscape)
{
    enter_address(serve_page("/birds.html", "Birds", "<p>kestrel</p><p>Kestrel</p><p>a kestrel's nest</p>"));
    ASSERT_TRUE(wait_for_page_views());
    window().SelectView(kSourceCodeView);

    press({"<Control>f", Command::FocusAddress});
    ASSERT_TRUE(controls().find_bar.get_visible());
    type_in_find_bar("kestrel", "3 matches");
    type_in_find_bar("nest", "1 match");
    type_in_find_bar("osprey", "No match");
    type_in_find_bar("kestrel", "3 matches");
    EXPECT_TRUE(window().action_enabled("win.find-next"));
    EXPECT_TRUE(test::press_keys(window(), "F3"));
    EXPECT_TRUE(test::press_keys(window(), "<Shift>F3"));

    EXPECT_TRUE(test::press_keys(window(), "Escape"));
    EXPECT_TRUE(test::pump_until([&] { return !controls().find_bar.get_visible(); }));
    EXPECT_FALSE(window().action_enabled("win.find-next"));
}

// The engine leaves Ctrl+End and Ctrl+Home to editors; in the listing they reach its ends, through
// blocks of lines never laid out.
TEST_F(FindInPage, ControlEndAndControlHomeReachTheListingsEnds)
{
    std::string lines;
    for (int line = 0; line < 5000; ++line)
        lines += "line " + std::to_string(line) + "\n";
    enter_address(serve_page("/lines.html", "Lines", lines + "the last line"));
    ASSERT_TRUE(wait_for_page_views());
    window().SelectView(kSourceCodeView);
    platform::WebView& source_code = window().wb(kSourceCodeView);
    const auto holds = [&](const char* condition) {
        return test::pump_until([&] { return test::script_text(source_code, condition) == "true"; });
    };

    press({"<Control>End", Command::FocusAddress});
    EXPECT_TRUE(holds("String(scrollY > 0 && scrollY + innerHeight >= document.documentElement.scrollHeight)"));
    press({"<Control>Home", Command::FocusAddress});
    EXPECT_TRUE(holds("String(scrollY == 0)"));
}

}
}
