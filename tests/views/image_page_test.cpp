#include "views/html_escape.h"
#include "views/image_page.h"
#include "views/link_address.h"

#include <gtest/gtest.h>

namespace quillet {
namespace {

std::string block(std::string_view address, std::string_view text)
{
    return "<a href='" + std::string(address) + "'><img src='" + std::string(address) + "'></a><BR>" +
           std::string(text) + "<BR><BR><BR>";
}

TEST(ImagePage, OneBlockPerImageTag)
{
    const std::vector<std::tuple<const char*, ReferenceList, std::string>> cases = {
        {"no images", {}, ""},
        {"without prefix", {{"www.example.org/a.gif", "a.gif"}},
         block("http://www.example.org/a.gif", "www.example.org/a.gif")},
        {"with prefix", {{"http://h/a.gif", "a.gif"}}, block("http://h/a.gif", "http://h/a.gif")},
        {"upper-case scheme kept", {{"HTTP://H/A.GIF", "A.GIF"}}, block("HTTP://H/A.GIF", "HTTP://H/A.GIF")},
        {"https kept", {{"https://h/a.gif", "a.gif"}}, block("https://h/a.gif", "https://h/a.gif")},
        {"file kept", {{"file:///tmp/a.gif", "a.gif"}}, block("file:///tmp/a.gif", "file:///tmp/a.gif")},
        {"special characters escaped", {{"http://h/a'b\"<c>&.gif", "x"}},
         block("http://h/a&#39;b&quot;&lt;c&gt;&amp;.gif", "http://h/a&#39;b&quot;&lt;c&gt;&amp;.gif")},
        {"line breaks kept off the line", {{"http://h/a\nb.gif", "b.gif"}},
         block("http://h/a&#10;b.gif", "http://h/a&#10;b.gif")},
        {"quote cannot end the attribute", {{"x' onerror='alert(1)", "x"}},
         block("http://x&#39; onerror=&#39;alert(1)", "x&#39; onerror=&#39;alert(1)")},
        {"two entries in list order", {{"http://h/1.gif", "1.gif"}, {"http://h/2.gif", "2.gif"}},
         block("http://h/1.gif", "http://h/1.gif") + block("http://h/2.gif", "http://h/2.gif")},
    };
    for (const auto& [title, image_tags, expected] : cases)
        EXPECT_EQ(build_image_page(image_tags, 0).html, expected) << title;
}

TEST(LinkAddress, PrefixesOnlyAddressesWithoutScheme)
{
    const std::vector<std::pair<std::string_view, std::string_view>> cases = {
        {"www.example.com/a.gif", "http://www.example.com/a.gif"},
        {"", "http://"},
        {"http://h/a.gif", "http://h/a.gif"},
        {"HTTP://h/a.gif", "HTTP://h/a.gif"},
        {"https://h/a.gif", "https://h/a.gif"},
        {"file:///tmp/a.gif", "file:///tmp/a.gif"},
        {"data:image/gif;base64,R0lG", "data:image/gif;base64,R0lG"},
        {"svn+ssh://h/a", "svn+ssh://h/a"},
        {"localhost:8080/a.gif", "http://localhost:8080/a.gif"},
        {"www.example.org:80", "http://www.example.org:80"},
        {"1host:x/a.gif", "http://1host:x/a.gif"},
        {"/a.gif", "http:///a.gif"},
        {"javascript:alert(1)", "http://javascript:alert(1)"},
        {"JavaScript:alert(1)", "http://JavaScript:alert(1)"},
        {"vbscript:x", "http://vbscript:x"},
    };
    for (const auto& [url, expected] : cases)
        EXPECT_EQ(std::string(link_address_prefix(url)) + std::string(url), expected) << url;
}

TEST(HtmlEscape, EscapesForTextAndAttributes)
{
    const std::vector<std::pair<std::string_view, std::string_view>> cases = {
        {"", ""},
        {"plain text", "plain text"},
        {"&<>\"'", "&amp;&lt;&gt;&quot;&#39;"},
        {"&amp;", "&amp;amp;"},
        {"\xc3\xa9\t", "\xc3\xa9\t"},
        {"a\r\nb", "a&#13;&#10;b"},
    };
    for (const auto& [text, expected] : cases) {
        std::string escaped = "kept ";
        append_html_escaped(escaped, text);
        EXPECT_EQ(escaped, "kept " + std::string(expected)) << text;
        EXPECT_EQ(html_escaped_size(text), expected.size()) << text;
    }
}

}
}
