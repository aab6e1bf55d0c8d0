#include "views/page_views_update.h"

#include "views/image_page.h"
#include "views/pages_in_memory.h"
#include "views/work_files.h"
#include "views/source_page.h"

#include "support/temp_directory.h"
#include "support/test_files.h"
#include "support/text_counts.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace quillet {
namespace {

namespace fs = std::filesystem;
using test::occurrences;
using test::read_file;
using test::write_file;

constexpr std::string_view kPageAddress = "http://www.example.com/site/index.html";
constexpr std::string_view kPageWithImages =
    "<p>Logo: <img src='pics/logo.gif' width=10>\r\n<a href='photos/big.jpg'>Big</a> logo.gif</p>";

const PageReferences kReferencesOfPageWithImages = {
    {{"http://www.example.com/site/photos/big.jpg", "big.jpg"}},
    {{"http://www.example.com/site/pics/logo.gif", "logo.gif"}},
};

class PageViewsUpdateTest : public ::testing::Test {
protected:
    PageViewsUpdateTest() { files.create_missing(); }

    std::string contents(WorkFile file) const { return read_file(files.path(file)); }

    void expect_scratch_files_reset() const
    {
        for (const WorkFile file : {WorkFile::CheckImages, WorkFile::CheckImagesClean, WorkFile::Browser, WorkFile::Images})
            EXPECT_EQ(contents(file), "\r\n") << file_name_of(file);
    }

    test::TempDirectory directory;
    WorkFiles files{directory.path()};
};

TEST_F(PageViewsUpdateTest, WritesBothViewsAndResetsTheScratchFiles)
{
    write_file(files.path(WorkFile::Browser), "stale");
    write_file(files.path(WorkFile::Images), "stale");

    const PageViewsUpdate update = update_page_views(files, kPageWithImages, kPageAddress);

    EXPECT_TRUE(update.failures.empty());
    EXPECT_EQ(update.references, kReferencesOfPageWithImages);
    const std::string source = contents(WorkFile::Source);
    EXPECT_EQ(source, build_source_page(kPageWithImages, update.references).html + "\r\n");
    EXPECT_EQ(occurrences(source, ">logo.gif</a>"), 2u);
    EXPECT_EQ(occurrences(source, ">big.jpg</a>"), 1u);
    EXPECT_EQ(contents(WorkFile::ImagePage), build_image_page(update.references.image_tags, 0).html + "\r\n");
    expect_scratch_files_reset();
}

// The engine's base address wins; without one the run takes the text's first <base href>.
TEST_F(PageViewsUpdateTest, ResolvesAgainstTheEngineBaseOrElseTheTextsOwn)
{
    const std::string page = "<base href='/other/'>" + std::string(kPageWithImages);
    const auto logo_address = [&](std::optional<std::string_view> engine_base) {
        return update_page_views(files, page, kPageAddress, engine_base).references.image_tags.at(0).url;
    };
    EXPECT_EQ(logo_address(std::nullopt), "http://www.example.com/other/pics/logo.gif");
    EXPECT_EQ(logo_address("http://cdn.example.net/a/"), "http://cdn.example.net/a/pics/logo.gif");
}

TEST_F(PageViewsUpdateTest, APageWithoutImagesLeavesTheImagePageEmpty)
{
    update_page_views(files, kPageWithImages, kPageAddress);

    const PageViewsUpdate update = update_page_views(files, "<p>plain & simple</p>", kPageAddress);

    EXPECT_TRUE(update.failures.empty());
    EXPECT_EQ(update.references, PageReferences{});
    EXPECT_EQ(contents(WorkFile::Source), "&lt;p>plain &amp; simple&lt;/p>\r\n");
    EXPECT_EQ(contents(WorkFile::ImagePage), "\r\n");
    expect_scratch_files_reset();
}

TEST_F(PageViewsUpdateTest, AnEmptyPageStillWritesEveryFile)
{
    update_page_views(files, kPageWithImages, kPageAddress);

    const PageViewsUpdate update = update_page_views(files, "", kPageAddress);

    EXPECT_TRUE(update.failures.empty());
    EXPECT_EQ(contents(WorkFile::Source), "\r\n");
    EXPECT_EQ(contents(WorkFile::ImagePage), "\r\n");
    expect_scratch_files_reset();
}

TEST_F(PageViewsUpdateTest, TwoRunsGiveIdenticalFilesWithoutDuplicates)
{
    const PageViewsUpdate first = update_page_views(files, kPageWithImages, kPageAddress);
    const std::string first_source = contents(WorkFile::Source);
    const std::string first_image_page = contents(WorkFile::ImagePage);

    const PageViewsUpdate second = update_page_views(files, kPageWithImages, kPageAddress);

    EXPECT_EQ(second.references, first.references);
    EXPECT_EQ(contents(WorkFile::Source), first_source);
    EXPECT_EQ(contents(WorkFile::ImagePage), first_image_page);
}

TEST_F(PageViewsUpdateTest, AFileThatCannotBeWrittenDoesNotStopTheOthers)
{
    fs::remove(files.path(WorkFile::ImagePage));
    fs::create_directory(files.path(WorkFile::ImagePage));

    const PageViewsUpdate update = update_page_views(files, kPageWithImages, kPageAddress);

    ASSERT_EQ(update.failures.size(), 1u);
    EXPECT_NE(update.failures[0].find("imagepage.html"), std::string::npos) << update.failures[0];
    EXPECT_EQ(update.references, kReferencesOfPageWithImages);
    EXPECT_EQ(contents(WorkFile::Source), build_source_page(kPageWithImages, update.references).html + "\r\n");
    expect_scratch_files_reset();
}

TEST(PageViewsUpdate, AMissingDirectoryReportsEveryWriteAndStillScans)
{
    test::TempDirectory directory;
    const WorkFiles files(directory.path() / "gone");

    const PageViewsUpdate update = update_page_views(files, kPageWithImages, kPageAddress);

    const std::vector<std::string_view> expected_order = {"imagepage.html", "source.htm", "checkImages.txt",
                                                          "checkImagesClean.txt", "browser.txt", "images.htm"};
    ASSERT_EQ(update.failures.size(), expected_order.size());
    for (std::size_t i = 0; i < expected_order.size(); ++i)
        EXPECT_NE(update.failures[i].find(expected_order[i]), std::string::npos) << update.failures[i];
    EXPECT_EQ(update.references, kReferencesOfPageWithImages);
    EXPECT_FALSE(fs::exists(directory.path() / "gone"));
}

TEST(PageViewsUpdate, InMemoryTheRunWritesWhatItWritesToTheFiles)
{
    test::TempDirectory directory;
    const WorkFiles files(directory.path());
    const PagesInMemory pages;

    const PageViewsUpdate in_memory = update_page_views(pages, kPageWithImages, kPageAddress);
    const PageViewsUpdate on_disk = update_page_views(files, kPageWithImages, kPageAddress);

    EXPECT_EQ(in_memory.references, on_disk.references);
    for (const WorkFile file : kAllWorkFiles) {
        if (file == WorkFile::Served)
            continue; // written from the served page, which the window alone has
        EXPECT_EQ(read_file(files.path(file)), pages.text_of(file) + "\r\n") << file_name_of(file);
    }
}

}
}
