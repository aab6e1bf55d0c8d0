#pragma once

#include <functional>
#include <set>
#include <string>
#include <string_view>

namespace quillet {

// The manifest that saving all images writes into the chosen folder beside them.
inline constexpr std::string_view kImageManifestName = "images.tsv";

// The name an image is saved under: the last segment of the address's path, percent-decoded, with
// no separator, control character or leading dot left, so that it always names a plain file inside
// the chosen folder; "image" when nothing is left of it. Bytes that are not UTF-8 stay (or become)
// percent-encoded, and a long name is shortened with its extension kept, so that every file
// system and the manifest take it.
std::string image_file_name(std::string_view address);

// `name` cut to at most `longest` bytes, at a character, keeping a short extension where it fits.
std::string shortened_file_name(std::string_view name, std::size_t longest);

// "cat.gif" numbered 2 is "cat (2).gif"; a name without an extension gets the number at its end.
std::string numbered_file_name(std::string_view name, int number);

// Hands out names that no file of the folder (as `taken` reports) and no name handed out before
// has: the name itself, then "name (2).ext", "name (3).ext", ...
class UniqueFileNames {
public:
    explicit UniqueFileNames(std::function<bool(const std::string&)> taken);

    std::string take(std::string_view name);

private:
    std::function<bool(const std::string&)> m_taken;
    std::set<std::string> m_given;
};

}
