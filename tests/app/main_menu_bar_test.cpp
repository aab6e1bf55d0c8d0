#include "app/main_menu_bar.h"

#include <gtest/gtest.h>

#include <vector>

namespace quillet {
namespace {

TEST(MainMenuBar, ChoosingAnItemRaisesItsMenusClickWithTheItemIndex)
{
    MainMenuBar bar;
    std::vector<int> go_items;
    std::vector<int> view_items;
    bar.item_clicked(Menu::Go).connect([&](int index) { go_items.push_back(index); });
    bar.item_clicked(Menu::View).connect([&](int index) { view_items.push_back(index); });

    for (int index : {5, 0, 4})
        EXPECT_TRUE(bar.activate_action(MainMenuBar::action_name(Menu::Go, index)));
    EXPECT_TRUE(bar.activate_action(MainMenuBar::action_name(Menu::View, 3)));

    EXPECT_EQ(go_items, (std::vector<int>{5, 0, 4}));
    EXPECT_EQ(view_items, (std::vector<int>{3}));
}

TEST(MainMenuBar, ADisabledItemDoesNothing)
{
    MainMenuBar bar;
    int clicks = 0;
    bar.item_clicked(Menu::Tools).connect([&](int) { ++clicks; });

    bar.set_item_enabled(Menu::Tools, 0, false);
    bar.activate_action(MainMenuBar::action_name(Menu::Tools, 0));
    EXPECT_FALSE(bar.item_enabled(Menu::Tools, 0));
    EXPECT_TRUE(bar.item_enabled(Menu::Tools, 1));
    EXPECT_EQ(clicks, 0);

    bar.set_item_enabled(Menu::Tools, 0, true);
    bar.activate_action(MainMenuBar::action_name(Menu::Tools, 0));
    EXPECT_EQ(clicks, 1);
}

TEST(MainMenuBar, ACaptionShowsAsWrittenAndKeepsItsItemWorking)
{
    MainMenuBar bar;
    int clicked = -1;
    bar.item_clicked(Menu::View).connect([&](int index) { clicked = index; });

    for (const std::string caption : {"my_site__example.org", "", "_", "www.marrowfield.example"}) {
        bar.set_item_caption(Menu::View, 3, caption);
        EXPECT_EQ(bar.item_caption(Menu::View, 3), caption);
    }
    EXPECT_EQ(bar.item_caption(Menu::View, 2), "Images");
    bar.activate_action(MainMenuBar::action_name(Menu::View, 3));
    EXPECT_EQ(clicked, 3);
}

}
}
