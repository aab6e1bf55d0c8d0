#pragma once

#include <string>

namespace quillet {

// True when `path` names an ordinary file: not a directory, not hidden (a name starting with "."),
// not a pattern. Names are compared exactly, as this file system does: "FILE.TXT" is not "file.txt".
// Never throws; any failure reads as false.
bool FileExists(const std::string& path);

// The part of `path` after its last "/"; the whole text when it has none. Backslashes are ordinary
// characters in names here.
std::string FileNamePart(const std::string& path);

}
