#include "views/name_ending_filter.h"

#include "name_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace quillet {
namespace {

bool some_name_ends_before(std::string_view text, std::size_t place, const std::vector<std::string_view>& names)
{
    return std::any_of(names.begin(), names.end(), [&](std::string_view name) {
        return !name.empty() && name.size() <= place &&
               std::equal(name.begin(), name.end(), text.begin() + static_cast<std::ptrdiff_t>(place - name.size()),
                          test::same_matched_byte);
    });
}

std::size_t last_possible_end(const NameEndingFilter& filter, std::string_view text, std::size_t floor, std::size_t from)
{
    return filter.last_possible_end(text, floor, from);
}

struct NameShape {
    const char* title;
    std::string alphabet;
    std::vector<std::string> endings; // appended to random stems; empty for names of random bytes
};

// Whatever sieve the names lead to (few or many different bytes, short names, line breaks), the
// filter never passes over a place where a name ends.
TEST(NameEndingFilter, NeverPassesOverAPlaceWhereANameEnds)
{
    const std::vector<NameShape> shapes = {
        {"image names", "ab.gjpifx", {".gif", ".jpg", ".jpeg"}},
        {"random short names", "ab\r\n.", {}},
        {"many different last bytes", "abcdefghij.", {}},
        {"line breaks in endings", "a\r\n.", {"\r\n", "\n."}},
    };
    test::RandomText random_text(20240612);
    for (const NameShape& shape : shapes) {
        for (int round = 0; round < 30; ++round) {
            std::vector<std::string> owned;
            for (int i = 0; i < 1 + round % 9; ++i) {
                const std::string stem = random_text(shape.alphabet, random_text.below(5));
                owned.push_back(shape.endings.empty() ? stem : stem + shape.endings[random_text.below(shape.endings.size())]);
            }
            const std::vector<std::string_view> names(owned.begin(), owned.end());
            std::string text = random_text(shape.alphabet, 300);
            for (const std::string& name : owned)
                text.insert(random_text.below(text.size()), name);
            const NameEndingFilter filter(names);

            const std::size_t floor = NameEndingFilter::kBytesRead - 1 + random_text.below(20);
            for (std::size_t from = text.size(); from > floor;) {
                const std::size_t found = last_possible_end(filter, text, floor, from);
                ASSERT_LE(found, from) << shape.title;
                ASSERT_GE(found, floor) << shape.title;
                for (std::size_t passed = found + 1; passed <= from; ++passed)
                    ASSERT_FALSE(some_name_ends_before(text, passed, names)) << shape.title << " at " << passed;
                from = found == from ? from - 1 : found;
            }
        }
    }
}

TEST(NameEndingFilter, PassesOverTextWhereNoNameCanEnd)
{
    const std::vector<std::string_view> names = {"logo.gif", "photo.jpg", "big.jpeg"};
    const NameEndingFilter filter(names);
    std::string text;
    for (int i = 0; i < 100; ++i)
        text += "<p class=\"story\">The quick brown fox jumps over the lazy dog, a gift in a jug.</p>\r\n";
    const std::size_t floor = NameEndingFilter::kBytesRead - 1;

    EXPECT_EQ(last_possible_end(filter, text, floor, text.size()), floor);
    text += "<img src='logo.gif'>";
    EXPECT_EQ(last_possible_end(filter, text, floor, text.size()), text.size() - 2);
}

TEST(NameEndingFilter, WithoutNamesNothingEnds)
{
    const std::string text(100, 'x');
    EXPECT_EQ(last_possible_end(NameEndingFilter({}), text, 3, text.size()), 3u);
    EXPECT_EQ(last_possible_end(NameEndingFilter({""}), text, 3, text.size()), 3u);
}

}
}
