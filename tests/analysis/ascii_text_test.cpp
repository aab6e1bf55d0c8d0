#include "analysis/ascii_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

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

char folded(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// The plain definition: every position in turn.
std::size_t plain_find(std::string_view text, std::string_view pattern, std::size_t from)
{
    for (std::size_t at = from; at + pattern.size() <= text.size(); ++at) {
        if (std::equal(pattern.begin(), pattern.end(), text.begin() + static_cast<std::ptrdiff_t>(at),
                       [](char a, char b) { return folded(a) == folded(b); }))
            return at;
    }
    return npos;
}

// The search takes sixteen positions a step and checks candidates: starts in every lane, near the
// end of the text and across steps must all be found.
TEST(FindIgnoringCaseSearch, AgreesWithThePlainDefinitionOnRandomTexts)
{
    std::mt19937 random(20240611);
    const std::string alphabet = std::string("<iImMgG aA=\r\n\xff", 14) + '\0';
    const std::vector<std::string> patterns = {"<img", "<a ", "src=", "i", "<", "mG", std::string("\xff<"),
                                               std::string("\0a", 2), "cgi-bin/i/"};
    for (int round = 0; round < 400; ++round) {
        std::string text;
        const std::size_t length = random() % 90;
        for (std::size_t i = 0; i < length; ++i)
            text += alphabet[random() % alphabet.size()];
        const std::string& pattern = patterns[static_cast<std::size_t>(round) % patterns.size()];
        for (std::size_t from = 0; from <= text.size() + 1; ++from)
            ASSERT_EQ(find_ignoring_case(text, pattern, from), plain_find(text, pattern, from))
                << "round " << round << " from " << from;
    }
}

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
