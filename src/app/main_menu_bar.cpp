#include "app/main_menu_bar.h"

#include <giomm/simpleaction.h>

#include <vector>

namespace quillet {

namespace {

constexpr const char* kActionGroupName = "menu";

struct MenuDesign {
    Menu menu;
    const char* item_array; // the name of the menu's item array, which names its actions
    const char* caption;
    std::vector<const char*> item_captions;
};

const std::array<MenuDesign, 6>& menu_designs()
{
    static const std::array<MenuDesign, 6> designs{{
        {Menu::File, "mnuFileItem", "File", {"Open", "Exit"}},
        {Menu::Go, "mnuGoItem", "Go",
         {"Back", "Forward", "Stop", "Refresh", "Back a Directory", "Send Page to Browser Tab"}},
        {Menu::View, "mnuViewItem", "View", {"Browser", "Source Code", "Images", "Website"}},
        {Menu::Tools, "mnuToolsItem", "Tools", {"Add program to IE Tools Menu", "Remove Program from IE Tools Menu"}},
        {Menu::Help, "mnuHelpItem", "Help", {"View Help"}},
        {Menu::About, "mnuAboutItem", "About", {"About this software"}},
    }};
    return designs;
}

const MenuDesign& design_of(Menu menu)
{
    return menu_designs()[static_cast<std::size_t>(menu)];
}

std::string item_action(Menu menu, int index)
{
    return std::string(design_of(menu).item_array) + "-" + std::to_string(index);
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

}

MainMenuBar::MainMenuBar()
    : Gtk::PopoverMenuBar(Gio::Menu::create()),
      m_menus(std::dynamic_pointer_cast<Gio::Menu>(get_menu_model())),
      m_actions(Gio::SimpleActionGroup::create())
{
    for (const MenuDesign& design : menu_designs()) {
        Submenu& menu = submenu(design.menu);
        menu.items = Gio::Menu::create();
        for (std::size_t index = 0; index < design.item_captions.size(); ++index)
            add_item(design.menu, static_cast<int>(index), design.item_captions[index]);
        m_menus->append_submenu(design.caption, menu.items);
    }
    insert_action_group(kActionGroupName, m_actions);
}

sigc::signal<void(int)>& MainMenuBar::item_clicked(Menu menu)
{
    return submenu(menu).clicked;
}

void MainMenuBar::set_item_caption(Menu menu, int index, const std::string& caption)
{
    const Glib::RefPtr<Gio::Menu>& items = submenu(menu).items;
    items->remove(index);
    items->insert(index, label_from_caption(caption), action_name(menu, index));
}

std::string MainMenuBar::item_caption(Menu menu, int index) const
{
    const auto label = submenu(menu).items->get_item_attribute(index, Gio::MenuModel::Attribute::LABEL,
                                                               Glib::VARIANT_TYPE_STRING);
    return caption_from_label(Glib::VariantBase::cast_dynamic<Glib::Variant<Glib::ustring>>(label).get());
}

void MainMenuBar::set_item_enabled(Menu menu, int index, bool enabled)
{
    auto action = std::dynamic_pointer_cast<Gio::SimpleAction>(m_actions->lookup_action(item_action(menu, index)));
    action->set_enabled(enabled);
}

bool MainMenuBar::item_enabled(Menu menu, int index) const
{
    return m_actions->get_action_enabled(item_action(menu, index));
}

std::string MainMenuBar::action_name(Menu menu, int index)
{
    return std::string(kActionGroupName) + "." + item_action(menu, index);
}

MainMenuBar::Submenu& MainMenuBar::submenu(Menu menu)
{
    return m_submenus[static_cast<std::size_t>(menu)];
}

const MainMenuBar::Submenu& MainMenuBar::submenu(Menu menu) const
{
    return m_submenus[static_cast<std::size_t>(menu)];
}

void MainMenuBar::on_item_activate(Menu menu, int index)
{
    submenu(menu).clicked.emit(index);
}

void MainMenuBar::add_item(Menu menu, int index, const std::string& caption)
{
    m_actions->add_action(item_action(menu, index),
                          sigc::bind(sigc::mem_fun(*this, &MainMenuBar::on_item_activate), menu, index));
    submenu(menu).items->append(label_from_caption(caption), action_name(menu, index));
}

}
