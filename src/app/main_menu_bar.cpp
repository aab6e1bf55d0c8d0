#include "app/main_menu_bar.h"

#include <giomm/action.h>
#include <giomm/menuitem.h>

#include <vector>

namespace quillet {

namespace {

struct MenuDesign {
    Menu menu;
    const char* caption;
};

constexpr std::array<MenuDesign, 6> kMenus{{
    {Menu::File, "File"}, {Menu::Go, "Go"}, {Menu::View, "View"},
    {Menu::Tools, "Tools"}, {Menu::Help, "Help"}, {Menu::About, "About"},
}};

// The commands with an entry in `menu`, in their menu's order.
std::vector<const WindowCommand*> entries_of(Menu menu)
{
    std::vector<const WindowCommand*> entries;
    for (const WindowCommand& command : window_commands()) {
        if (command.menu_entry && command.menu_entry->menu == menu)
            entries.push_back(&command);
    }
    return entries;
}

// Menu labels treat "_" as the mark of an access key; captions have none, so every "_" is literal.
std::string label_from_caption(const std::string& caption)
{
    std::string label;
    for (const char c : caption) {
        label += c;
        if (c == '_')
            label += '_';
    }
    return label;
}

std::string caption_from_label(const std::string& label)
{
    std::string caption;
    for (std::size_t i = 0; i < label.size(); ++i) {
        caption += label[i];
        if (label[i] == '_' && i + 1 < label.size() && label[i + 1] == '_')
            ++i;
    }
    return caption;
}

// Captions show no shortcuts: an empty accelerator of its own keeps the item from showing the keys
// the application binds to its action.
Glib::RefPtr<Gio::MenuItem> plain_item(const std::string& caption, const std::string& action)
{
    auto item = Gio::MenuItem::create(label_from_caption(caption), action);
    item->set_attribute_value("accel", Glib::Variant<Glib::ustring>::create(""));
    return item;
}

}

MainMenuBar::MainMenuBar()
    : Gtk::PopoverMenuBar(Gio::Menu::create()),
      m_menus(std::dynamic_pointer_cast<Gio::Menu>(get_menu_model()))
{
    for (const MenuDesign& design : kMenus) {
        auto& menu_items = m_items[static_cast<std::size_t>(design.menu)];
        menu_items = Gio::Menu::create();
        for (const WindowCommand* command : entries_of(design.menu))
            menu_items->append_item(plain_item(command->menu_entry->caption, command->action));
        m_menus->append_submenu(design.caption, menu_items);
    }
}

void MainMenuBar::set_item_caption(Menu menu, int index, const std::string& caption)
{
    const Glib::RefPtr<Gio::Menu>& menu_items = items(menu);
    menu_items->remove(index);
    menu_items->insert_item(index, plain_item(caption, action_name(menu, index)));
}

std::string MainMenuBar::item_caption(Menu menu, int index) const
{
    const auto label =
        items(menu)->get_item_attribute(index, Gio::MenuModel::Attribute::LABEL, Glib::VARIANT_TYPE_STRING);
    return caption_from_label(Glib::VariantBase::cast_dynamic<Glib::Variant<Glib::ustring>>(label).get());
}

bool MainMenuBar::choose(Menu menu, int index)
{
    if (index < 0 || index >= static_cast<int>(entries_of(menu).size()))
        return false;
    Glib::ustring name;
    Glib::VariantBase target;
    Gio::Action::parse_detailed_name_variant(action_name(menu, index), name, target);
    return activate_action(name, target);
}

std::string MainMenuBar::action_name(Menu menu, int index)
{
    return entries_of(menu).at(static_cast<std::size_t>(index))->action;
}

const Glib::RefPtr<Gio::Menu>& MainMenuBar::items(Menu menu) const
{
    return m_items[static_cast<std::size_t>(menu)];
}

}
