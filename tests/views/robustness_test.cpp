#include "views/page_analysis.h"

#include <gtest/gtest.h>

namespace quillet {
namespace {

constexpr std::string_view kPageAddress = "http://www.example.com/site/index.html";

std::size_t occurrences(std::string_view text, std::string_view part)
{
    std::size_t count = 0;
    for (auto at = text.find(part); at != std::string_view::npos; at = text.find(part, at + part.size()))
        ++count;
    return count;
}

std::string image_tags(std::size_t count, std::string_view separator)
{
    std::string page;
    for (std::size_t i = 0; i < count; ++i)
        page += "<img src='pics/i" + std::to_string(i) + ".gif'>" + std::string(separator);
    return page;
}

// What every generated page must keep, whatever the page held.
void expect_sound(const PageAnalysis& analysis)
{
    EXPECT_EQ(analysis.source_page.find_first_of("\r\n"), std::string::npos);
    EXPECT_EQ(occurrences(analysis.source_page, "<a href='"), occurrences(analysis.source_page, "</a>"));
    EXPECT_EQ(occurrences(analysis.image_page, "<img src='"), analysis.references.image_tags.size());
    EXPECT_EQ(analysis.image_page.find_first_of("\r\n"), std::string::npos);
}

TEST(Robustness, AnEmptyPageGivesEmptyViews)
{
    const PageAnalysis analysis = analyse_page("", kPageAddress);

    EXPECT_EQ(analysis.references, PageReferences{});
    EXPECT_EQ(analysis.source_page, "");
    EXPECT_EQ(analysis.image_page, "");
}

TEST(Robustness, TensOfThousandsOfTagsAreAllListedAndLinked)
{
    for (const std::string_view separator : {"\r\n", " "}) {
        const PageAnalysis analysis = analyse_page(image_tags(30000, separator), kPageAddress);

        ASSERT_EQ(analysis.references.image_tags.size(), 30000u);
        EXPECT_EQ(analysis.references.image_tags[29999].url, "http://www.example.com/site/pics/i29999.gif");
        EXPECT_EQ(occurrences(analysis.source_page, "</a>"), 30000u);
        expect_sound(analysis);
    }
}

TEST(Robustness, NulBytesAndInvalidUtf8PassThrough)
{
    const std::string page = std::string("\0<p>\xff\xfe\xc3(", 8) + "<img src='a\xc0.gif'>" + std::string(3, '\0');

    const PageAnalysis analysis = analyse_page(page, kPageAddress);

    ASSERT_EQ(analysis.references.image_tags.size(), 1u);
    EXPECT_EQ(analysis.references.image_tags[0].file_name, "a\xc0.gif");
    EXPECT_NE(analysis.source_page.find(std::string("\0&lt;p>\xff\xfe\xc3(", 11)), std::string::npos);
    EXPECT_NE(analysis.source_page.find(">a\xc0.gif</a>"), std::string::npos);
    expect_sound(analysis);
}

TEST(Robustness, OneLongLineWithoutTagsIsEscapedWhole)
{
    const std::string page(4'000'000, '<');

    const PageAnalysis analysis = analyse_page(page, kPageAddress);

    EXPECT_EQ(analysis.source_page.size(), 4 * page.size());
    expect_sound(analysis);
}

}
}
