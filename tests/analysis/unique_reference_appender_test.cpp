#include "analysis/unique_reference_appender.h"
#include "reference_printer.h"

#include <gtest/gtest.h>

#include <string>

namespace quillet {
namespace {

TEST(UniqueReferenceAppender, ListsEachFileNameOnceWithItsFirstReference)
{
    ReferenceList list = {{"http://h/a.gif", "a.gif"}, {"http://h/again/a.gif", "a.gif"}};
    UniqueReferenceAppender appender(list);
    int addresses_made = 0;
    const auto append = [&](std::string file_name, std::string url) {
        appender.append(std::move(file_name), [&] {
            ++addresses_made;
            return url;
        });
    };

    append("a.gif", "http://x/a.gif");
    append("b.gif", "http://h/b.gif");
    append("B.GIF", "http://h/B.GIF");
    append("b.gif", "http://h/other/b.gif");
    append("", "http://h/");
    append("", "http://h/dir/");

    const ReferenceList expected = {{"http://h/a.gif", "a.gif"},
                                    {"http://h/again/a.gif", "a.gif"},
                                    {"http://h/b.gif", "b.gif"},
                                    {"http://h/B.GIF", "B.GIF"},
                                    {"http://h/", ""}};
    EXPECT_EQ(list, expected);
    EXPECT_EQ(addresses_made, 3);
}

TEST(UniqueReferenceAppender, KeepsThousandsOfNamesApartAsItsTableGrows)
{
    ReferenceList list;
    UniqueReferenceAppender appender(list);
    for (const std::string round : {"first", "second"}) {
        for (int i = 0; i < 5000; ++i)
            appender.append("n" + std::to_string(i) + ".gif", [&] { return round + "/" + std::to_string(i); });
    }

    ASSERT_EQ(list.size(), 5000u);
    EXPECT_EQ(list.front(), (Reference{"first/0", "n0.gif"}));
    EXPECT_EQ(list.back(), (Reference{"first/4999", "n4999.gif"}));
}

}
}
