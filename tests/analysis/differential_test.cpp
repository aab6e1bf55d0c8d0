#include "analysis/image_link_scanner.h"
#include "analysis/image_tag_scanner.h"
#include "page_generator.h"
#include "reference/reference_scanners.h"
#include "reference_printer.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace quillet {
namespace {

PageReferences scan(std::string_view page_text, std::string_view page_address)
{
    PageReferences found;
    CollectImageTags(page_text, page_address, found.image_tags);
    CollectImageLinks(page_text, page_address, found.image_links);
    return found;
}

PageReferences scan_literally(std::string_view page_text, std::string_view page_address)
{
    PageReferences found;
    reference::CollectImageTags(page_text, std::string(page_address), found.image_tags);
    reference::CollectImageLinks(page_text, std::string(page_address), found.image_links);
    return found;
}

class GeneratedPages : public testing::TestWithParam<std::uint32_t> { };

TEST_P(GeneratedPages, GiveTheLiteralLists)
{
    test::PageGenerator generator(GetParam());
    std::size_t tags = 0;
    std::size_t links = 0;
    for (int page_number = 0; page_number < 30; ++page_number) {
        const test::GeneratedPage page = generator.next();
        const PageReferences found = scan(page.text, page.address);
        const PageReferences literal = scan_literally(page.text, page.address);
        ASSERT_EQ(found.image_tags, literal.image_tags)
            << "page " << page_number << " at \"" << page.address << "\":\n" << page.text;
        ASSERT_EQ(found.image_links, literal.image_links)
            << "page " << page_number << " at \"" << page.address << "\":\n" << page.text;
        tags += found.image_tags.size();
        links += found.image_links.size();
    }
    // The pages must give the scanners real work, not only agree on empty lists.
    EXPECT_GT(tags, 200u);
    EXPECT_GT(links, 200u);
}

INSTANTIATE_TEST_SUITE_P(Seeds, GeneratedPages, testing::Values(20240611u, 1u, 2u, 3u));

// Whatever "/" or scheme the page address's query or fragment holds, the references resolve as
// the literal scan resolves them on the address without it.
TEST(GeneratedPagesWithQueries, GiveTheLiteralListsOfTheAddressWithoutQuery)
{
    constexpr std::string_view kSuffixes[] = {"?u=http://cdn.example/x/y", "?x=a/b#c/d", "#top/x", "?a=../../b"};
    test::PageGenerator generator(7u);
    std::size_t references = 0;
    for (int page_number = 0; page_number < 40; ++page_number) {
        const test::GeneratedPage page = generator.next();
        const std::string address = page.address + std::string(kSuffixes[page_number % std::size(kSuffixes)]);
        const std::string without_query = page.address.substr(0, page.address.find('?'));
        const PageReferences found = scan(page.text, address);
        ASSERT_EQ(found, scan_literally(page.text, without_query))
            << "page " << page_number << " at \"" << address << "\":\n" << page.text;
        references += found.image_tags.size() + found.image_links.size();
    }
    EXPECT_GT(references, 200u);
}

struct SavedPage {
    std::string file_name;
    std::string address;
    std::size_t least_tags;
    std::size_t least_links;
};

class SavedPages : public testing::TestWithParam<SavedPage> { };

std::string read_page(const std::string& file_name)
{
    return test::read_file(std::filesystem::path(QUILLET_ANALYSIS_PAGES_DIR) / file_name);
}

TEST_P(SavedPages, GiveTheLiteralLists)
{
    const SavedPage& page = GetParam();
    const std::string text = read_page(page.file_name);
    ASSERT_FALSE(text.empty()) << page.file_name;

    const PageReferences found = scan(text, page.address);
    EXPECT_EQ(found, scan_literally(text, page.address));
    EXPECT_GE(found.image_tags.size(), page.least_tags);
    EXPECT_GE(found.image_links.size(), page.least_links);
}

INSTANTIATE_TEST_SUITE_P(Table, SavedPages, testing::Values(
    SavedPage{"gallery.html", "http://www.example.com/photos/2003/index.html", 8, 6},
    SavedPage{"news.html", "http://news.example.net/world/story.php?id=42", 6, 2},
    SavedPage{"homepage.html", "http://hometown.aol.com/janedoe/index.htm", 5, 3}),
    [](const testing::TestParamInfo<SavedPage>& info) { return info.param.file_name.substr(0, info.param.file_name.find('.')); });

}
}
