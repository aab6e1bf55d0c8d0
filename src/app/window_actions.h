#pragma once

#include <giomm/simpleactiongroup.h>
#include <sigc++/slot.h>

#include <map>
#include <string>

namespace quillet {

// The actions of one window, in the group it shows under the prefix "win". Each carries its
// enabled state; a disabled action does nothing, whoever activates it.
class WindowActions {
public:
    WindowActions();

    const Glib::RefPtr<Gio::SimpleActionGroup>& group() const { return m_group; }

    // A name with a target, "win.view(2)", adds that value to an action that takes a whole number;
    // each value runs its own slot, and a value no slot was added for runs nothing.
    void add(const std::string& name, const sigc::slot<void()>& activate);
    // As add, for one value of a choice: the action keeps the value last chosen as its state, and
    // menus mark the item of that value.
    void add_choice(const std::string& name, const sigc::slot<void()>& activate);
    // Marks the value chosen without running its slot.
    void set_choice(const std::string& name, int value);

    void set_enabled(const std::string& name, bool enabled);
    bool enabled(const std::string& name) const;

private:
    enum class Values { Separate, Choice };
    void add_target(const std::string& name, const sigc::slot<void()>& activate, Values values);

    Glib::RefPtr<Gio::SimpleActionGroup> m_group;
    std::map<std::string, std::map<int, sigc::slot<void()>>> m_targets; // by action, then value
};

}
