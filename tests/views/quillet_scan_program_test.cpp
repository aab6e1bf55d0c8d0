#include "views/page_views_update.h"
#include "views/source_page.h"
#include "views/work_files.h"

#include "support/main_loop.h"
#include "support/temp_directory.h"
#include "support/test_files.h"
#include "support/test_http_server.h"

#include <gio/gio.h>
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <sys/wait.h>
#include <thread>

namespace quillet {
namespace {

namespace fs = std::filesystem;
using test::read_file;
using test::write_file;

constexpr std::string_view kPageAddress = "http://www.example.com/site/index.html";
constexpr std::string_view kPage = "<p><img src='pics/logo.gif'>\r\n<a href='photos/big.jpg'>Big</a></p>";
constexpr std::string_view kListing = "img\thttp://www.example.com/site/pics/logo.gif\tlogo.gif\n"
                                      "link\thttp://www.example.com/site/photos/big.jpg\tbig.jpg\n";

// A loopback port that answers every connection with plain text, where a TLS client expects its
// handshake.
class PlainTextPort {
public:
    PlainTextPort() : m_service(g_socket_service_new())
    {
        GInetAddress* loopback = g_inet_address_new_loopback(G_SOCKET_FAMILY_IPV4);
        GSocketAddress* any_port = g_inet_socket_address_new(loopback, 0);
        GSocketAddress* bound = nullptr;
        g_socket_listener_add_address(G_SOCKET_LISTENER(m_service), any_port, G_SOCKET_TYPE_STREAM,
                                      G_SOCKET_PROTOCOL_TCP, nullptr, &bound, nullptr);
        m_port = g_inet_socket_address_get_port(G_INET_SOCKET_ADDRESS(bound));
        g_object_unref(bound);
        g_object_unref(any_port);
        g_object_unref(loopback);
        g_signal_connect(m_service, "incoming", G_CALLBACK(on_incoming), nullptr);
    }
    ~PlainTextPort()
    {
        g_socket_service_stop(m_service);
        g_socket_listener_close(G_SOCKET_LISTENER(m_service));
        g_object_unref(m_service);
    }
    PlainTextPort(const PlainTextPort&) = delete;
    PlainTextPort& operator=(const PlainTextPort&) = delete;

    std::string https_address() const { return "https://127.0.0.1:" + std::to_string(m_port) + "/page.html"; }

private:
    static gboolean on_incoming(GSocketService*, GSocketConnection* connection, GObject*, gpointer)
    {
        constexpr std::string_view kAnswer = "HTTP/1.1 400 Bad Request\r\nContent-Length: 0\r\n\r\n";
        g_output_stream_write_all(g_io_stream_get_output_stream(G_IO_STREAM(connection)), kAnswer.data(),
                                  kAnswer.size(), nullptr, nullptr, nullptr);
        g_io_stream_close(G_IO_STREAM(connection), nullptr, nullptr);
        return TRUE;
    }

    GSocketService* m_service;
    guint16 m_port = 0;
};

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
        write_file(page_file, kPage);
    }

    // Runs quillet-scan through the shell with `arguments`, reading `input` as standard input.
    ProgramRun run(const std::string& arguments, const std::string& output = "", const fs::path& input = "/dev/null")
    {
        const fs::path out = directory.path() / "out";
        const fs::path err = directory.path() / "err";
        const std::string command = std::string("'" QUILLET_SCAN_PROGRAM "' ") + arguments + " <" + quoted(input) +
                                    " >" + (output.empty() ? quoted(out) : output) + " 2>" + quoted(err);
        const int status = std::system(command.c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, read_file(out), read_file(err)};
    }

    // Runs quillet-scan while this process serves its pages: the server answers from the main
    // loop pumped here.
    ProgramRun run_while_serving(const std::string& arguments)
    {
        std::atomic<bool> done = false;
        ProgramRun result;
        std::thread runner([&] {
            result = run(arguments);
            done = true;
            g_main_context_wakeup(nullptr);
        });
        EXPECT_TRUE(test::pump_until([&] { return done.load(); }, std::chrono::seconds(90)));
        runner.join();
        return result;
    }

    std::string scan_arguments() const
    {
        return "--page-address " + std::string(kPageAddress) + " --work-dir " + quoted(work_directory);
    }

    void expect_work_files_as_the_browser_leaves_them() const
    {
        const WorkFiles files(work_directory);
        const PageReferences references = scan_page(kPage, kPageAddress).references;
        EXPECT_EQ(read_file(files.path(WorkFile::Source)), build_source_page(kPage, references).html + "\r\n");
        EXPECT_NE(read_file(files.path(WorkFile::ImagePage)).find("<img src='http://www.example.com/site/pics/logo.gif'>"),
                  std::string::npos);
        for (const WorkFile file : {WorkFile::CheckImages, WorkFile::CheckImagesClean, WorkFile::Browser, WorkFile::Images})
            EXPECT_EQ(read_file(files.path(file)), "\r\n") << file_name_of(file);
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
              R"({"imageTags": [{"url": "http://www.example.com/site/pics/logo.gif", "fileName": "logo.gif", )"
              R"("line": 1, "column": 4, "element": "img", "written": "pics/logo.gif"}], )"
              R"("imageLinks": [{"url": "http://www.example.com/site/photos/big.jpg", "fileName": "big.jpg", )"
              R"("line": 2, "column": 1, "element": "a", "written": "photos/big.jpg"}]})"
              "\n");
}

TEST_F(QuilletScanProgram, ListsEveryImageWithAllImages)
{
    const fs::path srcset_page = directory.path() / "srcset.html";
    write_file(srcset_page, "<img src='a.jpg' srcset='w_1,q_8/a.jpg 1x, a-2.jpg 2x'>\n"
                            "<div class=hero style='background:url(bg.png)'>");

    const ProgramRun lines = run(scan_arguments() + " --all-images " + quoted(srcset_page));
    const ProgramRun json = run(scan_arguments() + " --all-images --json " + quoted(page_file));

    EXPECT_EQ(lines.exit_code, 0) << lines.err;
    EXPECT_EQ(lines.out, "img\thttp://www.example.com/site/a.jpg\ta.jpg\n"
                         "img srcset\thttp://www.example.com/site/w_1,q_8/a.jpg\ta.jpg\t1x\n"
                         "img srcset\thttp://www.example.com/site/a-2.jpg\ta-2.jpg\t2x\n"
                         "CSS background\thttp://www.example.com/site/bg.png\tbg.png\n");
    EXPECT_EQ(json.exit_code, 0) << json.err;
    EXPECT_EQ(json.out,
              R"({"images": [{"kind": "img", "url": "http://www.example.com/site/pics/logo.gif", "fileName": "logo.gif", )"
              R"("descriptor": "", "line": 1, "column": 4, "element": "img", "written": "pics/logo.gif"}, )"
              R"({"kind": "link to image file", "url": "http://www.example.com/site/photos/big.jpg", )"
              R"("fileName": "big.jpg", "descriptor": "", "line": 2, "column": 1, "element": "a", )"
              R"("written": "photos/big.jpg"}]})"
              "\n");
    expect_work_files_as_the_browser_leaves_them();
}

TEST_F(QuilletScanProgram, FetchesAPageAndResolvesAgainstWhereItWasFound)
{
    test::TestHttpServer server;
    server.serve("/site/index.html", "text/html", std::string(kPage));
    server.redirect("/moved", "/site/index.html");
    const std::string work_dir = " --work-dir " + quoted(work_directory);

    const ProgramRun found = run_while_serving(server.address("/moved") + work_dir);
    const ProgramRun told = run_while_serving("--page-address " + std::string(kPageAddress) + " " +
                                              server.address("/moved") + work_dir);

    EXPECT_EQ(found.exit_code, 0) << found.err;
    EXPECT_EQ(found.out, "img\t" + server.address("/site/pics/logo.gif") + "\tlogo.gif\n" + "link\t" +
                             server.address("/site/photos/big.jpg") + "\tbig.jpg\n");
    EXPECT_EQ(told.exit_code, 0) << told.err;
    EXPECT_EQ(told.out, kListing);
    EXPECT_EQ(told.err, "");
    expect_work_files_as_the_browser_leaves_them();
}

TEST_F(QuilletScanProgram, DecodesAFetchedPageWithItsCharset)
{
    struct CharsetCase {
        std::string content_type;
        std::string body;
        std::string entry; // what the JSON entry of its one image says
        std::string err;
    };
    const std::vector<CharsetCase> cases = {
        {"text/html; charset=ISO-8859-1", "<p>\xe9t\xe9 <img src='caf\xe9.gif'>",
         "\"fileName\": \"caf\xc3\xa9.gif\", \"line\": 1, \"column\": 8, \"element\": \"img\", "
         "\"written\": \"caf\xc3\xa9.gif\"}",
         ""},
        {"text/html", "<p>\xc3\xa9 <img src='caf\xc3\xa9.gif'>", "\"fileName\": \"caf\xc3\xa9.gif\", \"line\": 1, \"column\": 6", ""},
        {"text/html; charset=windows-1252", "<img src='a\x81\x80.gif'>",
         "\"fileName\": \"a\xef\xbf\xbd\xe2\x82\xac.gif\"", ""},
        {"text/html; charset=x-no-such-charset", "<img src='caf\xc3\xa9.gif'>", "\"fileName\": \"caf\xc3\xa9.gif\"",
         "unknown charset \"x-no-such-charset\""},
    };
    test::TestHttpServer server;
    for (const CharsetCase& c : cases) {
        server.serve("/page.html", c.content_type, c.body);

        const ProgramRun result =
            run_while_serving("--json " + server.address("/page.html") + " --work-dir " + quoted(work_directory));

        EXPECT_EQ(result.exit_code, 0) << result.err;
        EXPECT_NE(result.out.find(c.entry), std::string::npos) << c.content_type << ": " << result.out;
        if (c.err.empty())
            EXPECT_EQ(result.err, "") << c.content_type;
        else
            EXPECT_NE(result.err.find(c.err), std::string::npos) << result.err;
    }
}

TEST_F(QuilletScanProgram, AFailedFetchNamesTheAddressAndTheReason)
{
    test::TestHttpServer server;
    std::string refused_address;
    {
        const test::TestHttpServer gone;
        refused_address = gone.address("/page.html");
    }
    const PlainTextPort plain_text;
    const std::vector<std::pair<std::string, std::string>> cases = {
        {server.address("/missing.html"), "HTTP 404 Not Found"},
        {refused_address, "connection refused"},
        {plain_text.https_address(), "TLS failure"},
        {"http://no-such-host.invalid/page.html", "host not found"},
    };
    for (const auto& [address, reason] : cases) {
        const ProgramRun result = run_while_serving(address + " --work-dir " + quoted(work_directory));

        EXPECT_EQ(result.exit_code, 1) << address;
        EXPECT_TRUE(result.err.starts_with("quillet-scan: cannot fetch " + address + ": " + reason)) << result.err;
        EXPECT_EQ(result.out, "") << address;
        EXPECT_TRUE(fs::is_empty(work_directory)) << address;
    }
}

// The window resolves against the base address the engine reports; a saved page tells it by its
// own <base href>, and both give the same lists.
TEST_F(QuilletScanProgram, ResolvesAgainstTheFirstBaseHref)
{
    write_file(page_file, "<head><base href='/assets/'></head><body>" + std::string(kPage) + "</body>");

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
    write_file(page_file, page);
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
                                            "--page-address u a b", "http://h/ " + quoted(page_file)};
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
    EXPECT_EQ(read_file(work_directory / "checkImages.txt"), "\r\n");
}

TEST_F(QuilletScanProgram, AFailingStandardOutputIsReported)
{
    const ProgramRun result = run(scan_arguments() + " " + quoted(page_file), "/dev/full");

    EXPECT_EQ(result.exit_code, 1);
    EXPECT_NE(result.err.find("standard output"), std::string::npos) << result.err;
}

}
}
