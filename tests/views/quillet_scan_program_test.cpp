#include "views/page_views_update.h"
#include "views/source_page.h"
#include "views/work_files.h"

#include "file_contents.h"
#include "support/temp_directory.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sys/wait.h>

namespace quillet {
namespace {

namespace fs = std::filesystem;
using test::file_contents;
using test::put_file;

constexpr std::string_view kPageAddress = "http://www.example.com/site/index.html";
constexpr std::string_view kPage = "<p><img src='pics/logo.gif'>\r\n<a href='photos/big.jpg'>Big</a></p>";
constexpr std::string_view kListing = "img\thttp://www.example.com/site/pics/logo.gif\tlogo.gif\n"
                                      "link\thttp://www.example.com/site/photos/big.jpg\tbig.jpg\n";

std::string quoted(const fs::path& path)
{
    return "'" + path.string() + "'";
}

struct ProgramRun {
    int exit_code = -1;
    std::string out;
    std::string err;
};

class QuilletScanProgram : public ::testing::Test {
protected:
    QuilletScanProgram()
    {
        fs::create_directory(work_directory);
        put_file(page_file, kPage);
    }

    // Runs quillet-scan through the shell with `arguments`, reading `input` as standard input.
    ProgramRun run(const std::string& arguments, const std::string& output = "", const fs::path& input = "/dev/null")
    {
        const fs::path out = directory.path() / "out";
        const fs::path err = directory.path() / "err";
        const std::string command = std::string("'" QUILLET_SCAN_PROGRAM "' ") + arguments + " <" + quoted(input) +
                                    " >" + (output.empty() ? quoted(out) : output) + " 2>" + quoted(err);
        const int status = std::system(command.c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, file_contents(out), file_contents(err)};
    }

    std::string scan_arguments() const
    {
        return "--page-address " + std::string(kPageAddress) + " --work-dir " + quoted(work_directory);
    }

    void expect_work_files_as_the_browser_leaves_them() const
    {
        const WorkFiles files(work_directory);
        const PageReferences references = scan_page(kPage, kPageAddress).references;
        EXPECT_EQ(file_contents(files.path(WorkFile::Source)), build_source_page(kPage, references).html + "\r\n");
        EXPECT_NE(file_contents(files.path(WorkFile::ImagePage)).find("<img src='http://www.example.com/site/pics/logo.gif'>"),
                  std::string::npos);
        for (const WorkFile file : {WorkFile::CheckImages, WorkFile::CheckImagesClean, WorkFile::Browser, WorkFile::Images})
            EXPECT_EQ(file_contents(files.path(file)), "\r\n") << file_name_of(file);
    }

    test::TempDirectory directory;
    fs::path work_directory = directory.path() / "work";
    fs::path page_file = directory.path() / "page.html";
};

TEST_F(QuilletScanProgram, ScansAFileIntoTheWorkDirectory)
{
    const ProgramRun result = run(scan_arguments() + " " + quoted(page_file));

    EXPECT_EQ(result.exit_code, 0) << result.err;
    EXPECT_EQ(result.out, kListing);
    EXPECT_EQ(result.err, "");
    expect_work_files_as_the_browser_leaves_them();
}

TEST_F(QuilletScanProgram, ReadsStandardInputWithoutFileOrWithDash)
{
    for (const std::string file_argument : {"", " -"}) {
        const ProgramRun result = run(scan_arguments() + file_argument, "", page_file);

        EXPECT_EQ(result.exit_code, 0) << result.err;
        EXPECT_EQ(result.out, kListing);
        expect_work_files_as_the_browser_leaves_them();
    }
}

TEST_F(QuilletScanProgram, PrintsJson)
{
    const ProgramRun result = run(scan_arguments() + " --json " + quoted(page_file));

    EXPECT_EQ(result.exit_code, 0) << result.err;
    EXPECT_EQ(result.out,
              R"({"imageTags": [{"url": "http://www.example.com/site/pics/logo.gif", "fileName": "logo.gif"}], )"
              R"("imageLinks": [{"url": "http://www.example.com/site/photos/big.jpg", "fileName": "big.jpg"}]})"
              "\n");
}

// The window resolves against the base address the engine reports; a saved page tells it by its
// own <base href>, and both give the same lists.
TEST_F(QuilletScanProgram, ResolvesAgainstTheFirstBaseHref)
{
    put_file(page_file, "<head><base href='/assets/'></head><body>" + std::string(kPage) + "</body>");

    const ProgramRun result = run(scan_arguments() + " " + quoted(page_file));

    EXPECT_EQ(result.exit_code, 0) << result.err;
    EXPECT_EQ(result.out, "img\thttp://www.example.com/assets/pics/logo.gif\tlogo.gif\n"
                          "link\thttp://www.example.com/assets/photos/big.jpg\tbig.jpg\n");
}

TEST_F(QuilletScanProgram, SaysWhatTheBoundsLeftOutAndStillSucceeds)
{
    std::string page;
    for (int i = 0; i < 20'000; ++i)
        page += "<img src='" + std::to_string(i) + "'>";
    put_file(page_file, page);
    const std::string long_address = "http://www.example.com/" + std::string(8000, 'd') + "/";

    const ProgramRun result =
        run("--page-address " + long_address + " --work-dir " + quoted(work_directory) + " " + quoted(page_file));

    EXPECT_EQ(result.exit_code, 0) << result.err;
    EXPECT_TRUE(result.err.starts_with("quillet-scan: Page too large to show whole: ")) << result.err;
    EXPECT_NE(result.err.find(" references"), std::string::npos) << result.err;
}

TEST_F(QuilletScanProgram, RefusesBadArgumentsWithUsage)
{
    const std::vector<std::string> cases = {"", quoted(page_file), "--page-address", "--page-address u --bogus",
                                            "--page-address u a b"};
    for (const std::string& arguments : cases) {
        const ProgramRun result = run(arguments);

        EXPECT_EQ(result.exit_code, 2) << arguments;
        EXPECT_NE(result.err.find("usage: quillet-scan"), std::string::npos) << arguments;
        EXPECT_EQ(result.out, "") << arguments;
    }
    const ProgramRun help = run("--help");
    EXPECT_EQ(help.exit_code, 2);
    EXPECT_NE(help.out.find("usage: quillet-scan"), std::string::npos);
}

TEST_F(QuilletScanProgram, AMissingPageFileIsNamedAndNothingIsWritten)
{
    const fs::path missing = directory.path() / "missing.html";

    const ProgramRun result = run(scan_arguments() + " " + quoted(missing));

    EXPECT_EQ(result.exit_code, 1);
    EXPECT_NE(result.err.find(missing.string()), std::string::npos) << result.err;
    EXPECT_TRUE(fs::is_empty(work_directory));
}

TEST_F(QuilletScanProgram, AMissingWorkDirectoryIsNamed)
{
    const fs::path missing = directory.path() / "no-such-dir";

    const ProgramRun result = run("--page-address u --work-dir " + quoted(missing) + " " + quoted(page_file));

    EXPECT_EQ(result.exit_code, 1);
    EXPECT_NE(result.err.find(missing.string()), std::string::npos) << result.err;
    EXPECT_FALSE(fs::exists(missing));
}

TEST_F(QuilletScanProgram, AWorkFileThatCannotBeWrittenIsNamed)
{
    fs::create_directory(work_directory / "source.htm");

    const ProgramRun result = run(scan_arguments() + " " + quoted(page_file));

    EXPECT_EQ(result.exit_code, 1);
    EXPECT_NE(result.err.find("source.htm"), std::string::npos) << result.err;
    EXPECT_EQ(result.out, kListing);
    EXPECT_TRUE(fs::is_directory(work_directory / "source.htm"));
    EXPECT_EQ(file_contents(work_directory / "checkImages.txt"), "\r\n");
}

TEST_F(QuilletScanProgram, AFailingStandardOutputIsReported)
{
    const ProgramRun result = run(scan_arguments() + " " + quoted(page_file), "/dev/full");

    EXPECT_EQ(result.exit_code, 1);
    EXPECT_NE(result.err.find("standard output"), std::string::npos) << result.err;
}

}
}
