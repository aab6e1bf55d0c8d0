#include "views/source_page.h"

#include "views/pages_in_memory.h"
#include "views/served_page.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace quillet {
namespace {

struct SourcePageCase {
    const char* title;
    std::string page_text;
    PageReferences references;
    std::string expected;
};

const ReferenceList kNoEntries;

TEST(SourcePage, EscapesTextAndBreaksLines)
{
    const std::vector<SourcePageCase> cases = {
        {"worked example", "a<b>\r\nc", {}, "a&lt;b><BR><BR>c"},
        {"empty page", "", {}, ""},
        {"lone CR and lone LF", "a\rb\nc", {}, "a<BR>b<BR>c"},
        {"entities shown as written", "&amp; &lt; & <", {}, "&amp;amp; &amp;lt; &amp; &lt;"},
        {"quotes and > stay", "'\">", {}, "'\">"},
        {"NUL and invalid UTF-8 pass through", std::string("a\0\xff", 3), {}, std::string("a\0\xff", 3)},
    };
    for (const SourcePageCase& c : cases)
        EXPECT_EQ(build_source_page(c.page_text, c.references).html, c.expected) << c.title;
}

// Pages are sized sixteen bytes a step and written eight bytes a step: every length and every
// place of a byte that changes must come out right.
TEST(SourcePage, EscapesEveryByteWhereverItStands)
{
    std::mt19937 random(20240614);
    const std::string alphabet = std::string("&<>\r\n a\xff", 8) + '\0';
    for (std::size_t length = 0; length < 300; ++length) {
        std::string text;
        std::string expected;
        for (std::size_t i = 0; i < length; ++i) {
            const char c = alphabet[random() % alphabet.size()];
            text += c;
            expected += c == '&' ? "&amp;" : c == '<' ? "&lt;" : c == '\r' || c == '\n' ? "<BR>" : std::string(1, c);
        }
        EXPECT_EQ(build_source_page(text, {}).html, expected) << "length " << length;
    }
}

TEST(SourcePage, LinksFileNames)
{
    const Reference logo{"http://h/pics/logo.gif", "logo.gif"};
    const Reference o{"http://h/o.gif", "o.gif"};
    const std::vector<SourcePageCase> cases = {
        {"image tag", "<img src='pics/logo.gif'>", {kNoEntries, {logo}},
         "&lt;img src='pics/<a href='http://h/pics/logo.gif'>logo.gif</a>'>"},
        {"a name occurring twice gives two links", "logo.gif\nlogo.gif", {kNoEntries, {logo}},
         "<a href='http://h/pics/logo.gif'>logo.gif</a><BR><a href='http://h/pics/logo.gif'>logo.gif</a>"},
        {"never inside a link just inserted", "logo.gif o.gif", {kNoEntries, {logo, o}},
         "<a href='http://h/pics/logo.gif'>logo.gif</a> <a href='http://h/o.gif'>o.gif</a>"},
        {"image links before image tags", "logo.gif", {{{"http://h/links/logo.gif", "logo.gif"}}, {logo}},
         "<a href='http://h/links/logo.gif'>logo.gif</a>"},
        {"lower index first", "logo.gif", {{{"http://a/logo.gif", "logo.gif"}, {"http://b/logo.gif", "logo.gif"}}, {}},
         "<a href='http://a/logo.gif'>logo.gif</a>"},
        {"empty file name links nothing", "abc", {kNoEntries, {{"http://h/", ""}}}, "abc"},
        {"exact case", "LOGO.GIF", {kNoEntries, {logo}}, "LOGO.GIF"},
        {"name with & matches the escaped text", "a&b.gif", {kNoEntries, {{"http://h/a&b.gif", "a&b.gif"}}},
         "<a href='http://h/a&amp;b.gif'>a&amp;b.gif</a>"},
        {"name with < matches the escaped text", "<b>.gif", {kNoEntries, {{"http://h/<b>.gif", "<b>.gif"}}},
         "<a href='http://h/&lt;b&gt;.gif'>&lt;b>.gif</a>"},
        {"no link inside an escape", "<b", {kNoEntries, {{"http://h/lt;b", "lt;b"}}}, "&lt;b"},
        {"no link inside a line break", "x\ny", {kNoEntries, {{"http://h/BR>y", "BR>y"}}}, "x<BR>y"},
        {"quote in the address is escaped", "it's.gif", {kNoEntries, {{"http://h/it's.gif", "it's.gif"}}},
         "<a href='http://h/it&#39;s.gif'>it's.gif</a>"},
        {"address without scheme gets http://", "a.gif", {kNoEntries, {{"www.example.org/a.gif", "a.gif"}}},
         "<a href='http://www.example.org/a.gif'>a.gif</a>"},
        {"line break in the address escaped", "a.gif", {kNoEntries, {{"http://h/\r\na.gif", "a.gif"}}},
         "<a href='http://h/&#13;&#10;a.gif'>a.gif</a>"},
        {"other schemes kept", "a.gif", {kNoEntries, {{"https://h/a.gif", "a.gif"}}},
         "<a href='https://h/a.gif'>a.gif</a>"},
        {"linked as written, to the decoded address", "<img src='a.gif?x=1&amp;y=2'> a.gif?x=1&y=2",
         {kNoEntries, {{"http://h/a.gif?x=1&y=2", "a.gif?x=1&y=2", "a.gif?x=1&amp;y=2"}}},
         "&lt;img src='<a href='http://h/a.gif?x=1&amp;y=2'>a.gif?x=1&amp;amp;y=2</a>'> a.gif?x=1&amp;y=2"},
        {"only whole names", "the e biglogo.gif /img/logo.gif 'logo.gif' see logo.gif.",
         {kNoEntries, {logo, {"http://h/e", "e"}}},
         "the <a href='http://h/e'>e</a> biglogo.gif /img/<a href='http://h/pics/logo.gif'>logo.gif</a> "
         "'<a href='http://h/pics/logo.gif'>logo.gif</a>' see <a href='http://h/pics/logo.gif'>logo.gif</a>."},
    };
    for (const SourcePageCase& c : cases)
        EXPECT_EQ(build_source_page(c.page_text, c.references).html, c.expected) << c.title;
}

// The listing after the page's own style sheet.
std::string served_listing(std::string_view served_text, const PageReferences& references)
{
    const std::string page = build_served_page(served_text, references).html;
    const std::size_t style_end = page.find("</style>");
    return style_end == std::string::npos ? "no style: " + page : page.substr(style_end + 8);
}

TEST(ServedPage, NumbersEachLineAndLinksAsTheSourcePage)
{
    const Reference logo{"http://h/pics/logo.gif", "logo.gif"};
    const std::vector<SourcePageCase> cases = {
        {"every kind of line end ends one line", "a<b\r\nc\rd\ne", {}, "<l></l>a&lt;b\n<l></l>c\n<l></l>d\n<l></l>e"},
        {"the last line end starts no line", "<!DOCTYPE html>\n", {}, "<l></l>&lt;!DOCTYPE html>"},
        {"blank lines are numbered", "a\r\n\r\nb", {}, "<l></l>a\n<l></l>\n<l></l>b"},
        {"empty document", "", {}, ""},
        {"linked where the name stands whole", "<img src='pics/logo.gif'>\nlogo.gifs", {kNoEntries, {logo}},
         "<l></l>&lt;img src='pics/<a href='http://h/pics/logo.gif'>logo.gif</a>'>\n<l></l>logo.gifs"},
    };
    for (const SourcePageCase& c : cases)
        EXPECT_EQ(served_listing(c.page_text, c.references), c.expected) << c.title;

    const std::string page = build_served_page(std::string(12345, '\n'), {}).html;
    EXPECT_NE(page.find("padding-left:6ch"), std::string::npos) << "room for the widest number";
}

TEST(ServedPage, ScansTheServedTextAndCountsTheImagesOnlyOneSideNames)
{
    const PagesInMemory pages;
    const ReferenceList rendered = {{"http://h/dir/new.gif", "new.gif"}, {"http://h/dir/both.gif", "both.gif"}};
    const ServedPageWrite write = write_served_page(
        pages, "<img src=old.gif>\r\n<img src=both.gif><img src=more.gif>", "http://h/dir/page.html", rendered);
    EXPECT_TRUE(write.written.ok());
    EXPECT_EQ(write.difference, (ImageNamesDifference{1, 2}));
    EXPECT_EQ(image_difference_summary(write.difference),
              "Images: 1 only in the page as rendered, 2 only in the page as served");
    EXPECT_EQ(image_difference_summary({}), "");
    const std::string& listing = pages.text_of(WorkFile::Served);
    EXPECT_NE(listing.find("<a href='http://h/dir/old.gif'>old.gif</a>"), std::string::npos) << listing;
}

}
}
