#include "analysis/reference_resolver.h"

#include <gtest/gtest.h>

#include <string>

namespace quillet {
namespace {

struct DirectoryCase {
    std::string page_address;
    std::string expected;
};

class PageDirectory : public testing::TestWithParam<DirectoryCase> { };

TEST_P(PageDirectory, IsWhereRelativeReferencesStart)
{
    EXPECT_EQ(page_directory(GetParam().page_address), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Table, PageDirectory, testing::Values(
    DirectoryCase{"http://www.example.com/site/index.html", "http://www.example.com/site/"},
    DirectoryCase{"http://www.example.com/site/", "http://www.example.com/site/"},
    DirectoryCase{"http://www.example.com", "http://www.example.com/"},
    DirectoryCase{"http://www.example.org", "http://www.example.org/"},
    DirectoryCase{"https://www.example.org", "https://www.example.org/"},
    DirectoryCase{"file:///home/user/page.html", "file:///home/user/"},
    DirectoryCase{"www.example.com", "www.example.com"},
    DirectoryCase{"www.example.org", "www.example.org/"},
    DirectoryCase{"www.example.org/a/b.html", "www.example.org/a/"},
    DirectoryCase{"", "/"},
    DirectoryCase{"http://h.example/dir/p.php?x=a/b", "http://h.example/dir/"},
    DirectoryCase{"http://h.example/r?u=http://cdn.example/x/y", "http://h.example/"},
    DirectoryCase{"http://h.example?x=a/b", "http://h.example/"},
    DirectoryCase{"http://h.example/a/#b/c", "http://h.example/a/"},
    DirectoryCase{"www.example.com?x=a/b", "www.example.com"}));

struct ResolveCase {
    std::string page_address;
    std::string reference;
    std::string expected;
};

class ResolveReference : public testing::TestWithParam<ResolveCase> { };

TEST_P(ResolveReference, GivesTheAbsoluteAddress)
{
    const ResolveCase& c = GetParam();
    EXPECT_EQ(ReferenceResolver(c.page_address).resolve(c.reference), c.expected);
}

constexpr const char* kPage = "http://www.example.com/site/sub/index.html";

INSTANTIATE_TEST_SUITE_P(LikeLiteral, ResolveReference, testing::Values(
    ResolveCase{"http://www.example.com/site/index.html", "pics/logo.gif", "http://www.example.com/site/pics/logo.gif"},
    ResolveCase{"http://www.example.com/site/index.html", "/art/logo.gif", "http://www.example.com/art/logo.gif"},
    ResolveCase{"http://www.example.com/gallery/", "photos/big.jpg", "http://www.example.com/gallery/photos/big.jpg"},
    ResolveCase{"http://www.example.com/", "/img/a.gif", "http://www.example.com/img/a.gif"},
    ResolveCase{kPage, "HTTP://Other.Example.net/X.GIF", "HTTP://Other.Example.net/X.GIF"},
    ResolveCase{kPage, "", "http://www.example.com/site/sub/"},
    ResolveCase{"HTTP://WWW.EXAMPLE.COM/DIR/PAGE.HTML", "a.gif", "http://WWW.EXAMPLE.COM/DIR/a.gif"},
    ResolveCase{"http://hometown.aol.com/user/page.html", "pic.gif", "http://members.aol.com/user/pic.gif"},
    ResolveCase{"http://hometown.aol.com/user/page.html", "/pic.gif", "http://hometown.aol.com/pic.gif"},
    ResolveCase{"http://hometown.aol.com/user/page.html", "http://hometown.aol.com/a.gif", "http://hometown.aol.com/a.gif"},
    ResolveCase{"www.example.com", "a.gif", "www.example.com/a.gif"},
    ResolveCase{"www.example.com/dir/page.html", "a.gif", "www.example.com/dir/a.gif"},
    ResolveCase{"", "a.gif", "/a.gif"}));

// Only a scheme at the start makes a reference absolute, not one in its query.
INSTANTIATE_TEST_SUITE_P(SchemeInsideQuery, ResolveReference, testing::Values(
    ResolveCase{kPage, "go.php?u=http://x.example.net/a.gif", "http://www.example.com/site/sub/go.php?u=http://x.example.net/a.gif"},
    ResolveCase{kPage, "/proxy?u=http://cdn.example/x.jpg", "http://www.example.com/proxy?u=http://cdn.example/x.jpg"},
    ResolveCase{kPage, "img.php?src=HTTPS://cdn.example/x.jpg", "http://www.example.com/site/sub/img.php?src=HTTPS://cdn.example/x.jpg"}));

// Other schemes, "//", "data:" and the like.
INSTANTIATE_TEST_SUITE_P(OtherSchemes, ResolveReference, testing::Values(
    ResolveCase{"https://www.example.com/a/page.html", "pic.gif", "https://www.example.com/a/pic.gif"},
    ResolveCase{"https://www.example.com/a/page.html", "/pic.gif", "https://www.example.com/pic.gif"},
    ResolveCase{"https://www.example.com/a/page.html", "//cdn.example.net/p.gif", "https://cdn.example.net/p.gif"},
    ResolveCase{"http://www.example.com/a/page.html", "//cdn.example.net/p.gif", "http://cdn.example.net/p.gif"},
    ResolveCase{"www.example.com/a/page.html", "//cdn.example.net/p.gif", "cdn.example.net/p.gif"},
    ResolveCase{kPage, "https://x.example.org/d.gif", "https://x.example.org/d.gif"},
    ResolveCase{kPage, "data:image/gif;base64,R0lGOD/x", "data:image/gif;base64,R0lGOD/x"},
    ResolveCase{kPage, "mailto:me@example.com", "mailto:me@example.com"},
    ResolveCase{"FILE:///home/user/page.html", "/img/a.gif", "file:///img/a.gif"},
    ResolveCase{"file:///home/user/page.html", "pic.gif", "file:///home/user/pic.gif"}));

// The page's query and fragment are no part of its directory, whatever "/" or scheme they hold;
// a reference that is a query or a fragment keeps the page's path.
INSTANTIATE_TEST_SUITE_P(QueryOfThePage, ResolveReference, testing::Values(
    ResolveCase{"http://h.example/dir/p.php?x=a/b", "a.gif", "http://h.example/dir/a.gif"},
    ResolveCase{"http://h.example/dir/p.php?x=a/b", "../b.gif", "http://h.example/b.gif"},
    ResolveCase{"http://h.example/dir/p.php?x=a/b", "/c.gif", "http://h.example/c.gif"},
    ResolveCase{"http://h.example/r?u=http://cdn.example/x/y", "a.gif", "http://h.example/a.gif"},
    ResolveCase{"http://h.example?u=/x/y", "a.gif", "http://h.example/a.gif"},
    ResolveCase{"http://h.example/dir/p.html#top/x", "a.gif", "http://h.example/dir/a.gif"},
    ResolveCase{"https://a.example.com/x/go?u=http://b.example.net/c", "p.gif", "https://a.example.com/x/p.gif"},
    ResolveCase{"www.example.com?x=a/b", "a.gif", "www.example.com/a.gif"},
    ResolveCase{"http://h.example/dir/p.php?y=1#f", "?x=2", "http://h.example/dir/p.php?x=2"},
    ResolveCase{"http://h.example/dir/p.php?y=1#f", "#top", "http://h.example/dir/p.php?y=1#top"},
    ResolveCase{"http://h.example/dir/p.php#f?g", "#top", "http://h.example/dir/p.php#top"},
    ResolveCase{"HTTP://h.example", "?x=a/b", "http://h.example/?x=a/b"},
    ResolveCase{"http://h.example/dir/", "#x/y", "http://h.example/dir/#x/y"},
    ResolveCase{"www.example.com/p.html", "?q=a/b", "www.example.com/p.html?q=a/b"}));

// A bare host with a scheme is its own directory.
INSTANTIATE_TEST_SUITE_P(BareHosts, ResolveReference, testing::Values(
    ResolveCase{"http://www.example.com", "a.gif", "http://www.example.com/a.gif"},
    ResolveCase{"http://www.example.com", "/img/a.gif", "http://www.example.com/img/a.gif"},
    ResolveCase{"http://www.example.org", "a.gif", "http://www.example.org/a.gif"},
    ResolveCase{"https://www.example.org", "/a.gif", "https://www.example.org/a.gif"},
    ResolveCase{"www.example.org", "a.gif", "www.example.org/a.gif"},
    ResolveCase{"www.example.com/a/page.html", "/pic.gif", "www.example.com/pic.gif"}));

INSTANTIATE_TEST_SUITE_P(DotSegments, ResolveReference, testing::Values(
    ResolveCase{kPage, "../a.gif", "http://www.example.com/site/a.gif"},
    ResolveCase{kPage, "../../a.gif", "http://www.example.com/a.gif"},
    ResolveCase{kPage, "../../../../a.gif", "http://www.example.com/a.gif"},
    ResolveCase{kPage, "./a.gif", "http://www.example.com/site/sub/a.gif"},
    ResolveCase{kPage, "img/./x/../a.gif", "http://www.example.com/site/sub/img/a.gif"},
    ResolveCase{kPage, "..", "http://www.example.com/site/"},
    ResolveCase{kPage, "/a/../b.gif", "http://www.example.com/b.gif"},
    ResolveCase{kPage, "/../b.gif", "http://www.example.com/b.gif"},
    ResolveCase{kPage, "../a.php?x=../y", "http://www.example.com/site/a.php?x=../y"},
    ResolveCase{kPage, "a.php?x=../y", "http://www.example.com/site/sub/a.php?x=../y"},
    ResolveCase{kPage, "..a/b.gif", "http://www.example.com/site/sub/..a/b.gif"},
    ResolveCase{"file:///home/user/page.html", "../../../a.gif", "file:///a.gif"},
    ResolveCase{"https://hometown.aol.com/u/p/q.html", "../a.gif", "https://members.aol.com/u/a.gif"},
    ResolveCase{"www.example.com", "../a.gif", "www.example.com/a.gif"}));

TEST(ResolveReference, AcceptsGarbageAddresses)
{
    EXPECT_EQ(ReferenceResolver("::::").resolve("a.gif"), "::::/a.gif");
    EXPECT_EQ(ReferenceResolver("http://").resolve("a.gif"), "http:///a.gif");
    EXPECT_EQ(ReferenceResolver(std::string("\0\xFF", 2)).resolve("/a.gif"), std::string("\0\xFF/a.gif", 8));
}

}
}
