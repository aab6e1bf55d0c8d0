#include "analysis/url_helpers.h"
#include "analysis/url_scheme.h"
#include "reference/reference_scanners.h"

#include <gtest/gtest.h>

#include <string>

namespace quillet {
namespace {

struct UrlCase {
    std::string input;
    std::string expected;
};

// Addresses with "http://" or no scheme: the helpers and their literal versions agree.
class ParentUrlOfHttpAddress : public testing::TestWithParam<UrlCase> { };

TEST_P(ParentUrlOfHttpAddress, IsTheDirectoryAbove)
{
    EXPECT_EQ(ParentUrl(GetParam().input), GetParam().expected);
    EXPECT_EQ(reference::ParentUrl(GetParam().input), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Table, ParentUrlOfHttpAddress, testing::Values(
    UrlCase{"http://www.example.com/dir/sub/page.html", "http://www.example.com/dir/sub/"},
    UrlCase{"http://www.example.com/dir/sub/", "http://www.example.com/dir/"},
    UrlCase{"http://www.example.com/", "www.example.com/"},
    UrlCase{"http://www.example.com", "www.example.com/"},
    UrlCase{"www.example.com/a/b.html", "www.example.com/a/"},
    UrlCase{"", "/"},
    UrlCase{"http://www.example.com/a//", "http://www.example.com/a/"},
    UrlCase{"HTTP://WWW.Example.COM/A/b.html", "http://WWW.Example.COM/A/"},
    UrlCase{"www.example.com", "www.example.com/"},
    UrlCase{"/", "/"}));

// Other schemes count as "http://" does; the literal helper takes them for plain text.
class ParentUrlOfOtherScheme : public testing::TestWithParam<UrlCase> { };

TEST_P(ParentUrlOfOtherScheme, KeepsTheSchemeLikeHttp)
{
    EXPECT_EQ(ParentUrl(GetParam().input), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Table, ParentUrlOfOtherScheme, testing::Values(
    UrlCase{"https://www.example.com/dir/page.html", "https://www.example.com/dir/"},
    UrlCase{"HTTPS://www.example.com/dir/", "https://www.example.com/"},
    UrlCase{"https://www.example.com/", "www.example.com/"},
    UrlCase{"file:///home/user/page.html", "file:///home/user/"},
    UrlCase{"file:///home/", "file:///"},
    UrlCase{"https://a.example.com/x/go?u=http://b.example.net/c", "https://a.example.com/x/"}));

// The query and fragment are no part of the path, and only the address's leading scheme is its
// own; the literal helper cut inside them and took "http://" out wherever it stood.
class ParentUrlOfAddressWithQuery : public testing::TestWithParam<UrlCase> { };

TEST_P(ParentUrlOfAddressWithQuery, GoesUpInThePathOnly)
{
    EXPECT_EQ(ParentUrl(GetParam().input), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Table, ParentUrlOfAddressWithQuery, testing::Values(
    UrlCase{"http://h.example/dir/p.php?x=a/b", "http://h.example/dir/"},
    UrlCase{"http://h.example/r?u=http://cdn.example/x/y", "http://h.example/"},
    UrlCase{"http://h.example/dir/sub/#part/2", "http://h.example/dir/"},
    UrlCase{"http://h.example/a/b.html#x?y/z", "http://h.example/a/"},
    UrlCase{"http://h.example?x=a/b", "h.example/"},
    UrlCase{"www.example.com/go?to=http://x.example.net/", "www.example.com/"},
    UrlCase{"www.example.com/a/http://b.example/c", "www.example.com/a/http://b.example/"},
    UrlCase{"http://web.example/save/http://h.example/a/b.html", "http://web.example/save/http://h.example/a/"},
    UrlCase{"?x=a/b", "/"}));

TEST(ParentUrlOfAddressWithQuery, LiteralHelperCutInsideTheQuery)
{
    EXPECT_EQ(reference::ParentUrl("http://h.example/dir/p.php?x=a/b"), "http://h.example/dir/p.php?x=a/");
    EXPECT_EQ(reference::ParentUrl("www.example.com/go?to=http://x.example.net/"), "http://www.example.com/");
}

TEST(ParentUrlOfOtherScheme, LiteralHelperMangledThem)
{
    EXPECT_EQ(reference::ParentUrl("https://www.example.com/"), "https://");
    EXPECT_EQ(reference::ParentUrl("https://a.example.com/x/go?u=http://b.example.net/c"),
              "http://https://a.example.com/x/go?u=b.example.net/");
}

class FileNameOfReference : public testing::TestWithParam<UrlCase> { };

TEST_P(FileNameOfReference, IsTheCleanedLastSegment)
{
    EXPECT_EQ(UrlFileName(GetParam().input), GetParam().expected);
    EXPECT_EQ(reference::UrlFileName(GetParam().input), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Table, FileNameOfReference, testing::Values(
    UrlCase{"http://www.example.com/img/logo.gif", "logo.gif"},
    UrlCase{"pics/a b.gif", "a b.gif"},
    UrlCase{"dir/", ""},
    UrlCase{"logo.gif\" border=0", "logo.gif0"},
    UrlCase{"logo.gif\" BORDER=0", "logo.gif0"},
    UrlCase{"", ""},
    UrlCase{"HTTP://www.example.com", "www.example.com"},
    UrlCase{"x/ahttp://b", "ab"},
    UrlCase{"https://www.example.com/a.gif?s=1", "a.gif?s=1"},
    UrlCase{"data:image/gif;base64,R0lG/x+y", "x+y"}));

class SchemeNameOfReference : public testing::TestWithParam<UrlCase> { };

TEST_P(SchemeNameOfReference, IsTheNameBeforeItsColon)
{
    EXPECT_EQ(leading_scheme_name(GetParam().input), GetParam().expected);
    EXPECT_EQ(starts_with_scheme(GetParam().input), !GetParam().expected.empty());
}

INSTANTIATE_TEST_SUITE_P(Table, SchemeNameOfReference, testing::Values(
    UrlCase{"data:image/gif;base64,R0lG", "data"},
    UrlCase{"HTTPS://h/a.gif", "HTTPS"},
    UrlCase{"svn+ssh://h/a", "svn+ssh"},
    UrlCase{"localhost:8080/a.gif", "localhost"},
    UrlCase{"1host:x/a.gif", ""},
    UrlCase{"a b:c", ""},
    UrlCase{"/a.gif", ""},
    UrlCase{"mailto", ""},
    UrlCase{":x", ""},
    UrlCase{"", ""}));

}
}
