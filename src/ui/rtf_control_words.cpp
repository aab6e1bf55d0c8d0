#include "ui/rtf_control_words.h"

#include <algorithm>
#include <array>
#include <utility>

namespace quillet {

namespace {

constexpr std::array<std::string_view, 37> kSkippedDestinations = {
    "author", "bkmkend", "bkmkstart", "colorschememapping", "comment", "datastore", "doccomm", "falt",
    "filetbl", "fldinst", "footer", "footerf", "footerl", "footerr", "footnote", "generator", "header",
    "headerf", "headerl", "headerr", "info", "keywords", "latentstyles", "listoverridetable", "listtable",
    "nonshppict", "objdata", "object", "pict", "pn", "revtbl", "rsidtbl", "stylesheet", "tc", "themedata",
    "xe", "xmlnstbl",
};

constexpr std::array<std::pair<std::string_view, char32_t>, 16> kCharacterWords = {{
    {"bullet", U'\u2022'},
    {"cell", U'\t'},
    {"emdash", U'\u2014'},
    {"emspace", U'\u2003'},
    {"endash", U'\u2013'},
    {"enspace", U'\u2002'},
    {"ldblquote", U'\u201C'},
    {"line", U'\n'},
    {"lquote", U'\u2018'},
    {"page", U'\n'},
    {"par", U'\n'},
    {"rdblquote", U'\u201D'},
    {"row", U'\n'},
    {"rquote", U'\u2019'},
    {"sect", U'\n'},
    {"tab", U'\t'},
}};

constexpr std::array<std::string_view, 17> kUnderlineWords = {
    "ul", "uld", "uldash", "uldashd", "uldashdd", "uldb", "ulhwave", "ulldash", "ulth", "ulthd", "ulthdash",
    "ulthdashd", "ulthdashdd", "ulthldash", "ululdbwave", "ulw", "ulwave",
};

// The look-ups below search these tables by halves.
static_assert(std::ranges::is_sorted(kSkippedDestinations));
static_assert(std::ranges::is_sorted(kCharacterWords));
static_assert(std::ranges::is_sorted(kUnderlineWords));

}

bool is_skipped_destination(std::string_view word)
{
    return std::binary_search(kSkippedDestinations.begin(), kSkippedDestinations.end(), word);
}

std::optional<char32_t> character_of_word(std::string_view word)
{
    const auto found = std::lower_bound(kCharacterWords.begin(), kCharacterWords.end(), word,
                                        [](const auto& entry, std::string_view key) { return entry.first < key; });
    if (found == kCharacterWords.end() || found->first != word)
        return std::nullopt;
    return found->second;
}

bool is_underline_word(std::string_view word)
{
    return std::binary_search(kUnderlineWords.begin(), kUnderlineWords.end(), word);
}

}
