#include "analysis/image_link_scanner.h"
#include "analysis/image_tag_scanner.h"
#include "reference/reference_scanners.h"
#include "scanner_case.h"

#include <gtest/gtest.h>

namespace quillet {
namespace {

using test::ScannerCase;

constexpr const char* kGallery = "http://www.example.com/gallery/";

std::string in_gallery(std::string_view reference)
{
    return kGallery + std::string(reference);
}

class ImageLinks : public testing::TestWithParam<ScannerCase> { };

TEST_P(ImageLinks, ListsLinksOnLinesNamingImages)
{
    const ScannerCase& c = GetParam();
    ReferenceList found;
    CollectImageLinks(c.page_text, c.page_address, found);
    EXPECT_EQ(found, c.expected);

    ReferenceList literal;
    reference::CollectImageLinks(c.page_text, c.page_address, literal);
    EXPECT_EQ(literal, c.literal.value_or(c.expected));
}

INSTANTIATE_TEST_SUITE_P(LikeLiteral, ImageLinks, testing::Values(
    ScannerCase{"WorkedExample", kGallery, "<a href='photos/big.jpg'>Big</a>",
        {{in_gallery("photos/big.jpg"), "big.jpg"}}},
    ScannerCase{"ThumbnailMakesPageLinkCount", kGallery, "<a href='page.html'><img src='thumb.gif'></a>",
        {{in_gallery("page.html"), "page.html"}}},
    ScannerCase{"ExtensionInAnyCase", kGallery, "<a href=\"report.JPG\">R</a> <a href='x.Bmp'>",
        {{in_gallery("report.JPG"), "report.JPG"}, {in_gallery("x.Bmp"), "x.Bmp"}}},
    ScannerCase{"CapitalAnchor", kGallery, "<A HREF='c.jpeg'>C</A>", {{in_gallery("c.jpeg"), "c.jpeg"}}},
    ScannerCase{"AnchorFollowedByLineBreakNotFound", kGallery, "<a\nhref='c.gif'>C</a>", {}},
    ScannerCase{"OtherFilesNotListed", kGallery, "<a href='page.html'>Page</a>\n<a href='p.png'>P</a>", {}},
    ScannerCase{"ScriptPathRemoved", kGallery, "<a href='/CGI-BIN/I/pics/z.gif'>Z</a>",
        {{"http://www.example.com/pics/z.gif", "z.gif"}}},
    ScannerCase{"SameFileLinkedTwice", kGallery, "<a href='a.gif'>1</a>\n<a href='other/a.gif'>2</a>",
        {{in_gallery("a.gif"), "a.gif"}}},
    ScannerCase{"NamedAnchorWithoutTarget", kGallery, "<a name='top'><img src='t.gif'></a>", {}},
    ScannerCase{"QuotedAngleBracketAfterHref", kGallery, "<a href=\"b.jpg\" title=\"x>y\">B</a>",
        {{in_gallery("b.jpg"), "b.jpg"}}}),
    test::case_name);

INSTANTIATE_TEST_SUITE_P(UnlikeLiteral, ImageLinks, testing::Values(
    ScannerCase{"AngleBracketBeforeHrefSkipped", kGallery,
        "<a name='top'>Top</a> <link href='pic.gif'>\n<a href='b.gif'>B</a>",
        {{in_gallery("b.gif"), "b.gif"}}, ReferenceList{}},
    ScannerCase{"UnquotedTargetWhole", kGallery, "<a href=big.jpg title=x>B</a> <a href=c.gif>",
        {{in_gallery("big.jpg"), "big.jpg"}, {in_gallery("c.gif"), "c.gif"}},
        ReferenceList{{in_gallery("big.jpg "), "big.jpg "}, {kGallery, ""}}},
    ScannerCase{"BlankBeforeQuotedTarget", kGallery, "<a href= 'a.jpg'>A</a>",
        {{in_gallery("a.jpg"), "a.jpg"}}, ReferenceList{{in_gallery(" "), " "}}},
    ScannerCase{"TagOverSeveralLines", kGallery, "<a href='big.jpg'\n title='x'>Big</a>\n<a title='one\ntwo' href='c.gif'>",
        {{in_gallery("big.jpg"), "big.jpg"}, {in_gallery("c.gif"), "c.gif"}}, ReferenceList{}},
    ScannerCase{"MailLinkKept", kGallery, "<a href='mailto:me@example.com'><img src='mail.gif'></a>",
        {{"mailto:me@example.com", "mailto:me@example.com"}},
        ReferenceList{{in_gallery("mailto:me@example.com"), "mailto:me@example.com"}}},
    ScannerCase{"SecureLinkKept", kGallery, "<a href='https://x.example.org/big.jpg'>",
        {{"https://x.example.org/big.jpg", "big.jpg"}},
        ReferenceList{{in_gallery("https://x.example.org/big.jpg"), "big.jpg"}}},
    ScannerCase{"ParentDirectory", "http://www.example.com/gallery/2001/index.html", "<a href='../big.jpg'>",
        {{"http://www.example.com/gallery/big.jpg", "big.jpg"}},
        ReferenceList{{"http://www.example.com/gallery/2001/big.jpg", "big.jpg"}}},
    ScannerCase{"DecodedTarget", kGallery, "<a href='show.php?f=big.jpg&amp;w=2'>",
        {{in_gallery("show.php?f=big.jpg&w=2"), "show.php?f=big.jpg&w=2", "show.php?f=big.jpg&amp;w=2"}},
        ReferenceList{{in_gallery("show.php?f=big.jpg&amp;w=2"), "show.php?f=big.jpg&amp;w=2"}}},
    ScannerCase{"QuotedAngleBracketBeforeHref", kGallery,
        "<a title=\"x>y\" href=\"b.jpg\">B</a>\n<a title='>' href='c.gif'>\n<a title=\"big.gif\"\nhref='d>e.jpg'>",
        {{in_gallery("b.jpg"), "b.jpg"}, {in_gallery("c.gif"), "c.gif"}, {in_gallery("d>e.jpg"), "d>e.jpg"}}, ReferenceList{}},
    ScannerCase{"QueryOfThePageNoDirectory", "http://h.example/g/show.php?dir=/photos/2001#x/y", "<a href='big.jpg'>",
        {{"http://h.example/g/big.jpg", "big.jpg"}},
        ReferenceList{{"http://h.example/g/show.php?dir=/photos/2001#x/big.jpg", "big.jpg"}}},
    ScannerCase{"SchemeInsideQueryResolved", kGallery, "<a href='go?to=http://x.example.net/big.jpg'>",
        {{in_gallery("go?to=http://x.example.net/big.jpg"), "big.jpg"}},
        ReferenceList{{"go?to=http://x.example.net/big.jpg", "big.jpg"}}}),
    test::case_name);

TEST(ImageLinks, ShownAndLinkedImageListedInBothPairs)
{
    const std::string page = "<a href='big.jpg'><img src='big.jpg'></a>";
    PageReferences found;
    CollectImageTags(page, kGallery, found.image_tags);
    CollectImageLinks(page, kGallery, found.image_links);
    const ReferenceList both{{in_gallery("big.jpg"), "big.jpg"}};
    EXPECT_EQ(found, (PageReferences{both, both}));
}

}
}
