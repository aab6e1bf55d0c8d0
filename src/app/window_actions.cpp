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
    const std::size_t open = name.find('(');
    if (open == std::string::npos) {
        m_group->add_action(local_name(name), activate);
        return;
    }
    auto& targets = m_targets[local_name(name)];
    if (targets.empty()) {
        auto action = Gio::SimpleAction::create(local_name(name), Glib::VARIANT_TYPE_INT32);
        action->signal_activate().connect([&targets](const Glib::VariantBase& parameter) {
            const int value = Glib::VariantBase::cast_dynamic<Glib::Variant<int>>(parameter).get();
            if (const auto found = targets.find(value); found != targets.end())
                found->second();
        });
        m_group->add_action(action);
    }
    targets[std::stoi(name.substr(open + 1))] = activate;
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
