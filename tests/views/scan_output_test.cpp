#include "command_line.h"
#include "reference_output.h"

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
    EXPECT_EQ(references_as_json(references),
              R"({"imageTags": [{"url": "http://h/a.gif", "fileName": "a.gif"}, )"
              R"({"url": "http://h/t\tb\n.gif", "fileName": "t\tb\n.gif"}], )"
              R"("imageLinks": [{"url": "http://h/big.jpg", "fileName": "big.jpg"}]})"
              "\n");
    EXPECT_EQ(references_as_json({}), "{\"imageTags\": [], \"imageLinks\": []}\n");
    EXPECT_EQ(references_as_lines({{}, {{"u\x01", "\x7f"}}}), "img\tu\\x01\t\\x7F\n");
}

struct ArgumentsCase {
    std::vector<std::string_view> arguments;
    ParsedArguments::Outcome outcome;
    std::string page_address;
    std::string work_directory;
    OutputFormat format;
    std::optional<std::string> page_file;
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
        {{"--help"}, Help, "", ".", OutputFormat::Lines, std::nullopt},
        {{"--page-address", "u", "-h"}, Help, "", ".", OutputFormat::Lines, std::nullopt},
    };
    for (const ArgumentsCase& c : cases) {
        const ParsedArguments parsed = parse_arguments(c.arguments);
        EXPECT_EQ(parsed.outcome, c.outcome);
        EXPECT_EQ(parsed.request.page_address, c.page_address);
        EXPECT_EQ(parsed.request.work_directory, c.work_directory);
        EXPECT_EQ(parsed.request.format, c.format);
        EXPECT_EQ(parsed.request.page_file, c.page_file);
    }
}

TEST(ScanArguments, RefusesBadArguments)
{
    const std::vector<std::pair<std::vector<std::string_view>, std::string_view>> cases = {
        {{}, "--page-address is required"},
        {{"page.html"}, "--page-address is required"},
        {{"--page-address"}, "--page-address needs a value"},
        {{"--page-address", "u", "--work-dir"}, "--work-dir needs a value"},
        {{"--page-address", "u", "--page-address", "v"}, "--page-address given twice"},
        {{"--page-address", "u", "a.html", "b.html"}, "more than one page file given"},
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
