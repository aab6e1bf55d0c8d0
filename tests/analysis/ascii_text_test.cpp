#include "analysis/ascii_text.h"

#include <gtest/gtest.h>

#include <string>

namespace quillet {
namespace {

struct FindCase {
    std::string text;
    std::string pattern;
    std::size_t from;
    std::size_t expected;
};

class FindIgnoringCase : public testing::TestWithParam<FindCase> { };

TEST_P(FindIgnoringCase, FindsFirstOccurrenceAtOrAfterStart)
{
    const FindCase& c = GetParam();
    EXPECT_EQ(find_ignoring_case(c.text, c.pattern, c.from), c.expected);
}

constexpr auto npos = std::string_view::npos;

INSTANTIATE_TEST_SUITE_P(Table, FindIgnoringCase, testing::Values(
    FindCase{"x<IMG src", "<img", 0, 1},
    FindCase{"<iMg<img", "<img", 1, 4},
    FindCase{"<im", "<img", 0, npos},                  // anchor found, pattern runs past the end
    FindCase{"ab<", "<img", 0, npos},
    FindCase{"SRC=", "src=", 0, 0},
    FindCase{"src=src=", "src=", 1, 4},
    FindCase{"a<b <A c", "<a ", 0, 4},
    FindCase{"hometown.AOL.com", "hometown.aol", 0, 0},
    FindCase{"xxHOMETOWN.aol", "hometown.aol", 0, 2},   // anchor "." is not the first byte
    FindCase{"x\xC3\xA9<img", "<img", 0, 3},           // bytes outside ASCII match only themselves
    FindCase{std::string("a\0<img", 6), "<img", 0, 2},
    FindCase{"ImG", "img", 0, 0},                       // a pattern of letters only
    FindCase{"abc", "", 1, 1},
    FindCase{"abc", "a", 4, npos}));

struct ReplaceCase {
    std::string text;
    std::string pattern;
    std::string replacement;
    std::string expected;
};

class ReplaceAllIgnoringCase : public testing::TestWithParam<ReplaceCase> { };

TEST_P(ReplaceAllIgnoringCase, ReplacesLeftToRightWithoutRescanning)
{
    const ReplaceCase& c = GetParam();
    EXPECT_EQ(replace_all_ignoring_case(c.text, c.pattern, c.replacement), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Table, ReplaceAllIgnoringCase, testing::Values(
    ReplaceCase{"a/CGI-BIN/I/b/cgi-bin/i/c", "cgi-bin/i/", "", "a/b/c"},
    ReplaceCase{"cgi-bcgi-bin/i/in/i/", "cgi-bin/i/", "", "cgi-bin/i/"},
    ReplaceCase{"hometown.aol/x", "hometown.aol", "members.aol", "members.aol/x"},
    ReplaceCase{"none here", "http://", "", "none here"},
    ReplaceCase{"", "http://", "", ""},
    ReplaceCase{"abc", "", "x", "abc"}));

}
}
