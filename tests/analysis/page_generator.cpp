#include "page_generator.h"

#include <cctype>

namespace quillet::test {

namespace {

constexpr std::string_view kAddresses[] = {
    "http://www.example.com/site/index.html", "http://www.example.com/gallery/", "HTTP://WWW.EXAMPLE.COM/DIR/PAGE.HTML",
    "http://hometown.aol.com/user/page.htm", "http://www.example.com/a/b/c/", "http://www.example.com/site/page.com",
    "http://www.example.net/q.php?id=3", "www.example.com/dir/page.html", "www.example.org", "www.example.com", "",
};
constexpr std::string_view kDirectories[] = {
    "", "", "pics/", "img/sub/", "a b/", "cgi-bin/i/pics/", "http://other.example.net/", "HTTP://Cdn.Example.com/x/",
};
constexpr std::string_view kRootDirectories[] = {"/", "/art/", "/cgi-bin/i/"};
constexpr std::string_view kNames[] = {"logo", "a", "photo 1", "x", "pic-2", "thumb_3", "", "LOGO", "border"};
constexpr std::string_view kExtensions[] = {".gif", ".GIF", ".jpg", ".jpeg", ".bmp", ".png", ".html", "", ".Jpg"};
constexpr std::string_view kQueries[] = {"", "", "", "?id=3", "?s=a.gif"};
constexpr std::string_view kAttributes[] = {
    " width=10", " alt=\"a b\"", " class='c'", " ALT='x y'", "\tborder=0", " data-x=\"1\"", " title=\"pic.gif\"",
    " border=\"0\"", " height = 5",
};
// After the value a quoted ">" changes nothing: the literal scan cuts the value out before it.
constexpr std::string_view kTrailingAttributes[] = {
    " width=10", " alt=\"a b\"", " class='c'", "\tborder=0", " title=\"pic.gif\"", " alt=\"5 > 4\"", " title='a>b'",
    " alt= \">\"",
};
constexpr std::string_view kTexts[] = {
    "Hello", "a < b", "x > y", "&lt;img&gt;", "photo.jpg", " ", "<p>", "</p>", "<br>", "<div class=\"c\">",
    "</div>", "<span>", "<table><tr><td>", "some words here", "\t", "<b>bold</b>", "<IMAGE>", "<abbr>",
};
constexpr std::string_view kLineEnds[] = {"\n", "\r\n", "\r"};

}

PageGenerator::PageGenerator(std::uint32_t seed)
    : m_random(seed)
{
}

std::size_t PageGenerator::below(std::size_t count)
{
    return std::uniform_int_distribution<std::size_t>(0, count - 1)(m_random);
}

bool PageGenerator::chance(int percent)
{
    return static_cast<int>(below(100)) < percent;
}

std::string PageGenerator::mixed_case(std::string_view word)
{
    std::string result(word);
    const int style = static_cast<int>(below(4));
    for (char& c : result) {
        if (style == 1 || (style == 3 && chance(50)))
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return result;
}

std::string PageGenerator::quoted(std::string_view value)
{
    const char quote = chance(50) ? '"' : '\'';
    return quote + std::string(value) + quote;
}

std::string PageGenerator::target()
{
    const bool root_relative = m_address_has_scheme && chance(15);
    const std::string_view directory = root_relative ? pick(kRootDirectories) : pick(kDirectories);
    std::string name = std::string(pick(kNames)) + std::string(pick(kExtensions));
    if (directory.empty() && name.empty())
        name = "x";
    return std::string(directory) + name + std::string(pick(kQueries));
}

std::string PageGenerator::image_tag()
{
    std::string tag = "<" + mixed_case("img");
    if (const std::string lazy_source = target(); chance(20) && !lazy_source.empty())
        tag += " data-src=" + quoted(lazy_source);
    if (chance(30))
        tag += pick(kAttributes);
    const std::string value = chance(90) ? target() : std::string();
    if (chance(90))
        tag += " " + mixed_case("src") + "=" + (chance(10) ? " " : "") + quoted(value);
    if (chance(40) && !value.empty())
        tag += pick(kTrailingAttributes);
    return tag + (chance(20) && !value.empty() ? " />" : ">");
}

std::string PageGenerator::anchor()
{
    std::string tag = "<" + mixed_case("a") + " ";
    if (chance(20))
        tag += std::string(pick(kAttributes).substr(1)) + " ";
    const std::string value = chance(90) ? target() : std::string();
    if (chance(85))
        tag += mixed_case("href") + "=" + quoted(value);
    else
        tag += "name=\"n\"";
    if (chance(30) && !value.empty())
        tag += pick(kTrailingAttributes);
    tag += ">";
    tag += chance(40) ? image_tag() : std::string(pick(kTexts));
    return tag + (chance(80) ? "</a>" : "");
}

std::string PageGenerator::piece()
{
    const std::size_t kind = below(10);
    if (kind < 3)
        return image_tag();
    if (kind < 6)
        return anchor();
    return std::string(pick(kTexts));
}

std::string PageGenerator::line()
{
    if (chance(10))
        return "";
    const std::size_t pieces = chance(3) ? 101 + below(60) : below(8);
    std::string text = chance(20) ? "  " : "";
    for (std::size_t i = 0; i < pieces; ++i)
        text += piece() + (chance(50) ? " " : "");
    return text;
}

GeneratedPage PageGenerator::next()
{
    GeneratedPage page;
    page.address = pick(kAddresses);
    m_address_has_scheme = page.address.find("://") != std::string::npos;
    const std::size_t lines = 1 + below(30);
    for (std::size_t i = 0; i < lines; ++i)
        page.text += line() + std::string(pick(kLineEnds));
    if (chance(50))
        page.text += line();
    return page;
}

}
