#include "app/window_actions.h"

#include <giomm/simpleaction.h>

#include <string_view>

namespace quillet {

namespace {

constexpr std::string_view kPrefix = "win.";

// The name within the group: "win.view(1)" and "win.view" both give "view".
std::string local_name(std::string_view name)
{
    if (name.substr(0, kPrefix.size()) == kPrefix)
        name.remove_prefix(kPrefix.size());
    return std::string(name.substr(0, name.find('(')));
}

}

std::string action::view(int index)
{
    return std::string(kView) + "(" + std::to_string(index) + ")";
}

WindowActions::WindowActions() : m_group(Gio::SimpleActionGroup::create()) {}

void WindowActions::add(const char* name, const sigc::slot<void()>& activate)
{
    m_group->add_action(local_name(name), activate);
}

void WindowActions::add_with_index(const char* name, const sigc::slot<void(int)>& activate)
{
    auto action = Gio::SimpleAction::create(local_name(name), Glib::VARIANT_TYPE_INT32);
    action->signal_activate().connect([activate](const Glib::VariantBase& parameter) {
        activate(Glib::VariantBase::cast_dynamic<Glib::Variant<int>>(parameter).get());
    });
    m_group->add_action(action);
}

void WindowActions::set_enabled(const char* name, bool enabled)
{
    std::dynamic_pointer_cast<Gio::SimpleAction>(m_group->lookup_action(local_name(name)))->set_enabled(enabled);
}

bool WindowActions::enabled(const std::string& name) const
{
    return m_group->get_action_enabled(local_name(name));
}

}
