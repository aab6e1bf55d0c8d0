#include "analysis/attribute_value.h"
#include "analysis/tag_regions.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quillet {
namespace {

std::vector<std::string> regions_of(std::string_view text, std::string_view marker)
{
    std::vector<std::string> regions;
    TagRegionReader reader(text, marker);
    while (const auto region = reader.next())
        regions.emplace_back(*region);
    return regions;
}

struct RegionCase {
    std::string name;
    std::string text;
    std::vector<std::string> expected;
};

class TagRegions : public testing::TestWithParam<RegionCase> { };

TEST_P(TagRegions, SplitTheTextAtEachMarker)
{
    EXPECT_EQ(regions_of(GetParam().text, "<img"), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Table, TagRegions, testing::Values(
    RegionCase{"NoMarker", "<p>text</p>", {}},
    RegionCase{"TextBeforeFirstTagDropped", "Logo: <IMG a> and <img b>", {"<IMG a> and ", "<img b>"}},
    RegionCase{"TrailingTextKept", "<img a> tail\r\nnext line", {"<img a> tail"}},
    RegionCase{"EachLineEnding", "<img a>\n<img b>\r<img c>\r\n<img d>", {"<img a>", "<img b>", "<img c>", "<img d>"}},
    RegionCase{"BlankLinesBetween", "<img a>\n\n\r\n\r<img b>", {"<img a>", "<img b>"}},
    RegionCase{"OpenTagJoinsLinesUpToItsEnd", "<img\nsrc=x\nalt=y> z\nrest", {"<img\nsrc=x\nalt=y> z"}},
    RegionCase{"OpenTagStopsAtNextMarker", "<img src=\"a\n<p> <img b>", {"<img src=\"a\n<p> ", "<img b>"}},
    RegionCase{"UnclosedTagRunsToNextMarker", "<img src=a\nb\n<img c>", {"<img src=a\nb\n", "<img c>"}},
    RegionCase{"UnclosedTagRunsToTheEnd", "x <img src=a\nb", {"<img src=a\nb"}},
    RegionCase{"ClosedLaterOnTheSameLineOfNextMarker", "<img a\n> <img b>", {"<img a\n> ", "<img b>"}}),
    [](const testing::TestParamInfo<RegionCase>& info) { return info.param.name; });

TEST(TagRegions, AnchorMarkerNeedsItsBlank)
{
    EXPECT_EQ(regions_of("<a\nhref=x> <A HREF=y> <abbr>", "<a "), std::vector<std::string>{"<A HREF=y> <abbr>"});
}

struct ValueCase {
    std::string text_after_equals;
    std::string expected;
};

class AttributeValue : public testing::TestWithParam<ValueCase> { };

TEST_P(AttributeValue, IsReadWhole)
{
    EXPECT_EQ(attribute_value(GetParam().text_after_equals), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Table, AttributeValue, testing::Values(
    ValueCase{"'pics/logo.gif' width=10", "pics/logo.gif"},
    ValueCase{"\"a b.gif\"", "a b.gif"},
    ValueCase{" 'a.gif'", "a.gif"},
    ValueCase{"\n\t 'a.gif'", "a.gif"},
    ValueCase{"\"o'brien.gif\"", "o'brien.gif"},
    ValueCase{"'say \"hi\".gif'", "say \"hi\".gif"},
    ValueCase{"''", ""},
    ValueCase{"'unclosed.gif", "unclosed.gif"},
    ValueCase{"pic.gif width=10", "pic.gif"},
    ValueCase{"pic.gif", "pic.gif"},
    ValueCase{" pic.gif\nalt=x", "pic.gif"},
    ValueCase{"", ""},
    ValueCase{"   ", ""}));

}
}
