#include "views/file_name_matcher.h"

#include "name_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <optional>
#include <string>

namespace quillet {
namespace {

using Match = FileNameMatcher::Match;

std::vector<Match> matches_of(const std::vector<std::string_view>& names, std::string_view text)
{
    return FileNameMatcher(names).find_all(text);
}

using test::same_matched_byte;

bool is_letter_or_digit(char c)
{
    return std::isalnum(static_cast<unsigned char>(c)) != 0;
}

bool stands_whole(std::string_view text, std::size_t position, std::size_t length)
{
    const std::size_t end = position + length;
    return (position == 0 || !is_letter_or_digit(text[position - 1])) && (end == text.size() || !is_letter_or_digit(text[end]));
}

// The plain definition: at each position try every name, take the longest that stands whole
// (the first of equals).
std::vector<Match> naive_matches(const std::vector<std::string_view>& names, std::string_view text)
{
    std::vector<Match> matches;
    std::size_t position = 0;
    while (position < text.size()) {
        std::optional<Match> best;
        for (std::size_t i = 0; i < names.size(); ++i) {
            const std::string_view name = names[i];
            if (name.empty() || name.size() > text.size() - position || (best && best->length >= name.size()))
                continue;
            if (std::equal(name.begin(), name.end(), text.begin() + static_cast<std::ptrdiff_t>(position), same_matched_byte)
                && stands_whole(text, position, name.size()))
                best = Match{position, static_cast<std::uint32_t>(name.size()), static_cast<std::uint32_t>(i)};
        }
        if (best) {
            matches.push_back(*best);
            position += best->length;
        } else {
            ++position;
        }
    }
    return matches;
}

struct MatcherCase {
    const char* title;
    std::vector<std::string_view> names;
    std::string text;
    std::vector<Match> expected;
};

TEST(FileNameMatcher, FindsLeftmostLongestMatches)
{
    const std::vector<MatcherCase> cases = {
        {"no names", {}, "a.gif", {}},
        {"empty text", {"a.gif"}, "", {}},
        {"empty name never matches", {""}, "abc", {}},
        {"one name twice", {"a.gif"}, "a.gif a.gif", {{0, 5, 0}, {6, 5, 0}}},
        {"exact case", {"a.gif"}, "A.GIF a.GIF", {}},
        {"longest at a position wins", {"a.gif", "a.gif.bak"}, "-a.gif.bak", {{1, 9, 1}}},
        {"leftmost beats longer later", {"b.gif.png", "ab.gif"}, "ab.gif.png", {{0, 6, 1}}},
        {"no match inside a match", {"logo.gif", "o.gif"}, "logo.gif o.gif", {{0, 8, 0}, {9, 5, 1}}},
        {"first of equal names", {"a.gif", "a.gif"}, "a.gif", {{0, 5, 0}}},
        {"suffix reached through failure", {"a-b-c-d", "b-c"}, "a-b-c-e", {{2, 3, 1}}},
        {"adjacent matches", {"ab"}, "ab.ab-ab", {{0, 2, 0}, {3, 2, 0}, {6, 2, 0}}},
        {"overlapping occurrences", {".."}, "...", {{0, 2, 0}}},
        {"CR and LF are one character", {"a\nb"}, "a\rb a\nb", {{0, 3, 0}, {4, 3, 0}}},
        {"NUL and high bytes", {std::string_view("\0\xff", 2)}, std::string("-\0\xff", 3), {{1, 2, 0}}},
        {"only whole names", {"e", "logo.gif"}, "the e biglogo.gif /img/logo.gif 'logo.gif' see logo.gif.",
         {{4, 1, 0}, {23, 8, 1}, {33, 8, 1}, {47, 8, 1}}},
        {"shorter whole name when the longest is not", {"a.gif", "a.gif-b"}, "a.gif-bc", {{0, 5, 0}}},
    };
    for (const MatcherCase& c : cases)
        EXPECT_EQ(matches_of(c.names, c.text), c.expected) << c.title;
}

TEST(FileNameMatcher, MatchesAcrossBlockBoundariesAndLongNames)
{
    const std::string long_name = "L" + std::string(200000, 'x') + ".gif";
    const std::vector<std::string_view> names = {"edge.gif", long_name};
    std::string text(65534, '.');
    text += "edge.gif";
    text += std::string(100000, '-');
    const std::size_t long_position = text.size();
    text += long_name;
    text += " edge.gif";

    const auto long_length = static_cast<std::uint32_t>(long_name.size());
    const std::vector<Match> expected = {{65534, 8, 0}, {long_position, long_length, 1},
                                         {long_position + long_length + 1, 8, 0}};
    EXPECT_EQ(matches_of(names, text), expected);
}

TEST(FileNameMatcher, AgreesWithThePlainDefinitionOnRandomTexts)
{
    test::RandomText random_text(20240601);
    const std::string alphabet = "ab\r\n.";
    for (int round = 0; round < 40; ++round) {
        std::vector<std::string> owned;
        for (int i = 0; i < 1 + round % 12; ++i)
            owned.push_back(random_text(alphabet, random_text.below(7)));
        const std::vector<std::string_view> names(owned.begin(), owned.end());
        const std::string text = random_text(alphabet, round < 35 ? random_text.below(400) : 140000);

        EXPECT_EQ(matches_of(names, text), naive_matches(names, text)) << "round " << round;
    }
}

// Names that share endings and names that end in many different bytes lead the sieve in front of
// the automaton different ways; long texts span several blocks.
TEST(FileNameMatcher, AgreesWithThePlainDefinitionWhateverTheNamesEndWith)
{
    struct Shape {
        const char* title;
        std::string alphabet;
        std::vector<std::string> endings;
    };
    const std::vector<Shape> shapes = {
        {"image names", "abgifjp.\r\n", {".gif", ".jpg", ".jpeg", ".png", ".bmp"}},
        {"many different last bytes", "abcdefghijk.", {"c", "d", "e", "f", "g", "h"}},
        {"one-byte names", "ab.", {""}},
    };
    test::RandomText random_text(20240613);
    for (const Shape& shape : shapes) {
        for (int round = 0; round < 12; ++round) {
            std::vector<std::string> owned;
            for (int i = 0; i < 2 + round * 3; ++i) {
                const std::string stem = random_text(shape.alphabet, 1 + random_text.below(4));
                owned.push_back(stem + shape.endings[random_text.below(shape.endings.size())]);
            }
            const std::vector<std::string_view> names(owned.begin(), owned.end());
            std::string text = random_text(shape.alphabet, round < 10 ? 2000 : 150000);
            for (std::size_t i = 0; i < text.size() / 50; ++i)
                text.insert(random_text.below(text.size()), owned[random_text.below(owned.size())]);

            EXPECT_EQ(matches_of(names, text), naive_matches(names, text)) << shape.title << ", round " << round;
        }
    }
}

TEST(FileNameMatcher, CountsTheMatchesPastItsBudget)
{
    const std::vector<std::size_t> costs = {10, 1};
    const FileNameMatcher::Matches matches = FileNameMatcher({"a.gif", "b.gif"}).find_within("a.gif b.gif a.gif b.gif", {costs, 12});
    EXPECT_EQ(matches.found, (std::vector<Match>{{0, 5, 0}, {6, 5, 1}}));
    EXPECT_EQ(matches.left_out, 2u) << "the later b.gif fits, but stays out with all after the first left out";
}

TEST(FileNameMatcher, HandlesManyNamesAndManyMatches)
{
    std::vector<std::string> owned;
    for (int i = 0; i < 20000; ++i)
        owned.push_back("img" + std::to_string(i) + ".gif");
    const std::vector<std::string_view> names(owned.begin(), owned.end());
    std::string text;
    for (int i = 19999; i >= 0; i -= 7)
        text += "<img src='" + owned[static_cast<std::size_t>(i)] + "'>";

    const std::vector<Match> matches = matches_of(names, text);

    ASSERT_EQ(matches.size(), (20000u + 6) / 7);
    EXPECT_EQ(matches.front().name, 19999u);
    EXPECT_EQ(matches.back().name, 19999u % 7);
}

}
}
