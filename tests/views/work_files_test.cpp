#include "views/work_files.h"

#include "support/temp_directory.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>

namespace quillet {
namespace {

namespace fs = std::filesystem;
using test::read_file;
using test::write_file;
using test::TempDirectory;

std::vector<std::string> names_in(const fs::path& directory)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(directory))
        names.push_back(entry.path().filename().string());
    std::ranges::sort(names);
    return names;
}

bool names_file(const std::string& message, WorkFile file)
{
    return message.find(file_name_of(file)) != std::string::npos;
}

TEST(WorkFiles, NamesAndPaths)
{
    const std::vector<std::pair<WorkFile, std::string_view>> cases = {
        {WorkFile::Browser, "browser.txt"},
        {WorkFile::Source, "source.htm"},
        {WorkFile::Images, "images.htm"},
        {WorkFile::CheckImages, "checkImages.txt"},
        {WorkFile::CheckImagesClean, "checkImagesClean.txt"},
        {WorkFile::ImagePage, "imagepage.html"},
        {WorkFile::Served, "served.htm"},
    };
    const WorkFiles files("/program");
    for (const auto& [file, name] : cases) {
        EXPECT_EQ(file_name_of(file), name);
        EXPECT_EQ(files.path(file), fs::path("/program") / name);
    }
}

TEST(WorkFiles, CreateMissingGivesEachFileExactlyCrLf)
{
    TempDirectory directory;
    const WorkFiles files(directory.path());

    EXPECT_TRUE(files.create_missing().empty());

    EXPECT_EQ(names_in(directory.path()).size(), kAllWorkFiles.size());
    for (const WorkFile file : kAllWorkFiles)
        EXPECT_EQ(read_file(files.path(file)), "\r\n") << file_name_of(file);
}

TEST(WorkFiles, CreateMissingLeavesExistingFilesAndTheirTimesAlone)
{
    TempDirectory directory;
    const WorkFiles files(directory.path());
    write_file(files.path(WorkFile::Source), "kept source");
    write_file(files.path(WorkFile::CheckImages), "");
    const auto old_time = fs::file_time_type::clock::now() - std::chrono::hours(48);
    fs::last_write_time(files.path(WorkFile::Source), old_time);
    fs::last_write_time(files.path(WorkFile::CheckImages), old_time);

    EXPECT_TRUE(files.create_missing().empty());

    EXPECT_EQ(read_file(files.path(WorkFile::Source)), "kept source");
    EXPECT_EQ(read_file(files.path(WorkFile::CheckImages)), "");
    EXPECT_EQ(fs::last_write_time(files.path(WorkFile::Source)), old_time);
    EXPECT_EQ(fs::last_write_time(files.path(WorkFile::CheckImages)), old_time);
    EXPECT_EQ(read_file(files.path(WorkFile::ImagePage)), "\r\n");
}

TEST(WorkFiles, CreateMissingReportsEachFileInTableOrder)
{
    TempDirectory directory;
    const WorkFiles files(directory.path() / "missing");

    const std::vector<std::string> failures = files.create_missing();

    ASSERT_EQ(failures.size(), kAllWorkFiles.size());
    for (std::size_t i = 0; i < failures.size(); ++i)
        EXPECT_TRUE(names_file(failures[i], kAllWorkFiles[i])) << failures[i];
}

TEST(WorkFiles, WriteReplacesTheWholeFileWithTextAndCrLf)
{
    TempDirectory directory;
    const WorkFiles files(directory.path());
    write_file(files.path(WorkFile::Source), std::string(10000, 'x'));

    EXPECT_TRUE(files.write(WorkFile::Source, "short").ok());

    EXPECT_EQ(read_file(files.path(WorkFile::Source)), "short\r\n");
    EXPECT_EQ(names_in(directory.path()), std::vector<std::string>{"source.htm"});
}

TEST(WorkFiles, FailedWriteNamesTheFileAndKeepsItsContent)
{
    TempDirectory directory;
    const WorkFiles files(directory.path());
    fs::create_directory(files.path(WorkFile::Source));

    const std::string failure = files.write(WorkFile::Source, "text").failure_text();

    EXPECT_TRUE(names_file(failure, WorkFile::Source)) << failure;
    EXPECT_TRUE(fs::is_directory(files.path(WorkFile::Source)));
    EXPECT_EQ(names_in(directory.path()), std::vector<std::string>{"source.htm"});
}

TEST(WorkFiles, ResetEmptiesTheFourScratchFilesOnly)
{
    TempDirectory directory;
    const WorkFiles files(directory.path());
    for (const WorkFile file : kAllWorkFiles)
        write_file(files.path(file), "old content");

    EXPECT_TRUE(files.ResetWorkFiles().empty());

    for (const WorkFile file : {WorkFile::CheckImages, WorkFile::CheckImagesClean, WorkFile::Browser, WorkFile::Images})
        EXPECT_EQ(read_file(files.path(file)), "\r\n") << file_name_of(file);
    EXPECT_EQ(read_file(files.path(WorkFile::Source)), "old content");
    EXPECT_EQ(read_file(files.path(WorkFile::ImagePage)), "old content");
}

TEST(WorkFiles, ResetGoesOnAfterAFileThatCannotBeWritten)
{
    TempDirectory directory;
    const WorkFiles files(directory.path());
    files.create_missing();
    fs::remove(files.path(WorkFile::CheckImages));
    fs::create_directory(files.path(WorkFile::CheckImages));
    write_file(files.path(WorkFile::Images), "old");

    const std::vector<std::string> failures = files.ResetWorkFiles();

    ASSERT_EQ(failures.size(), 1u);
    EXPECT_TRUE(names_file(failures[0], WorkFile::CheckImages)) << failures[0];
    EXPECT_EQ(read_file(files.path(WorkFile::Images)), "\r\n");
}

// A run killed midway leaves the temporary file of its write or of its write check behind; the
// next start removes those, which bear the program's mark, and nothing else.
TEST(WorkFiles, RemoveLeftoversTakesOnlyTheProgramsOwnTemporaryFiles)
{
    TempDirectory directory;
    const WorkFiles files(directory.path());
    files.create_missing();
    for (const char* name : {".quillet-tmp-source.htm.a1B2c3", ".quillet-tmp-checkImages.txt.XXXXXX",
                             ".quillet-tmp-write-check-12345", ".quillet-tmp-write-check-12345.Zz9Yy8"})
        write_file(directory.path() / name, "torn");
    const std::vector<std::string> kept = {"images.htm.backup", "source.htm.orig1", "source.htm.a1B2c3",
                                           "checkImages.txt.XXXXXX", "notes.txt", ".quillet-tmp", ".quillet-probe-12345",
                                           "quillet-tmp-source.htm.a1B2c3"};
    for (const std::string& name : kept)
        write_file(directory.path() / name, "keep");
    fs::create_directory(directory.path() / ".quillet-tmp-folder");
    fs::create_symlink("source.htm", directory.path() / ".quillet-tmp-link");

    EXPECT_TRUE(files.remove_leftovers().empty());

    std::vector<std::string> expected = {"browser.txt", "checkImages.txt", "checkImagesClean.txt", "imagepage.html",
                                         "images.htm", ".quillet-tmp-folder", ".quillet-tmp-link", "served.htm", "source.htm"};
    expected.insert(expected.end(), kept.begin(), kept.end());
    std::ranges::sort(expected);
    EXPECT_EQ(names_in(directory.path()), expected);
    for (const std::string& name : kept)
        EXPECT_EQ(read_file(directory.path() / name), "keep") << name;
    EXPECT_EQ(read_file(files.path(WorkFile::Source)), "\r\n");
}

TEST(WorkDirectory, AWritableProgramDirectoryIsUsedAndLeftClean)
{
    TempDirectory directory;

    const WorkDirectoryChoice choice = choose_work_directory(directory.path(), directory.path() / "fallback");

    EXPECT_EQ(choice.directory, directory.path());
    EXPECT_FALSE(choice.fell_back);
    EXPECT_TRUE(names_in(directory.path()).empty());
}

TEST(WorkDirectory, WithoutAProgramDirectoryTheUserDirectoryIsCreatedAndUsedWithoutComplaint)
{
    TempDirectory directory;
    const fs::path user_directory = directory.path() / "data" / "Quillet";

    const WorkDirectoryChoice choice = choose_work_directory(std::nullopt, user_directory);

    EXPECT_EQ(choice.directory, user_directory);
    EXPECT_FALSE(choice.fell_back);
    EXPECT_TRUE(fs::is_directory(user_directory));
}

TEST(WorkDirectory, UnusableProgramDirectoriesFallBackToTheCreatedUserDirectory)
{
    TempDirectory directory;
    write_file(directory.path() / "regular-file", "x");
    const std::vector<fs::path> unusable = {
        directory.path() / "regular-file" / "program", // no user, root included, can create files here
        directory.path() / "does-not-exist",
    };
    for (const fs::path& program_directory : unusable) {
        const fs::path fallback = directory.path() / "user" / "data" / program_directory.filename();

        const WorkDirectoryChoice choice = choose_work_directory(program_directory, fallback);

        EXPECT_EQ(choice.directory, fallback);
        EXPECT_TRUE(choice.fell_back);
        EXPECT_TRUE(fs::is_directory(fallback));
    }
}

TEST(WorkDirectory, AReadOnlyProgramDirectoryFallsBack)
{
    TempDirectory directory;
    const fs::path program_directory = directory.path() / "read-only";
    fs::create_directory(program_directory);
    fs::permissions(program_directory, fs::perms::owner_read | fs::perms::owner_exec);
    if (std::FILE* probe = std::fopen((program_directory / "probe").c_str(), "wb")) {
        std::fclose(probe);
        GTEST_SKIP() << "this user can write to read-only directories";
    }

    const WorkDirectoryChoice choice = choose_work_directory(program_directory, directory.path() / "fallback");

    EXPECT_EQ(choice.directory, directory.path() / "fallback");
    EXPECT_TRUE(choice.fell_back);
}

}
}
