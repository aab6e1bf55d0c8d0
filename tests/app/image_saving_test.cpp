#include "browsing_window.h"

#include "app_test_files.h"
#include "support/key_presses.h"
#include "support/main_loop.h"

#include <gdkmm/clipboard.h>
#include <gdkmm/display.h>
#include <gtkmm/label.h>
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

// The texts of every label inside `widget`.
std::set<std::string> label_texts(Gtk::Widget& widget)
{
    std::set<std::string> texts;
    if (auto* label = dynamic_cast<Gtk::Label*>(&widget))
        texts.insert(label->get_text());
    for (Gtk::Widget* child = widget.get_first_child(); child; child = child->get_next_sibling())
        texts.merge(label_texts(*child));
    return texts;
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
    EXPECT_TRUE(items.contains("Image Details..."));
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
    // The saver's own folder goes once the engine has let go of the cancelled download.
    EXPECT_TRUE(test::pump_until([&] { return saved_files() == std::set<std::string>{"fast.gif", "images.tsv"}; }))
        << testing::PrintToString(saved_files());
    EXPECT_NE(saved("images.tsv").find(m_server.address("/slow.gif") + "\tfailed: cancelled\t0\t"), std::string::npos)
        << saved("images.tsv");
    EXPECT_EQ(controls().sb1.panel_text(1), "Save All Images cancelled: 1 saved, 0 failed, 1 not saved");
}

// An SVG picture of this natural size.
std::string svg_of_size(int width, int height)
{
    const std::string w = std::to_string(width), h = std::to_string(height);
    return "<svg xmlns='http://www.w3.org/2000/svg' width='" + w + "' height='" + h + "'><rect width='" + w +
           "' height='" + h + "' fill='teal'/></svg>";
}

// A black BMP picture of this natural size.
std::string bmp_of_size(int width, int height)
{
    const int row = (width * 3 + 3) / 4 * 4;
    std::string bmp(static_cast<std::size_t>(54 + row * height), '\0');
    const auto put = [&](std::size_t at, unsigned value, int bytes) {
        for (int i = 0; i < bytes; ++i)
            bmp[at + static_cast<std::size_t>(i)] = static_cast<char>((value >> (8 * i)) & 0xFF);
    };
    bmp[0] = 'B';
    bmp[1] = 'M';
    put(2, static_cast<unsigned>(bmp.size()), 4);
    put(10, 54, 4);
    put(14, 40, 4);
    put(18, static_cast<unsigned>(width), 4);
    put(22, static_cast<unsigned>(height), 4);
    put(26, 1, 2);
    put(28, 24, 2);
    return bmp;
}

constexpr const char* kPlaceholderGif = "data:image/gif;base64,R0lGODlhAQABAIAAAP///wAAACH5BAEAAAAALAAAAAABAAEAAAICRAEAOw==";

TEST_F(ImageSaving, ImageDetailsListEveryImageThePageShowsWithWhatIsWrongWithIt)
{
    for (const char* path : {"/hero.svg", "/hero-2x.svg", "/fallback.svg", "/noalt.svg", "/lazy.svg", "/bg.svg",
                             "/svg-image.svg", "/button.svg", "/in-frame.svg", "/added.svg", "/band.svg"})
        m_server.serve(path, "image/svg+xml", svg_of_size(40, 20));
    m_server.serve("/big.bmp", "image/bmp", bmp_of_size(400, 200));
    m_server.serve("/style.css", "text/css",
                   ".hero { width: 10px; height: 10px; background-image: url(/bg.svg) }"
                   "@media screen { p.band { background: url(/band.svg) no-repeat } }");
    m_server.serve("/frame.html", "text/html", "<img src='/in-frame.svg' alt=F width=40 height=20>");
    const std::string page = serve_page("/details.html", "Details",
        "<link rel=stylesheet href=/style.css>"
        "<picture><source srcset='/hero.svg 1x, /hero-2x.svg 2x'><img src=/fallback.svg alt=Hero width=40 height=20>"
        "</picture><img src=/big.bmp alt='Big 50%25&#x1f;' width=50 height=25><img src=/noalt.svg>"
        "<img src='" + std::string(kPlaceholderGif) + "' data-src=/lazy.svg alt=Lazy width=20 height=20>"
        "<div class=hero></div><svg width=30 height=30><image href=/svg-image.svg width=30 height=30 /></svg>"
        "<input type=image src=/button.svg alt=Go><iframe src=/frame.html width=100 height=60></iframe>"
        "<a href='/linked.jpg'>picture</a><p class=band>band</p><p id=spot></p>"
        "<script>const added = document.createElement('img'); added.src = '/added.svg'; added.alt = 'Added';"
        "document.getElementById('spot').appendChild(added);</script>");
    window().activate_action(action::kImageDetails);
    ImageDetailsWindow* details = test::image_details(window());
    ASSERT_NE(details, nullptr);
    int rebuilds = 0;
    details->rebuilt().connect([&] { ++rebuilds; });
    enter_address(page);
    ASSERT_TRUE(wait_for_page_views());
    ASSERT_TRUE(test::pump_until([&] { return rebuilds > 0 && details->status_text().ends_with("details.html"); }))
        << details->status_text();
    std::vector<const ImageDetailsRow*> all;
    for (const ImageDetailsRow* row : details->shown_rows())
        all.push_back(row);
    EXPECT_EQ(details->status_text(), "14 images of " + page) << image_rows_text(all);

    std::map<std::string, const ImageDetailsRow*> rows;
    for (const ImageDetailsRow* row : details->shown_rows())
        rows[row->address] = row;
    const auto column = [&](const std::string& path, ImageColumn column) {
        const auto address = path.starts_with("data:") ? path : m_server.address(path);
        return rows.contains(address) ? image_column_text(*rows[address], column) : "(no row)";
    };
    struct Expected {
        std::string path, source, origin, loaded, natural, shown, notes;
    };
    const std::vector<Expected> expected{
        {"/hero.svg", "picture source 1x (shown)", "served", "yes (200)", "40 x 20", "40 x 20", ""},
        {"/hero-2x.svg", "picture source 2x", "served", "no", "", "not shown", ""},
        {"/fallback.svg", "img", "served", "no", "", "not shown", ""},
        {"/big.bmp", "img", "served", "yes (200)", "400 x 200", "50 x 25",
         "shown at less than half its natural width (would save about 236,"},
        {"/noalt.svg", "img", "served", "yes (200)", "40 x 20", "40 x 20",
         "no alternate text; no width and height attributes"},
        {kPlaceholderGif, "img", "served", "yes (200)", "1 x 1", "20 x 20", "placeholder for a lazy source"},
        {"/lazy.svg", "lazy", "served", "no", "", "not shown", ""},
        {"/bg.svg", "CSS background div.hero", "neither", "yes (200)", "", "not shown", ""},
        {"/band.svg", "CSS background p.band", "neither", "yes (200)", "", "not shown", ""},
        {"/svg-image.svg", "SVG image", "served", "yes (200)", "", "30 x 30", ""},
        {"/button.svg", "input image", "served", "yes (200)", "", "40 x 20", ""},
        {"/in-frame.svg", "frame", "neither", "yes (200)", "40 x 20", "40 x 20", ""},
        {"/linked.jpg", "link to image file", "served", "no", "", "not shown", ""},
        {"/added.svg", "img", "added", "yes (200)", "40 x 20", "40 x 20", "no width and height attributes"},
    };
    for (const Expected& image : expected) {
        SCOPED_TRACE(image.path);
        EXPECT_EQ(column(image.path, ImageColumn::Source), image.source);
        EXPECT_EQ(column(image.path, ImageColumn::Origin), image.origin);
        EXPECT_EQ(column(image.path, ImageColumn::Loaded), image.loaded);
        EXPECT_EQ(column(image.path, ImageColumn::NaturalSize), image.natural);
        EXPECT_EQ(column(image.path, ImageColumn::ShownAt), image.shown);
        EXPECT_TRUE(column(image.path, ImageColumn::Notes).starts_with(image.notes)) << column(image.path, ImageColumn::Notes);
        // The server saw what the engine says it loaded; the <picture> fallback alone it may also
        // have been asked for, by the engine's look-ahead that the chosen source then made unused.
        if (image.path.starts_with("data:"))
            continue;
        const int requests = m_server.requests(image.path);
        if (image.loaded != "no") {
            EXPECT_GT(requests, 0);
        } else if (image.path != "/fallback.svg") {
            EXPECT_EQ(requests, 0);
        }
    }
    EXPECT_EQ(column("/style.css", ImageColumn::Source), "(no row)");
    EXPECT_EQ(column("/big.bmp", ImageColumn::AlternateText), "Big 50%25\x1f"); // as the engine tells it

    details->copy_rows();
    const std::optional<std::string> copied = clipboard_text_seen_by_another_client(*details);
    ASSERT_TRUE(copied.has_value());
    EXPECT_TRUE(copied->starts_with("Address\tSource\tServed or added\tLoaded\t")) << *copied;
    EXPECT_NE(copied->find(m_server.address("/hero.svg") + "\tpicture source 1x (shown)\tserved\tyes (200)\t"),
              std::string::npos)
        << *copied;

    // The next page's rows take the place of these, in the table's cells too.
    rebuilds = 0;
    enter_address(serve_page("/next.html", "Next", "<img src=/noalt.svg>"));
    ASSERT_TRUE(wait_for_page_views());
    ASSERT_TRUE(test::pump_until([&] { return rebuilds > 0 && details->status_text().ends_with("next.html"); }))
        << details->status_text();
    EXPECT_EQ(details->status_text(), "1 images of " + m_server.address("/next.html"));
    const std::set<std::string> cells = label_texts(*details);
    EXPECT_TRUE(cells.contains(m_server.address("/noalt.svg")));
    EXPECT_FALSE(cells.contains(m_server.address("/hero.svg")));
}

}
}
