#pragma once

#include "integration/registry_store.h"

#include <string>
#include <string_view>

namespace quillet {

// The key path with one leading "\" and then one trailing "\" removed; nothing else changes.
std::string TrimKeyPath(std::string_view key_path);

// Creates or opens the key at the trimmed path and sets the string value. A value name of "*"
// stands for the key's default value. Returns true when the value was written.
bool SetRegString(RegistryStore& store, RegistryRoot root, std::string_view key_path, std::string_view value_name,
                  std::string_view value);

// With a value name, deletes that value of the key at the trimmed path ("*" is the default value).
// With an empty value name, deletes the key at the untrimmed path with its values.
// Returns true when something was deleted.
bool DeleteRegEntry(RegistryStore& store, RegistryRoot root, std::string_view key_path, std::string_view value_name);

}
