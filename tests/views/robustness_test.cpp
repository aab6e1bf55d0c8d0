#include "views/page_views_update.h"
#include "views/pages_in_memory.h"
#include "views/served_page.h"

#include "analysis/output_bounds.h"

#include "support/text_counts.h"

#include <gtest/gtest.h>

namespace quillet {
namespace {

using test::has_line_break;
using test::occurrences;

constexpr std::string_view kPageAddress = "http://www.example.com/site/index.html";

std::string image_tags(std::size_t count, std::string_view separator)
{
    std::string page;
    for (std::size_t i = 0; i < count; ++i)
        page += "<img src='pics/i" + std::to_string(i) + ".gif'>" + std::string(separator);
    return page;
}

// A run that keeps what it writes in memory.
struct PageAnalysis {
    PagesInMemory pages;
    PageViewsUpdate update;
    const PageReferences& references = update.references;
    const LeftOutEntries& left_out = update.left_out;
    const std::string& source_page = pages.text_of(WorkFile::Source);
    const std::string& image_page = pages.text_of(WorkFile::ImagePage);

    PageAnalysis(std::string_view page_text, std::string_view base_address)
        : update(update_page_views(pages, page_text, base_address))
    {
    }
};

// What every generated page must keep, whatever the page held.
void expect_sound(const PageAnalysis& analysis)
{
    EXPECT_FALSE(has_line_break(analysis.source_page));
    EXPECT_EQ(occurrences(analysis.source_page, "<a href='"), occurrences(analysis.source_page, "</a>"));
    EXPECT_EQ(occurrences(analysis.image_page, "<img src='"),
              analysis.references.image_tags.size() - analysis.left_out.images);
    EXPECT_FALSE(has_line_break(analysis.image_page));
}

TEST(Robustness, AnEmptyPageGivesEmptyViews)
{
    const PageAnalysis analysis("", kPageAddress);

    EXPECT_EQ(analysis.references, PageReferences{});
    EXPECT_EQ(analysis.source_page, "");
    EXPECT_EQ(analysis.image_page, "");
}

TEST(Robustness, TensOfThousandsOfTagsAreAllListedAndLinked)
{
    for (const std::string_view separator : {"\r\n", " "}) {
        const PageAnalysis analysis(image_tags(30000, separator), kPageAddress);

        ASSERT_EQ(analysis.references.image_tags.size(), 30000u);
        EXPECT_EQ(analysis.references.image_tags[29999].url, "http://www.example.com/site/pics/i29999.gif");
        EXPECT_EQ(occurrences(analysis.source_page, "</a>"), 30000u);
        expect_sound(analysis);
    }
}

TEST(Robustness, NulBytesAndInvalidUtf8PassThrough)
{
    const std::string page = std::string("\0<p>\xff\xfe\xc3(", 8) + "<img src='a\xc0.gif'>" + std::string(3, '\0');

    const PageAnalysis analysis(page, kPageAddress);

    ASSERT_EQ(analysis.references.image_tags.size(), 1u);
    EXPECT_EQ(analysis.references.image_tags[0].file_name, "a\xc0.gif");
    EXPECT_NE(analysis.source_page.find(std::string("\0&lt;p>\xff\xfe\xc3(", 11)), std::string::npos);
    EXPECT_NE(analysis.source_page.find(">a\xc0.gif</a>"), std::string::npos);
    expect_sound(analysis);
}

std::size_t list_bytes(const ReferenceList& list)
{
    std::size_t bytes = 0;
    for (const Reference& entry : list)
        bytes += entry.url.size() + entry.file_name.size() + entry.written_name.size();
    return bytes;
}

// A long address repeated in every link and every list entry must not make a small page huge.
TEST(Robustness, ALongAddressKeepsEveryOutputWithinItsBound)
{
    const std::string long_address = "http://www.example.com/" + std::string(4000, 'd') + "/page.html";
    struct Page {
        const char* title;
        std::string text;
    };
    std::string words;
    std::string lines;
    for (int i = 0; i < 100'000; ++i) {
        words += "e ";
        lines += "e\n";
    }
    const std::vector<Page> pages = {
        {"one short name that the text holds everywhere", words + "<img src=\"e\">"},
        {"one short name on every line", lines + "<img src=\"e\">"},
        {"a hundred thousand image tags", image_tags(100'000, "")},
    };
    for (const Page& page : pages) {
        const PageAnalysis analysis(page.text, long_address);
        const PagesInMemory served_pages;
        const ServedPageWrite served =
            write_served_page(served_pages, page.text, long_address, analysis.references.image_tags);
        EXPECT_LE(served_pages.text_of(WorkFile::Served).size(), generated_page_bound(page.text.size())) << page.title;
        EXPECT_GT(served.left_out, 0u) << page.title;

        EXPECT_LE(list_bytes(analysis.references.image_tags), reference_list_bound(page.text.size())) << page.title;
        EXPECT_LE(analysis.source_page.size(), generated_page_bound(page.text.size())) << page.title;
        EXPECT_LE(analysis.image_page.size(), generated_page_bound(page.text.size())) << page.title;
        EXPECT_GT(analysis.left_out.references + analysis.left_out.links + analysis.left_out.images, 0u) << page.title;
        expect_sound(analysis);
    }
}

TEST(Robustness, OneLongLineWithoutTagsIsEscapedWhole)
{
    const std::string page(4'000'000, '<');

    const PageAnalysis analysis(page, kPageAddress);

    EXPECT_EQ(analysis.source_page.size(), 4 * page.size());
    expect_sound(analysis);
}

}
}
