#include "analysis/image_tag_scanner.h"
#include "reference/reference_scanners.h"
#include "scanner_case.h"

#include <gtest/gtest.h>

namespace quillet {
namespace {

using test::ScannerCase;

constexpr const char* kSitePage = "http://www.example.com/site/index.html";
constexpr const char* kSite = "http://www.example.com/site/";

class ImageTags : public testing::TestWithParam<ScannerCase> { };

TEST_P(ImageTags, ListsEachImageFileOnce)
{
    const ScannerCase& c = GetParam();
    ReferenceList found;
    CollectImageTags(c.page_text, c.page_address, found);
    EXPECT_EQ(found, c.expected);

    ReferenceList literal;
    reference::CollectImageTags(c.page_text, c.page_address, literal);
    EXPECT_EQ(literal, c.literal.value_or(c.expected));
}

INSTANTIATE_TEST_SUITE_P(LikeLiteral, ImageTags, testing::Values(
    ScannerCase{"WorkedExample", kSitePage,
        "Logo: <IMG SRC='pics/logo.gif' width=10> and <img src='/art/logo.gif'>",
        {{"http://www.example.com/site/pics/logo.gif", "logo.gif"}}},
    ScannerCase{"EveryLineEnding", kSitePage,
        "<img src=\"a.gif\">\r\n<img src=\"b.gif\">\r<Img Src='c.gif'>\n\n\r\n<p>x</p>",
        {{std::string(kSite) + "a.gif", "a.gif"}, {std::string(kSite) + "b.gif", "b.gif"},
         {std::string(kSite) + "c.gif", "c.gif"}}},
    ScannerCase{"EmptyFileNameListedOnce", kSitePage,
        "<img src=''><img src=\"\"><img src='dir/'><img src='a.gif'>",
        {{kSite, ""}, {std::string(kSite) + "a.gif", "a.gif"}}},
    ScannerCase{"BlankBeforeQuotedValue", kSitePage, "<img src= 'a.gif'>", {{std::string(kSite) + "a.gif", "a.gif"}}},
    ScannerCase{"AbsoluteKeptAsWritten", kSitePage, "<img src='HTTP://Other.Example.net/X.gif'>",
        {{"HTTP://Other.Example.net/X.gif", "X.gif"}}},
    ScannerCase{"FirstSrcCounts", kSitePage, "<img data-src='real.jpg' src='placeholder.gif'>",
        {{std::string(kSite) + "real.jpg", "real.jpg"}}},
    ScannerCase{"NoSrcNoEntry", kSitePage, "<img alt='x'> <IMG>", {}},
    ScannerCase{"HrefInValueRemoved", kSitePage, "<img src='go?href=a.gif'>", {{std::string(kSite) + "go?a.gif", "go?a.gif"}}},
    ScannerCase{"HometownImagesOnMembers", "http://hometown.aol.com/u/index.html",
        "<img src='a.gif'><img src='/b.gif'><img src='http://hometown.aol.com/c.gif'>",
        {{"http://members.aol.com/u/a.gif", "a.gif"}, {"http://hometown.aol.com/b.gif", "b.gif"},
         {"http://hometown.aol.com/c.gif", "c.gif"}}},
    ScannerCase{"AddressWithoutScheme", "www.example.com/dir/page.html", "<img src='a.gif'>",
        {{"www.example.com/dir/a.gif", "a.gif"}}},
    ScannerCase{"QuotedAngleBracketAfterSrc", kSitePage, "<img src=\"a.gif\" alt=\"p>q\"> <img src='b.gif' title='>'>",
        {{std::string(kSite) + "a.gif", "a.gif"}, {std::string(kSite) + "b.gif", "b.gif"}}},
    ScannerCase{"EmptyPage", kSitePage, "", {}}),
    test::case_name);

INSTANTIATE_TEST_SUITE_P(UnlikeLiteral, ImageTags, testing::Values(
    ScannerCase{"OtherSchemes", "https://www.example.com/a/p.html",
        "<img src='b.gif'><img src='//cdn.example.net/c.gif'><img src='https://x.example.org/d.gif'>",
        {{"https://www.example.com/a/b.gif", "b.gif"}, {"https://cdn.example.net/c.gif", "c.gif"},
         {"https://x.example.org/d.gif", "d.gif"}},
        ReferenceList{{"https://www.example.com/a/b.gif", "b.gif"},
                      {"https://www.example.com/a//cdn.example.net/c.gif", "c.gif"},
                      {"https://www.example.com/a/https://x.example.org/d.gif", "d.gif"}}},
    ScannerCase{"DataReferenceKept", kSitePage, "<img src='data:image/gif;base64,R0lGOD'>",
        {{"data:image/gif;base64,R0lGOD", "gif;base64,R0lGOD"}},
        ReferenceList{{std::string(kSite) + "data:image/gif;base64,R0lGOD", "gif;base64,R0lGOD"}}},
    ScannerCase{"BareHostOwnDirectory", "http://www.example.org", "<img src='a.gif'>",
        {{"http://www.example.org/a.gif", "a.gif"}}, ReferenceList{{"www.example.org/a.gif", "a.gif"}}},
    ScannerCase{"BareDotComHostRootReference", "http://www.example.com", "<img src='/img/a.gif'>",
        {{"http://www.example.com/img/a.gif", "a.gif"}}, ReferenceList{{"http://img/a.gif", "a.gif"}}},
    ScannerCase{"QuotedAngleBracketBeforeSrc", kSitePage,
        "<img alt=\"5 > 4\" src=\"gt.gif\"> <img title='a>b' src='sq.gif'>\n<img alt= \"p>q\" src=b.gif>",
        {{std::string(kSite) + "gt.gif", "gt.gif"}, {std::string(kSite) + "sq.gif", "sq.gif"},
         {std::string(kSite) + "b.gif", "b.gif"}}, ReferenceList{}},
    ScannerCase{"QuotedAngleBracketInValue", kSitePage, "<img src=\"a>b.gif\"><img src='c>.gif' alt=\"x\">",
        {{std::string(kSite) + "a>b.gif", "a>b.gif"}, {std::string(kSite) + "c>.gif", "c>.gif"}},
        ReferenceList{{kSite, ""}}},
    ScannerCase{"QuotedAngleBracketOverLines", kSitePage, "<img alt=\"a>\nb\" src=\"m.gif\">\n<img alt='>'\nsrc='n.gif'>",
        {{std::string(kSite) + "m.gif", "m.gif"}, {std::string(kSite) + "n.gif", "n.gif"}}, ReferenceList{}},
    ScannerCase{"BareAngleBracketEndsTheTag", kSitePage, "<img alt=x>y src=\"no.gif\"><img alt=a\">b\" src='u.gif'>",
        {}, ReferenceList{}},
    ScannerCase{"UnclosedQuoteQuotesNothing", kSitePage, "<img alt=\"x src='v.gif'>\n<img src=\"w.gif>",
        {{std::string(kSite) + "v.gif", "v.gif"}, {std::string(kSite) + "w.gif", "w.gif"}},
        ReferenceList{{std::string(kSite) + "v.gif", "v.gif"}, {kSite, ""}}},
    ScannerCase{"TagEndingWithSrcSkipped", kSitePage, "<img src=\n<img src='b.gif'>",
        {{std::string(kSite) + "b.gif", "b.gif"}}, ReferenceList{}},
    ScannerCase{"UnquotedValueWhole", kSitePage, "<img src=pic.gif width=10><img src=/art/b.gif>",
        {{std::string(kSite) + "pic.gif", "pic.gif"}, {"http://www.example.com/art/b.gif", "b.gif"}},
        ReferenceList{{std::string(kSite) + "ic.gif ", "ic.gif "}, {kSite, ""}}},
    ScannerCase{"TagOverSeveralLines", kSitePage, "<img\n src='a.gif'\n alt='x'>\n<img alt=\"two\nlines\" src=\"b.gif\">",
        {{std::string(kSite) + "a.gif", "a.gif"}, {std::string(kSite) + "b.gif", "b.gif"}}, ReferenceList{}},
    ScannerCase{"ValueOverTwoLines", kSitePage, "<img src='a\r\nb.gif'>",
        {{std::string(kSite) + "ab.gif", "ab.gif"}}, ReferenceList{{kSite, ""}}},
    ScannerCase{"DotSegmentsResolved", "http://www.example.com/site/sub/index.html",
        "<img src='../a.gif'><img src='./b.gif'>",
        {{"http://www.example.com/site/a.gif", "a.gif"}, {"http://www.example.com/site/sub/b.gif", "b.gif"}},
        ReferenceList{{"http://www.example.com/site/sub/a.gif", "a.gif"},
                      {"http://www.example.com/site/sub/./b.gif", "b.gif"}}},
    ScannerCase{"RootReferenceOnLocalFile", "file:///home/u/p.html", "<img src='/img/c.gif'>",
        {{"file:///img/c.gif", "c.gif"}}, ReferenceList{{"file:///home/u/img/c.gif", "c.gif"}}},
    ScannerCase{"BlanksBeforeValue", kSitePage, "<img src=  'a.gif'>",
        {{std::string(kSite) + "a.gif", "a.gif"}}, ReferenceList{{std::string(kSite) + " ", " "}}},
    ScannerCase{"EmptyValueBeforeOtherAttributes", kSitePage, "<img src='' width=10><img src=\"\" border=\"0\">",
        {{kSite, ""}}, ReferenceList{{std::string(kSite) + " ", " "}, {std::string(kSite) + " border=", ""}}},
    ScannerCase{"ApostropheInValue", kSitePage, "<img src=\"o'brien.gif\">",
        {{std::string(kSite) + "o'brien.gif", "o'brien.gif"}}, ReferenceList{{std::string(kSite) + "o", "o"}}},
    ScannerCase{"CharacterReferencesDecoded", kSitePage,
        "<img src=\"pic.png?a=1&amp;b=2\"><img src='x.gif?a=1&copy=2'><img src='&eacute;t&#xE9;.gif'>",
        {{std::string(kSite) + "pic.png?a=1&b=2", "pic.png?a=1&b=2", "pic.png?a=1&amp;b=2"},
         {std::string(kSite) + "x.gif?a=1&copy=2", "x.gif?a=1&copy=2"},
         {std::string(kSite) + "\xC3\xA9t\xC3\xA9.gif", "\xC3\xA9t\xC3\xA9.gif", "&eacute;t&#xE9;.gif"}},
        ReferenceList{{std::string(kSite) + "pic.png?a=1&amp;b=2", "pic.png?a=1&amp;b=2"},
                      {std::string(kSite) + "x.gif?a=1&copy=2", "x.gif?a=1&copy=2"},
                      {std::string(kSite) + "&eacute;t&#xE9;.gif", "&eacute;t&#xE9;.gif"}}},
    ScannerCase{"DecodedNameIsTheDuplicateKey", kSitePage, "<img src='a&amp;b.gif'><img src='other/a&#38;b.gif'>",
        {{std::string(kSite) + "a&b.gif", "a&b.gif", "a&amp;b.gif"}},
        ReferenceList{{std::string(kSite) + "a&amp;b.gif", "a&amp;b.gif"},
                      {std::string(kSite) + "other/a&#38;b.gif", "a&#38;b.gif"}}},
    ScannerCase{"SlashInQueryOfThePage", "http://h.example/dir/p.php?x=a/b",
        "<img src='a.gif'><img src='../b.gif'><img src='?s=1'><img src='#f'>",
        {{"http://h.example/dir/a.gif", "a.gif"}, {"http://h.example/b.gif", "b.gif"},
         {"http://h.example/dir/p.php?s=1", "?s=1"}, {"http://h.example/dir/p.php?x=a/b#f", "#f"}},
        ReferenceList{{"http://h.example/dir/p.php?x=a/a.gif", "a.gif"}, {"http://h.example/dir/p.php?x=a/b.gif", "b.gif"},
                      {"http://h.example/dir/p.php?x=a/?s=1", "?s=1"}, {"http://h.example/dir/p.php?x=a/#f", "#f"}}},
    ScannerCase{"SchemeInQueryOfThePage", "http://h.example/r?u=http://cdn.example/x/y", "<img src=\"a.gif\">",
        {{"http://h.example/a.gif", "a.gif"}}, ReferenceList{{"http://h.example/r?u=cdn.example/x/a.gif", "a.gif"}}},
    ScannerCase{"SchemeInsideQueryResolved", kSitePage, "<img src='/proxy?u=http://cdn.example/x.jpg'>",
        {{"http://www.example.com/proxy?u=http://cdn.example/x.jpg", "x.jpg"}},
        ReferenceList{{"/proxy?u=http://cdn.example/x.jpg", "x.jpg"}}}),
    test::case_name);

TEST(ImageTags, MoreThanHundredTagsOnOneLine)
{
    std::string line = "start";
    ReferenceList expected;
    for (int i = 0; i < 150; ++i) {
        line += "<img src='i" + std::to_string(i) + ".gif'> text ";
        expected.push_back({std::string(kSite) + "i" + std::to_string(i) + ".gif", "i" + std::to_string(i) + ".gif"});
    }
    ReferenceList found;
    CollectImageTags(line, kSitePage, found);
    EXPECT_EQ(found, expected);
    ReferenceList literal;
    reference::CollectImageTags(line, kSitePage, literal);
    EXPECT_EQ(literal, expected);
}

TEST(ImageTags, FileNamesAlreadyListedAreSkipped)
{
    ReferenceList found{{"http://elsewhere.example.net/a.gif", "a.gif"}};
    CollectImageTags("<img src='a.gif'><img src='b.gif'>", kSitePage, found);
    EXPECT_EQ(found, (ReferenceList{{"http://elsewhere.example.net/a.gif", "a.gif"}, {std::string(kSite) + "b.gif", "b.gif"}}));
}

}
}
