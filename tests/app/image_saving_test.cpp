#include "browsing_window.h"

#include "app_test_files.h"
#include "support/key_presses.h"
#include "support/main_loop.h"

#include <gdkmm/clipboard.h>
#include <gdkmm/display.h>
#include <gtkmm/popovermenu.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
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

    // A link in the folder, as a shared folder or an unpacked archive may hold one.
    void plant_link(const std::string& name, const std::filesystem::path& target) const
    {
        std::filesystem::create_symlink(target, m_folder.path() / name);
    }

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

// At every name the saver may use, before it starts and while it runs: the images' names, their
// numbered names, the temporary names of earlier versions, the manifest's.
TEST_F(ImageSaving, LinksPlantedInTheFolderNeverLeadOutOfIt)
{
    m_server.serve("/sym1.gif", "image/gif", "GIF89a-1");
    m_server.serve("/sym2.gif", "image/gif", "GIF89a-2");
    m_server.serve("/sym3.gif", "image/gif", "GIF89a-3");
    load_images("<img src=\"/sym1.gif\"><img src=\"/sym2.gif\"><img src=\"/sym3.gif\">");
    m_server.serve("/sym2.gif", "image/gif", "GIF89a-2", 1500ms); // time to plant links meanwhile
    const test::TempDirectory outside;
    const std::filesystem::path victim = outside.path() / "victim.txt";
    std::ofstream(victim) << "the user's bytes";
    std::set<std::string> planted = {"sym1.gif", "sym1 (2).gif", ".sym1.gif.part", "sym2.gif", ".sym2.gif.part",
                                     ".sym3.gif.part", "images.tsv", ".images.tsv.part", ".quillet-tmp-images.tsv.XXXXXX"};
    for (const std::string& name : planted)
        plant_link(name, victim);
    plant_link("sym1 (3).gif", outside.path() / "created.gif"); // pointing nowhere yet
    plant_link("images (2).tsv", "../" + outside.path().filename().string() + "/created.tsv");
    planted.insert({"sym1 (3).gif", "images (2).tsv"});

    window().save_all_images(m_folder.path());
    for (const std::string name : {"sym2 (2).gif", "images (3).tsv"}) {
        plant_link(name, victim);
        planted.insert(name);
    }
    ASSERT_TRUE(test::pump_until([&] { return !window().saving_images(); }));

    EXPECT_EQ(test::read_file(victim), "the user's bytes");
    std::set<std::string> outside_names;
    for (const auto& entry : std::filesystem::directory_iterator(outside.path()))
        outside_names.insert(entry.path().filename().string());
    EXPECT_EQ(outside_names, std::set<std::string>{"victim.txt"});
    for (const std::string& name : planted)
        EXPECT_TRUE(std::filesystem::is_symlink(m_folder.path() / name)) << name;
    std::set<std::string> expected = planted;
    expected.insert({"sym1 (4).gif", "sym2 (3).gif", "sym3.gif", "images (4).tsv"});
    EXPECT_EQ(saved_files(), expected);
    EXPECT_EQ(saved("sym1 (4).gif"), "GIF89a-1");
    EXPECT_EQ(saved("sym2 (3).gif"), "GIF89a-2");
    EXPECT_EQ(saved("sym3.gif"), "GIF89a-3");
    EXPECT_EQ(saved("images (4).tsv"), "address\tfile\tbytes\ttype\n" +
                                           m_server.address("/sym1.gif") + "\tsym1 (4).gif\t8\timage/gif\n" +
                                           m_server.address("/sym2.gif") + "\tsym2 (3).gif\t8\timage/gif\n" +
                                           m_server.address("/sym3.gif") + "\tsym3.gif\t8\timage/gif\n");
    EXPECT_EQ(controls().sb1.panel_text(1), "Save All Images: 3 saved, 0 failed");
}

// A name the file system cannot take as decoded gets one of its own, and the rest go on.
TEST_F(ImageSaving, AnUndecodableNameEndsLikeAnyOther)
{
    m_server.serve("/img/\xFF\xFE.gif", "image/gif", "GIF89a-ff");
    m_server.serve("/img/ok.gif", "image/gif", "GIF89a-ok");
    const std::string long_stem(300, 'n');
    m_server.serve("/img/" + long_stem + ".gif", "image/gif", "GIF89a-long");
    load_images("<img src=\"/img/%FF%FE.gif\"><img src=\"/img/" + long_stem + ".gif\"><img src=\"/img/ok.gif\">");

    window().save_all_images(m_folder.path());
    ASSERT_TRUE(test::pump_until([&] { return !window().saving_images(); }));

    const std::string shortened = std::string(196, 'n') + ".gif";
    EXPECT_EQ(saved_files(), (std::set<std::string>{"%FF%FE.gif", shortened, "ok.gif", "images.tsv"}));
    EXPECT_EQ(saved("%FF%FE.gif"), "GIF89a-ff");
    EXPECT_EQ(saved(shortened), "GIF89a-long");
    EXPECT_NE(saved("images.tsv").find(m_server.address("/img/%FF%FE.gif") + "\t%FF%FE.gif\t9\timage/gif\n"),
              std::string::npos)
        << saved("images.tsv");
    EXPECT_EQ(controls().sb1.panel_text(1), "Save All Images: 3 saved, 0 failed");
}

TEST_F(ImageSaving, CancelLeavesNoPartialFile)
{
    m_server.serve("/fast.gif", "image/gif", "GIF89a");
    m_server.serve("/slow.gif", "image/gif", "GIF89a");
    load_images("<img src=\"/fast.gif\"><img src=\"/slow.gif\">");
    // From now on the second image stalls halfway.
    m_server.serve_stalled("/slow.gif", "image/gif", std::string(64 * 1024, 'x'));

    window().save_all_images(m_folder.path());
    // The stalled image's download stands in the saver's own folder meanwhile.
    const auto downloading = [&] {
        for (const auto& entry : std::filesystem::recursive_directory_iterator(m_folder.path())) {
            if (entry.path().parent_path() != m_folder.path() && entry.is_regular_file())
                return true;
        }
        return false;
    };
    ASSERT_TRUE(test::pump_until([&] { return std::filesystem::exists(m_folder.path() / "fast.gif") && downloading(); }))
        << testing::PrintToString(saved_files());
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
