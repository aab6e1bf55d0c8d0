#include "analysis/attribute_value.h"
#include "analysis/base_address.h"
#include "analysis/character_references.h"
#include "analysis/css_image_urls.h"
#include "analysis/srcset_parser.h"
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
        regions.emplace_back(region->text);
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
    RegionCase{"ClosedLaterOnTheSameLineOfNextMarker", "<img a\n> <img b>", {"<img a\n> ", "<img b>"}},
    RegionCase{"QuotedAngleBracketDoesNotCloseTheTag", "<img alt='a>b'\nsrc=x> z\nrest", {"<img alt='a>b'\nsrc=x> z"}},
    RegionCase{"QuotedValueOverLines", "<img alt=\"a\n>\" src=x>\nrest", {"<img alt=\"a\n>\" src=x>"}}),
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

struct TagEndCase {
    std::string text;
    std::size_t expected;
};

class TagEnd : public testing::TestWithParam<TagEndCase> { };

TEST_P(TagEnd, IsTheFirstAngleBracketOutsideQuotedValues)
{
    EXPECT_EQ(find_tag_end(GetParam().text), GetParam().expected) << GetParam().text;
}

constexpr std::size_t kNoEnd = std::string_view::npos;

INSTANTIATE_TEST_SUITE_P(Table, TagEnd, testing::Values(
    TagEndCase{"<img src='a.gif'>", 16},
    TagEndCase{"<img alt=\"5 > 4\" src=\"gt.gif\">", 29},
    TagEndCase{"<img title='a>b' src='sq.gif'>", 29},
    TagEndCase{"<img src=\"a>b.gif\">", 18},
    TagEndCase{"<img alt= \"p>q\">", 15},
    TagEndCase{"<img alt=\"it's>\" x='\">'>", 23},
    TagEndCase{"<img alt=x>y src='b.gif'>", 10},
    TagEndCase{"<img alt=a\">b\">", 11},
    TagEndCase{"<img \"a>b\">", 7},
    TagEndCase{"<img alt=\"open src=x>", 20},
    TagEndCase{"<img alt=\"open", kNoEnd},
    TagEndCase{"<img alt='>'", kNoEnd},
    TagEndCase{"<img src=", kNoEnd},
    TagEndCase{"", kNoEnd}));

class DecodedValue : public testing::TestWithParam<ValueCase> { };

TEST_P(DecodedValue, ReadsLikeTheEngine)
{
    EXPECT_EQ(decode_attribute_value(GetParam().text_after_equals), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Table, DecodedValue, testing::Values(
    ValueCase{"a.gif?x=1&amp;y=2", "a.gif?x=1&y=2"},
    ValueCase{"&#38;&#x26;&#X26;&AMP;&amp", "&&&&&"},
    ValueCase{"&eacute;t&eacute;", "\xC3\xA9t\xC3\xA9"},
    ValueCase{"&NotEqualTilde;", "\xE2\x89\x82\xCC\xB8"},
    ValueCase{"?a=1&copy=2&lang=en&not3", "?a=1&copy=2&lang=en&not3"},
    ValueCase{"&copy x &notit; &notin;", "\xC2\xA9 x &notit; \xE2\x88\x89"},
    ValueCase{"&unknown; & &; &#; &#x; &#xZ", "&unknown; & &; &#; &#x; &#xZ"},
    ValueCase{"&#0;&#xD800;&#1114112;&#99999999999999999999;", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},
    ValueCase{"&#x80;&#150;&#x1F600;&#65", "\xE2\x82\xAC\xE2\x80\x93\xF0\x9F\x98\x80" "A"},
    ValueCase{"trailing &", "trailing &"},
    ValueCase{"", ""}));

struct BaseCase {
    std::string page_text;
    std::string expected;
};

class DocumentBase : public testing::TestWithParam<BaseCase> { };

TEST_P(DocumentBase, IsTheFirstBaseHref)
{
    EXPECT_EQ(document_base_address(GetParam().page_text, "http://www.example.com/dir/page.html"), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Table, DocumentBase, testing::Values(
    BaseCase{"<p>no base</p>", "http://www.example.com/dir/page.html"},
    BaseCase{"<base href=\"/assets/\"><img src=a.gif>", "http://www.example.com/assets/"},
    BaseCase{"<BASE HREF='http://cdn.example.net/x/'>", "http://cdn.example.net/x/"},
    BaseCase{"<base target=_blank><base href='sub/'><base href='/other/'>", "http://www.example.com/dir/sub/"},
    BaseCase{"<basefont href='x/'><base data-href='y/'>", "http://www.example.com/dir/page.html"},
    BaseCase{"<base href='a&amp;b/'>", "http://www.example.com/dir/a&b/"},
    BaseCase{"<base href=", "http://www.example.com/dir/"},
    BaseCase{"<base target=\"a>b\" href='/x/'>", "http://www.example.com/x/"},
    BaseCase{"<base href='?q=a/b'>", "http://www.example.com/dir/page.html?q=a/b"}));

struct SrcsetCase {
    std::string name;
    std::string srcset;
    std::vector<SrcsetCandidate> expected;
};

class Srcset : public testing::TestWithParam<SrcsetCase> { };

TEST_P(Srcset, SplitsCandidatesAsTheEngineDoes)
{
    EXPECT_EQ(parse_srcset(GetParam().srcset), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Table, Srcset, testing::Values(
    SrcsetCase{"Empty", " , ", {}},
    SrcsetCase{"Densities", "a.jpg 1x, b.jpg 2x", {{"a.jpg", "1x"}, {"b.jpg", "2x"}}},
    SrcsetCase{"Widths", "s.jpg 480w,\n  l.jpg   800w", {{"s.jpg", "480w"}, {"l.jpg", "800w"}}},
    SrcsetCase{"CommaInsideAddress", "a,b.jpg 1x,c.jpg 2x", {{"a,b.jpg", "1x"}, {"c.jpg", "2x"}}},
    SrcsetCase{"CommasEndingAddress", "a.jpg,,, b.jpg", {{"a.jpg", ""}, {"b.jpg", ""}}},
    SrcsetCase{"NoBlankNoSplit", "a.jpg,b.jpg", {{"a.jpg,b.jpg", ""}}},
    SrcsetCase{"CommaInsideParentheses", "a.jpg f(1,2) 2x, b.jpg", {{"a.jpg", "f(1,2) 2x"}, {"b.jpg", ""}}},
    SrcsetCase{"CdnQuery", "https://cdn.example.net/i.jpg?w=800,q=80 800w",
        {{"https://cdn.example.net/i.jpg?w=800,q=80", "800w"}}}),
    [](const testing::TestParamInfo<SrcsetCase>& info) { return info.param.name; });

TEST(CssBackgrounds, DeclarationsName)
{
    EXPECT_EQ(background_urls_in_declarations("color: red; BACKGROUND: url( 'a.png' ) no-repeat, url(b.png);"
                                              "background-image:url(\"c;d.png\"); border-image: url(e.png)"),
              (std::vector<CssImageUrl>{{"", "a.png"}, {"", "b.png"}, {"", "c;d.png"}}));
}

TEST(CssBackgrounds, StyleSheetRulesWithSelectors)
{
    EXPECT_EQ(background_urls_in_style_sheet("/* top */ .hero { background-image: url(hero.jpg) }\n"
                                             "@media (min-width: 40em) { div.wide, p { background: url(\"w.png\") } }\n"
                                             "a { color: blue } #x{background:none}"),
              (std::vector<CssImageUrl>{{".hero", "hero.jpg"}, {"div.wide, p", "w.png"}}));
}

}
}
