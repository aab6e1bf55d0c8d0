#include "analysis/all_images_scanner.h"
#include "analysis/image_link_scanner.h"
#include "analysis/image_tag_scanner.h"
#include "reference/reference_scanners.h"
#include "reference_printer.h"

#include <gtest/gtest.h>

#include <string>

namespace quillet {
namespace {

using namespace std::string_literals;

constexpr const char* kPage = "http://www.example.com/site/index.html";

ReferenceList image_tags(std::string_view text, std::string_view address = kPage)
{
    ReferenceList found;
    CollectImageTags(text, address, found);
    return found;
}

ReferenceList image_links(std::string_view text, std::string_view address = kPage)
{
    ReferenceList found;
    CollectImageLinks(text, address, found);
    return found;
}

ReferenceList literal_image_tags(std::string_view text, std::string_view address = kPage)
{
    ReferenceList found;
    reference::CollectImageTags(text, std::string(address), found);
    return found;
}

TEST(Robustness, EmptyPageAndAddress)
{
    EXPECT_TRUE(image_tags("", "").empty());
    EXPECT_TRUE(image_links("", "").empty());
    EXPECT_EQ(image_tags("<img src='a.gif'>", ""), (ReferenceList{{"/a.gif", "a.gif"}}));
}

TEST(Robustness, GarbageAddressesStillGiveEveryImage)
{
    const std::string addresses[] = {"::::", "http://", "//", "/", "?#", std::string("\0\xFF", 2), std::string(5000, '/')};
    for (const std::string& address : addresses) {
        const ReferenceList found = image_tags("<img src='a.gif'><img src='/b.gif'><img src='../c.gif'>", address);
        EXPECT_EQ(found.size(), 3u) << address;
    }
}

TEST(Robustness, NulBytesAndInvalidUtf8AreOrdinaryBytes)
{
    const std::string text = "\xFF\xFE<img src='a\0b.gif'>\0<IMG src='\xC3(.gif'>\n<img src='\xE2\x82.jpg'>"s;
    const ReferenceList found = image_tags(text);
    EXPECT_EQ(found, literal_image_tags(text));
    ASSERT_EQ(found.size(), 3u);
    EXPECT_EQ(found[0].file_name, "a\0b.gif"s);
    EXPECT_EQ(found[1].file_name, "\xC3(.gif");
}

TEST(Robustness, SeveralMegabyteLineWithTwentyThousandTags)
{
    std::string line;
    for (int i = 0; i < 20000; ++i)
        line += "<td><img src=\"p/" + std::to_string(i) + ".gif\" alt=\"" + std::string(150, 'x') + "\"></td>";
    ASSERT_GT(line.size(), 3'000'000u);

    const ReferenceList found = image_tags(line);
    ASSERT_EQ(found.size(), 20000u);
    EXPECT_EQ(found.back(), (Reference{"http://www.example.com/site/p/19999.gif", "19999.gif"}));
}

TEST(Robustness, TensOfThousandsOfLinksWithDuplicates)
{
    std::string text;
    for (int i = 0; i < 40000; ++i)
        text += "<a href='big/" + std::to_string(i % 25000) + ".jpg'>x</a>\r\n";
    const ReferenceList found = image_links(text);
    ASSERT_EQ(found.size(), 25000u);
    EXPECT_EQ(found[24999].file_name, "24999.jpg");
}

TEST(Robustness, UnclosedTagOverAHugeTail)
{
    const std::string text = "<img src='first.gif'>\n<img src=\"" + std::string(2'000'000, 'y') + "\n" + std::string(1000, 'z');
    const ReferenceList found = image_tags(text);
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[1].file_name.size(), 2'001'000u);
}

TEST(Robustness, HugeDataReferenceListedWhole)
{
    const std::string data = "data:image/png;base64," + std::string(1'000'000, 'Q');
    const ReferenceList found = image_tags("<img src=\"" + data + "\"> <img src=\"b.gif\">");
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0].url, data);
}

TEST(Robustness, MarkerCutByTheEndOfThePage)
{
    EXPECT_TRUE(image_tags("<im").empty());
    EXPECT_TRUE(image_tags("<img").empty());
    EXPECT_TRUE(image_tags("<img src=").empty());
    EXPECT_TRUE(image_links("<a ").empty());
    EXPECT_TRUE(image_links("<a href='a.gif'").empty());
}

// Markup built to make a scanner read it again and again: a tag of a hundred thousand
// attributes, a srcset of as many candidates, an unclosed comment and style block.
TEST(Robustness, AllImagesOfHostileMarkup)
{
    std::string attributes;
    std::string srcset;
    for (int i = 0; i < 100'000; ++i) {
        attributes += " a" + std::to_string(i) + "=x";
        srcset += "s.jpg " + std::to_string(i) + "w,";
    }
    const std::string text = "<img" + attributes + " src=a.gif srcset='" + srcset + "'>" +
                             "<style>" + std::string(500'000, '{') + " p{background:url(" + std::string(500'000, '(') +
                             "<!--" + std::string(500'000, '<');
    const NamedImages found = CollectNamedImages(text, kPage);
    ASSERT_EQ(found.images.size(), kNamedImageBound);
    EXPECT_EQ(found.left_out, 1u);
    EXPECT_EQ(found.images[0].file_name, "a.gif");
    EXPECT_EQ(found.images.back().descriptor, "99998w");
}

}
}
