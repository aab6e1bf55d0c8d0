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

WindowActions::WindowActions() : m_group(Gio::SimpleActionGroup::create()) {}

void WindowActions::add(const std::string& name, const sigc::slot<void()>& activate)
{
    if (name.find('(') == std::string::npos)
        m_group->add_action(local_name(name), activate);
    else
        add_target(name, activate, Values::Separate);
}

void WindowActions::add_choice(const std::string& name, const sigc::slot<void()>& activate)
{
    add_target(name, activate, Values::Choice);
}

void WindowActions::add_target(const std::string& name, const sigc::slot<void()>& activate, Values values)
{
    const bool choice = values == Values::Choice;
    auto& targets = m_targets[local_name(name)];
    if (targets.empty()) {
        auto action = choice ? Gio::SimpleAction::create_radio_integer(local_name(name), 0)
                             : Gio::SimpleAction::create(local_name(name), Glib::VARIANT_TYPE_INT32);
        action->signal_activate().connect([&targets, choice, raw = action.get()](const Glib::VariantBase& parameter) {
            const int value = Glib::VariantBase::cast_dynamic<Glib::Variant<int>>(parameter).get();
            const auto found = targets.find(value);
            if (found == targets.end())
                return;
            if (choice)
                raw->set_state(parameter);
            found->second();
        });
        m_group->add_action(action);
    }
    targets[std::stoi(name.substr(name.find('(') + 1))] = activate;
}

void WindowActions::set_choice(const std::string& name, int value)
{
    std::dynamic_pointer_cast<Gio::SimpleAction>(m_group->lookup_action(local_name(name)))
        ->set_state(Glib::Variant<int>::create(value));
}

void WindowActions::set_enabled(const std::string& name, bool enabled)
{
    std::dynamic_pointer_cast<Gio::SimpleAction>(m_group->lookup_action(local_name(name)))->set_enabled(enabled);
}

bool WindowActions::enabled(const std::string& name) const
{
    return m_group->get_action_enabled(local_name(name));
}

}
