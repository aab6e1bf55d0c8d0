#include "platform/typed_address.h"

#include "support/temp_directory.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

namespace quillet::platform {
namespace {

struct AddressCase {
    const char* typed;
    const char* expected;
};

TEST(TypedAddress, BecomesTheUriToLoad)
{
    const std::vector<AddressCase> cases = {
        {"www.marrowfield.example", "http://www.marrowfield.example"},
        {"  example.com/a b  ", "http://example.com/a b"},
        {"localhost:8080/x", "http://localhost:8080/x"},
        {"example.com:80", "http://example.com:80"},
        {"host:8080?q=1", "http://host:8080?q=1"},
        {"www.example.com/path:with:colons", "http://www.example.com/path:with:colons"},
        {"http://example.com/", "http://example.com/"},
        {"HTTPS://Example.com/Page", "HTTPS://Example.com/Page"},
        {"about:blank", "about:blank"},
        {"file:///tmp/a.html", "file:///tmp/a.html"},
        {"mailto:someone@example.com", "mailto:someone@example.com"},
        {"view-source:http://x/", "view-source:http://x/"},
        {"/tmp/page.html", "file:///tmp/page.html"},
        {"/tmp/a b#c.html", "file:///tmp/a%20b%23c.html"},
        {"/tmp/x/../y.html", "file:///tmp/y.html"},
        {"", ""},
        {" \t ", ""},
    };
    for (const auto& test_case : cases) {
        SCOPED_TRACE(test_case.typed);
        EXPECT_EQ(uri_from_typed_address(test_case.typed), test_case.expected);
    }
}

TEST(TypedAddress, FilePathsCountFromTheCurrentDirectory)
{
    test::TempDirectory directory;
    const test::WorkingDirectory working(directory.path());
    const std::string base = "file://" + directory.path().string();

    EXPECT_EQ(uri_from_file_path("page.html"), base + "/page.html");
    EXPECT_EQ(uri_from_file_path("sub/../page.html"), base + "/page.html");
    EXPECT_EQ(uri_from_file_path("/abs/page.html"), "file:///abs/page.html");
    EXPECT_EQ(uri_from_file_path(""), "");
}

}
}
