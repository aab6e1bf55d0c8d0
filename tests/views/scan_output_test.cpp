#include "command_line.h"
#include "reference_output.h"

#include "views/page_views_update.h"

#include <gtest/gtest.h>

namespace quillet::scan {
namespace {

std::string json_string(std::string_view bytes)
{
    std::string out;
    append_json_string(out, bytes);
    return out;
}

TEST(ScanOutput, JsonStringsAreValidForAnyBytes)
{
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"", R"("")"},
        {"plain/a.gif", R"("plain/a.gif")"},
        {"q\"b\\", R"("q\"b\\")"},
        {"\t\r\n", R"("\t\r\n")"},
        {std::string("\0\x01\x1f\x7f", 4), "\"\\u0000\\u0001\\u001F\x7f\""},
        {"\xc3\xa9 \xe2\x82\xac \xf0\x9f\x98\x80", "\"\xc3\xa9 \xe2\x82\xac \xf0\x9f\x98\x80\""},
        {"a\x80z", "\"a\xef\xbf\xbdz\""},
        {"\xc0\x80", "\"\xef\xbf\xbd\xef\xbf\xbd\""},
        {"\xed\xa0\x80", "\"\xef\xbf\xbd\xef\xbf\xbd\xef\xbf\xbd\""},
        {"\xe2\x82", "\"\xef\xbf\xbd\""},
        {"\xe2\x82z", "\"\xef\xbf\xbdz\""},
        {"\xf4\x90\x80\x80", "\"\xef\xbf\xbd\xef\xbf\xbd\xef\xbf\xbd\xef\xbf\xbd\""},
        {"\xf5\xff", "\"\xef\xbf\xbd\xef\xbf\xbd\""},
        {"\xf0\x9f\x98", "\"\xef\xbf\xbd\""},
    };
    for (const auto& [bytes, expected] : cases)
        EXPECT_EQ(json_string(bytes), expected) << expected;
}

TEST(ScanOutput, ListsImageTagsBeforeImageLinks)
{
    const PageReferences references = {{{"http://h/big.jpg", "big.jpg"}},
                                       {{"http://h/a.gif", "a.gif"}, {"http://h/t\tb\n.gif", "t\tb\n.gif"}}};

    EXPECT_EQ(references_as_lines(references),
              "img\thttp://h/a.gif\ta.gif\n"
              "img\thttp://h/t\\tb\\n.gif\tt\\tb\\n.gif\n"
              "link\thttp://h/big.jpg\tbig.jpg\n");
    EXPECT_EQ(references_as_json(references, ""),
              R"({"imageTags": [{"url": "http://h/a.gif", "fileName": "a.gif", )"
              R"("line": 1, "column": 1, "element": "img", "written": ""}, )"
              R"({"url": "http://h/t\tb\n.gif", "fileName": "t\tb\n.gif", )"
              R"("line": 1, "column": 1, "element": "img", "written": ""}], )"
              R"("imageLinks": [{"url": "http://h/big.jpg", "fileName": "big.jpg", )"
              R"("line": 1, "column": 1, "element": "a", "written": ""}]})"
              "\n");
    EXPECT_EQ(references_as_json({}, ""), "{\"imageTags\": [], \"imageLinks\": []}\n");
    EXPECT_EQ(references_as_lines({{}, {{"u\x01", "\x7f"}}}), "img\tu\\x01\t\\x7F\n");
}

struct PlaceCase {
    std::string name;
    std::string page_text;
    std::vector<std::string> entries; // the end of each JSON entry, image tags first
};

TEST(ScanOutput, JsonSaysWhereEachReferenceStandsAndHowItIsWritten)
{
    const std::vector<PlaceCase> cases = {
        {"FirstLine", "<p><img src='a.gif'>", {R"("line": 1, "column": 4, "element": "img", "written": "a.gif"})"}},
        {"AfterCrLf", "<p>\r\n\r\n  <IMG SRC=\"b.gif\">",
         {R"("line": 3, "column": 3, "element": "img", "written": "b.gif"})"}},
        {"AfterLoneCrAndLf", "x\ry\n<img src=c.gif>", {R"("line": 3, "column": 1, "element": "img", "written": "c.gif"})"}},
        {"AfterMultiByteCharacters", "\xc3\xa9\xe2\x82\xac\xf0\x9f\x98\x80 <img src='d.gif'>",
         {R"("line": 1, "column": 5, "element": "img", "written": "d.gif"})"}},
        {"TagSpanningLines", "<p>\n <img\n  alt='x'\n  src='e&amp;f.gif'>",
         {R"("line": 2, "column": 2, "element": "img", "written": "e&amp;f.gif"})"}},
        {"ValueSpanningLines", "<img src='g\r\nh.gif'>", {R"("line": 1, "column": 1, "element": "img", "written": "g\r\nh.gif"})"}},
        {"LinkElement", "<p>\r\n\t<a href='photos/big.jpg'>Big</a>",
         {R"("line": 2, "column": 2, "element": "a", "written": "photos/big.jpg"})"}},
        {"ScriptPathKeptAsWritten", "<a href=\"cgi-bin/i/x.jpg\">\ncgi-bin/i/ <a href=y.jpg>",
         {R"("line": 1, "column": 1, "element": "a", "written": "cgi-bin/i/x.jpg"})",
          R"("line": 2, "column": 12, "element": "a", "written": "y.jpg"})"}},
        {"LoneCrBeforeCrLf", "x\r\r\n\xc3\xa9\r<img src=c.gif>",
         {R"("line": 4, "column": 1, "element": "img", "written": "c.gif"})"}},
        {"LinkBeforeTagsOnLongLines", "<a href='z.jpg'>\n" + std::string(70000, 'w') + " <img src='y.gif'>",
         {R"("line": 2, "column": 70002, "element": "img", "written": "y.gif"})",
          R"("line": 1, "column": 1, "element": "a", "written": "z.jpg"})"}},
        {"ListedOnceWhereFirstFound", "<img src='a.gif'>\n<a href='a.gif'><img src='a.gif'></a>",
         {R"("line": 1, "column": 1, "element": "img", "written": "a.gif"})",
          R"("line": 2, "column": 1, "element": "a", "written": "a.gif"})"}},
    };
    for (const PlaceCase& c : cases) {
        const PageReferences references = scan_page(c.page_text, "http://h/").references;
        const std::string json = references_as_json(references, c.page_text);
        std::size_t from = 0;
        for (const std::string& entry : c.entries) {
            const std::size_t found = json.find(entry, from);
            EXPECT_NE(found, std::string::npos) << c.name << ": " << entry << " not in order in " << json;
            from = found == std::string::npos ? from : found + entry.size();
        }
        EXPECT_EQ(references.image_tags.size() + references.image_links.size(), c.entries.size()) << c.name;
    }
}

struct ArgumentsCase {
    std::vector<std::string_view> arguments;
    ParsedArguments::Outcome outcome;
    std::optional<std::string> page_address;
    std::string work_directory;
    OutputFormat format;
    std::optional<std::string> page_file;
    std::optional<std::string> fetch_address = std::nullopt;
};

TEST(ScanArguments, AcceptsTheDocumentedForms)
{
    using enum ParsedArguments::Outcome;
    const std::vector<ArgumentsCase> cases = {
        {{"--page-address", "http://h/"}, Scan, "http://h/", ".", OutputFormat::Lines, std::nullopt},
        {{"--page-address=u", "--work-dir=d", "--json", "page.html"}, Scan, "u", "d", OutputFormat::Json, "page.html"},
        {{"p.html", "--work-dir", "d", "--page-address", ""}, Scan, "", "d", OutputFormat::Lines, "p.html"},
        {{"--page-address", "u", "-"}, Scan, "u", ".", OutputFormat::Lines, std::nullopt},
        {{"--page-address", "u", "--", "--json"}, Scan, "u", ".", OutputFormat::Lines, "--json"},
        {{"http://h/p.html"}, Scan, std::nullopt, ".", OutputFormat::Lines, std::nullopt, "http://h/p.html"},
        {{"--json", "HTTPS://h/"}, Scan, std::nullopt, ".", OutputFormat::Json, std::nullopt, "HTTPS://h/"},
        {{"https://h/", "--page-address", "u"}, Scan, "u", ".", OutputFormat::Lines, std::nullopt, "https://h/"},
        {{"--page-address", "u", "./http://h/"}, Scan, "u", ".", OutputFormat::Lines, "./http://h/"},
        {{"--help"}, Help, std::nullopt, ".", OutputFormat::Lines, std::nullopt},
        {{"--page-address", "u", "-h"}, Help, std::nullopt, ".", OutputFormat::Lines, std::nullopt},
    };
    for (const ArgumentsCase& c : cases) {
        const ParsedArguments parsed = parse_arguments(c.arguments);
        EXPECT_EQ(parsed.outcome, c.outcome);
        EXPECT_EQ(parsed.request.page_address, c.page_address);
        EXPECT_EQ(parsed.request.work_directory, c.work_directory);
        EXPECT_EQ(parsed.request.format, c.format);
        EXPECT_EQ(parsed.request.page_file, c.page_file);
        EXPECT_EQ(parsed.request.fetch_address, c.fetch_address);
    }
}

TEST(ScanArguments, RefusesBadArguments)
{
    const std::vector<std::pair<std::vector<std::string_view>, std::string_view>> cases = {
        {{}, "--page-address is required for a FILE or standard input"},
        {{"page.html"}, "--page-address is required for a FILE or standard input"},
        {{"--page-address"}, "--page-address needs a value"},
        {{"--page-address", "u", "--work-dir"}, "--work-dir needs a value"},
        {{"--page-address", "u", "--page-address", "v"}, "--page-address given twice"},
        {{"--page-address", "u", "a.html", "b.html"}, "more than one page given"},
        {{"http://h/", "a.html"}, "more than one page given"},
        {{"--page-address", "u", "--verbose"}, "unknown option --verbose"},
        {{"--page-address", "u", "--json=yes"}, "unknown option --json=yes"},
    };
    for (const auto& [arguments, error] : cases) {
        const ParsedArguments parsed = parse_arguments(arguments);
        EXPECT_EQ(parsed.outcome, ParsedArguments::Outcome::Error);
        EXPECT_EQ(parsed.error, error);
    }
}

}
}
