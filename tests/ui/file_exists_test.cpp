#include "ui/file_exists.h"

#include "support/temp_directory.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace quillet {
namespace {

void touch(const std::filesystem::path& file)
{
    std::ofstream(file) << "x\r\n";
}

struct ExistsCase {
    std::string relative_path;
    bool exists;
};

class FileExistsOnThisFileSystem : public testing::TestWithParam<ExistsCase> {
protected:
    void SetUp() override
    {
        const std::filesystem::path& dir = m_directory.path();
        touch(dir / "file.txt");
        touch(dir / "other.txt");
        touch(dir / ".hidden");
        touch(dir / "back\\slash.htm");
        std::filesystem::create_directory(dir / "folder");
        touch(dir / "folder" / "inner.htm");
        std::filesystem::create_symlink(dir / "file.txt", dir / "link.txt");
        std::filesystem::create_symlink(dir / "folder", dir / "folder-link");
    }

    test::TempDirectory m_directory;
};

TEST_P(FileExistsOnThisFileSystem, AnswersForOrdinaryFilesOnly)
{
    const std::string path = (m_directory.path() / GetParam().relative_path).string();
    EXPECT_EQ(FileExists(path), GetParam().exists) << path;
}

INSTANTIATE_TEST_SUITE_P(
    Paths, FileExistsOnThisFileSystem,
    testing::Values(ExistsCase{"file.txt", true},
                    ExistsCase{"folder/inner.htm", true},
                    ExistsCase{"folder/../file.txt", true},
                    ExistsCase{"link.txt", true},
                    ExistsCase{"back\\slash.htm", true},
                    // Names are case-sensitive here: this path cannot be opened, so it does not exist.
                    ExistsCase{"FILE.TXT", false},
                    ExistsCase{"*.txt", false},
                    ExistsCase{"file.tx?", false},
                    ExistsCase{".hidden", false},
                    ExistsCase{"folder", false},
                    ExistsCase{"folder/", false},
                    ExistsCase{"folder-link", false},
                    ExistsCase{"missing.txt", false},
                    ExistsCase{"file.txt/", false},
                    ExistsCase{"file.txt/inner.htm", false}));

TEST(FileExists, EmptyOrImpossiblePathIsFalse)
{
    EXPECT_FALSE(FileExists(""));
    EXPECT_FALSE(FileExists("/"));
    EXPECT_FALSE(FileExists(std::string(5000, 'a')));
}

struct NameCase {
    std::string path;
    std::string name;
};

class FileNamePartOfPath : public testing::TestWithParam<NameCase> {};

TEST_P(FileNamePartOfPath, IsTheTextAfterTheLastSlash)
{
    EXPECT_EQ(FileNamePart(GetParam().path), GetParam().name);
}

INSTANTIATE_TEST_SUITE_P(Paths, FileNamePartOfPath,
                         testing::Values(NameCase{"/a/b/c.htm", "c.htm"},
                                         NameCase{"c.htm", "c.htm"},
                                         NameCase{"", ""},
                                         NameCase{"/", ""},
                                         NameCase{"/a/b/", ""},
                                         NameCase{"a//c.htm", "c.htm"},
                                         NameCase{"C:\\a\\c.htm", "C:\\a\\c.htm"},
                                         NameCase{"/a/b\\c.htm", "b\\c.htm"},
                                         NameCase{"/a/.hidden", ".hidden"}));

}
}
