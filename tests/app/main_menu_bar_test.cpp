#include "app/main_menu_bar.h"

#include <giomm/simpleactiongroup.h>
#include <gtest/gtest.h>
#include <gtkmm/window.h>

#include <vector>

namespace quillet {
namespace {

struct ItemAction {
    Menu menu;
    int index;
    std::string action;
};

// Each item runs the window's action of its command; buttons and keys run the same ones.
TEST(MainMenuBar, EachItemRunsTheWindowActionOfItsCommand)
{
    const std::vector<ItemAction> items{
        {Menu::File, 0, "win.open"},       {Menu::File, 1, "win.exit"},
        {Menu::Go, 0, "win.back"},         {Menu::Go, 1, "win.forward"},
        {Menu::Go, 2, "win.stop"},         {Menu::Go, 3, "win.refresh"},
        {Menu::Go, 4, "win.up-dir"},       {Menu::Go, 5, "win.send-to-browser"},
        {Menu::View, 0, "win.view(0)"},    {Menu::View, 1, "win.view(1)"},
        {Menu::View, 2, "win.view(2)"},    {Menu::View, 3, "win.website"},
        {Menu::View, 4, "win.source-listing(0)"}, {Menu::View, 5, "win.source-listing(1)"},
        {Menu::Tools, 0, "win.tools-add"}, {Menu::Tools, 1, "win.tools-remove"},
        {Menu::Help, 0, "win.help"},       {Menu::About, 0, "win.about"},
    };
    MainMenuBar bar;
    for (const ItemAction& item : items) {
        EXPECT_EQ(MainMenuBar::action_name(item.menu, item.index), item.action);
        // What the shown item runs: its action, with the view index as its target.
        const auto submenu =
            bar.get_menu_model()->get_item_link(static_cast<int>(item.menu), Gio::MenuModel::Link::SUBMENU);
        const auto action = Glib::VariantBase::cast_dynamic<Glib::Variant<Glib::ustring>>(
            submenu->get_item_attribute(item.index, Gio::MenuModel::Attribute::ACTION, Glib::VARIANT_TYPE_STRING));
        const auto target =
            submenu->get_item_attribute(item.index, Gio::MenuModel::Attribute::TARGET, Glib::VariantType());
        std::string shown = action.get();
        if (target)
            shown += "(" + target.print() + ")";
        EXPECT_EQ(shown, item.action);
    }
}

TEST(MainMenuBar, ChoosingAnItemRunsItsActionAndACaptionShowsAsWritten)
{
    Gtk::Window window;
    MainMenuBar bar;
    window.set_child(bar);
    auto actions = Gio::SimpleActionGroup::create();
    int website = 0;
    actions->add_action("website", [&] { ++website; });
    std::vector<int> views;
    actions->add_action_with_parameter("view", Glib::VARIANT_TYPE_INT32, [&](const Glib::VariantBase& view) {
        views.push_back(Glib::VariantBase::cast_dynamic<Glib::Variant<int>>(view).get());
    });
    window.insert_action_group("win", actions);

    for (const std::string caption : {"my_site__example.org", "", "_", "www.marrowfield.example"}) {
        bar.set_item_caption(Menu::View, 3, caption);
        EXPECT_EQ(bar.item_caption(Menu::View, 3), caption);
    }
    EXPECT_EQ(bar.item_caption(Menu::View, 2), "Images");
    EXPECT_TRUE(bar.choose(Menu::View, 3));
    EXPECT_EQ(website, 1);
    EXPECT_TRUE(bar.choose(Menu::View, 2));
    EXPECT_TRUE(bar.choose(Menu::View, 0));
    EXPECT_EQ(views, (std::vector<int>{2, 0}));
}

}
}
