#include "browsing_window.h"

#include "app_test_files.h"
#include "support/key_presses.h"
#include "support/main_loop.h"

#include <gdkmm/clipboard.h>
#include <gdkmm/display.h>
#include <gtkmm/popovermenu.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <optional>
#include <set>
#include <string>

namespace quillet {
namespace {

using namespace std::chrono_literals;
using test::BrowsingWindow;

class ImageSaving : public BrowsingWindow {
protected:
    // Loads a page of these image tags and waits until its views show.
    void load_images(const std::string& tags)
    {
        enter_address(serve_page("/page.html", "Images", tags));
        ASSERT_TRUE(wait_for_page_views());
    }

    std::set<std::string> saved_files() const
    {
        std::set<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(m_folder.path()))
            names.insert(entry.path().filename().string());
        return names;
    }

    std::string saved(const std::string& name) const { return test::read_file(m_folder.path() / name); }

    test::TempDirectory m_folder;
};

// The labels of a menu and of its sections, each with the action it runs.
void collect_items(GMenuModel* menu, std::map<std::string, std::string>& items)
{
    for (int i = 0; i < g_menu_model_get_n_items(menu); ++i) {
        gchar* label = nullptr;
        gchar* action = nullptr;
        g_menu_model_get_item_attribute(menu, i, G_MENU_ATTRIBUTE_LABEL, "s", &label);
        g_menu_model_get_item_attribute(menu, i, G_MENU_ATTRIBUTE_ACTION, "s", &action);
        if (label)
            items[label] = action ? action : "";
        g_free(label);
        g_free(action);
        for (const char* link : {G_MENU_LINK_SECTION, G_MENU_LINK_SUBMENU}) {
            if (GMenuModel* linked = g_menu_model_get_item_link(menu, i, link)) {
                collect_items(linked, items);
                g_object_unref(linked);
            }
        }
    }
}

Gtk::PopoverMenu* shown_context_menu(Gtk::Widget& view)
{
    for (Gtk::Widget* child = view.get_first_child(); child; child = child->get_next_sibling()) {
        if (auto* menu = dynamic_cast<Gtk::PopoverMenu*>(child); menu && menu->get_visible())
            return menu;
    }
    return nullptr;
}

// What another client of the display reads from the clipboard.
std::optional<std::string> clipboard_text_seen_by_another_client(const Gtk::Widget& widget)
{
    const auto display = Gdk::Display::open(widget.get_display()->get_name());
    std::optional<std::string> text;
    const auto clipboard = display->get_clipboard();
    clipboard->read_text_async([&](const Glib::RefPtr<Gio::AsyncResult>& result) {
        try {
            text = clipboard->read_text_finish(result);
        } catch (const Glib::Error&) {
            text = "";
        }
    });
    const bool answered = test::pump_until([&] { return text.has_value(); });
    display->close();
    return answered ? text : std::nullopt;
}

TEST_F(ImageSaving, ContextMenuOfTheImagesViewCopiesEveryAddress)
{
    load_images("<img src=\"/a/cat.gif\"><img src=\"/b/dog.jpg\">");
    window().SelectView(kImagesView);
    Gtk::Widget& view = window().wb(kImagesView).widget();
    ASSERT_TRUE(test::pump_until([&] { return view.get_mapped() && view.get_width() > 0; }));
    ASSERT_TRUE(test::click_mouse_button(view, 3));
    ASSERT_TRUE(test::pump_until([&] { return shown_context_menu(view) != nullptr; }));

    Gtk::PopoverMenu& menu = *shown_context_menu(view);
    std::map<std::string, std::string> items;
    collect_items(menu.get_menu_model()->gobj(), items);
    ASSERT_TRUE(items.contains("Save All Images...")) << items.size();
    ASSERT_TRUE(items.contains("Copy All Image Addresses"));
    menu.activate_action(items["Copy All Image Addresses"]);

    EXPECT_EQ(clipboard_text_seen_by_another_client(window()),
              m_server.address("/a/cat.gif") + "\n" + m_server.address("/b/dog.jpg") + "\n");
}

TEST_F(ImageSaving, SavesEveryImageUnderASafeUniqueNameWithAManifest)
{
    m_server.serve("/a/cat.gif", "image/gif", "GIF89a-a");
    m_server.serve("/b/cat.gif", "image/gif", "GIF89a-bb"); // asked for with a query, as another file
    // The server sees the paths decoded.
    m_server.serve("/x/..\\evil.gif", "image/gif", "GIF89a-evil");
    m_server.serve("/x/..\\", "image/png", "PNG");
    load_images("<img src=\"/a/cat.gif\"><img src=\"/b/cat.gif?v=2\"><img src=\"/gone.gif\">"
                "<img src=\"/x/..%5Cevil.gif\"><img src=\"/x/%2E%2E%5C\">");

    window().save_all_images(m_folder.path());
    ASSERT_TRUE(test::pump_until([&] { return !window().saving_images(); }));

    EXPECT_EQ(saved_files(), (std::set<std::string>{"cat.gif", "cat (2).gif", "evil.gif", "image", "images.tsv"}));
    EXPECT_EQ(saved("cat.gif"), "GIF89a-a");
    EXPECT_EQ(saved("cat (2).gif"), "GIF89a-bb");
    EXPECT_EQ(saved("evil.gif"), "GIF89a-evil");
    EXPECT_FALSE(std::filesystem::exists(m_folder.path().parent_path() / "evil.gif"));
    EXPECT_EQ(saved("images.tsv"), "address\tfile\tbytes\ttype\n" +
                                       m_server.address("/a/cat.gif") + "\tcat.gif\t8\timage/gif\n" +
                                       m_server.address("/b/cat.gif?v=2") + "\tcat (2).gif\t9\timage/gif\n" +
                                       m_server.address("/gone.gif") + "\tfailed: HTTP 404 Not Found\t0\ttext/html\n" +
                                       m_server.address("/x/..%5Cevil.gif") + "\tevil.gif\t11\timage/gif\n" +
                                       m_server.address("/x/%2E%2E%5C") + "\timage\t3\timage/png\n");
    EXPECT_EQ(controls().sb1.panel_text(1), "Save All Images: 4 saved, 1 failed");
}

TEST_F(ImageSaving, CancelLeavesNoPartialFile)
{
    m_server.serve("/fast.gif", "image/gif", "GIF89a");
    m_server.serve("/slow.gif", "image/gif", "GIF89a");
    load_images("<img src=\"/fast.gif\"><img src=\"/slow.gif\">");
    // From now on the second image stalls halfway.
    m_server.serve_stalled("/slow.gif", "image/gif", std::string(64 * 1024, 'x'));

    window().save_all_images(m_folder.path());
    const std::filesystem::path partial = m_folder.path() / ".slow.gif.part";
    ASSERT_TRUE(test::pump_until([&] {
        return std::filesystem::exists(m_folder.path() / "fast.gif") && std::filesystem::exists(partial);
    })) << testing::PrintToString(saved_files());
    ASSERT_TRUE(window().action_enabled(action::kStopLoading)); // Escape
    window().activate_action(action::kStopLoading);

    EXPECT_FALSE(window().saving_images());
    test::pump_for(500ms);
    EXPECT_EQ(saved_files(), (std::set<std::string>{"fast.gif", "images.tsv"}));
    EXPECT_NE(saved("images.tsv").find(m_server.address("/slow.gif") + "\tfailed: cancelled\t0\t"), std::string::npos)
        << saved("images.tsv");
    EXPECT_EQ(controls().sb1.panel_text(1), "Save All Images cancelled: 1 saved, 0 failed, 1 not saved");
}

}
}
