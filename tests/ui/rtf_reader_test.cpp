#include "ui/rtf_reader.h"

#include "support/test_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

namespace quillet {
namespace {

struct TextCase {
    std::string rtf;
    std::string text;
};

void expect_texts(const std::vector<TextCase>& cases)
{
    for (const TextCase& c : cases)
        EXPECT_EQ(read_rtf(c.rtf).text(), c.text) << c.rtf;
}

bool is_valid_utf8(const std::string& text)
{
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
        if (length == 0 || i + length > text.size())
            return false;
        for (std::size_t k = 1; k < length; ++k) {
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80)
                return false;
        }
        i += length;
    }
    return true;
}

RtfRun run(std::string text)
{
    RtfRun result;
    result.text = std::move(text);
    return result;
}

TEST(RtfReader, BreaksAndEscapes)
{
    expect_texts({
        {"{\\rtf1 Hello}", "Hello"},
        {"{\\rtf1 one\\par two\\line three}", "one\ntwo\nthree"},
        {"a\\tab b\\cell c\\row", "a\tb\tc\n"},
        {"{\\rtf1 \\{braces\\} and \\\\}", "{braces} and \\"},
        {"line\r\nbreaks\nin\rsource", "linebreaksinsource"},
        {"a\\\nb\\\r\nc", "a\nb\nc"},
        {"a\\~b\\_c\\-d", "a\xC2\xA0" "b\xE2\x80\x91" "cd"},
        {"\\emdash\\endash\\bullet\\lquote\\rquote\\ldblquote\\rdblquote",
         "\xE2\x80\x94\xE2\x80\x93\xE2\x80\xA2\xE2\x80\x98\xE2\x80\x99\xE2\x80\x9C\xE2\x80\x9D"},
        {"\\unknownword12 text \\unknown-5x", "text x"},
        {"word\\b\\i  two spaces", "word two spaces"},
        {"tab\tand\x01 nul", "tab\tand nul"},
    });
}

TEST(RtfReader, WindowsBytesAndUnicode)
{
    expect_texts({
        {"caf\\'e9 \\'80 \\'93q\\'94", "caf\xC3\xA9 \xE2\x82\xAC \xE2\x80\x9Cq\xE2\x80\x9D"},
        {"raw \xE9", "raw \xC3\xA9"},
        {"unassigned \\'81", "unassigned \xEF\xBF\xBD"},
        {"\\'4", "4"},
        {"\\'zz", "zz"},
        {"\\u8212?dash", "\xE2\x80\x94" "dash"},
        {"\\u8212\\'97x", "\xE2\x80\x94x"},
        {"\\uc2\\u8212??x", "\xE2\x80\x94x"},
        {"\\uc0\\u233 x", "\xC3\xA9x"},
        {"\\uc3\\u233 ab}x", "\xC3\xA9x"},
        {"{\\u8212}x", "\xE2\x80\x94x"},
        {"{\\uc0 \\u233}\\u233?x", "\xC3\xA9\xC3\xA9x"},
        {"\\u-10179?\\u-8694?!", "\xF0\x9F\x98\x8A!"},
        {"\\u-10179?x", "\xEF\xBF\xBDx"},
        {"\\u-8694?x", "\xEF\xBF\xBDx"},
        {"\\u-10179?\\u-10179?\\u-8694?", "\xEF\xBF\xBD\xF0\x9F\x98\x8A"},
        {"\\u99999999999999?x", "\xEF\xBF\xBDx"},
        {"\\u-99999999999?x", "\xEF\xBF\xBDx"},
        {"\\u0?x", "x"},
    });
}

TEST(RtfReader, SkipsDestinationsItCannotShow)
{
    expect_texts({
        {"{\\rtf1{\\info{\\title Title}{\\author Me}}body}", "body"},
        {"{\\rtf1{\\stylesheet{\\s0 Normal;}{\\s1 Heading;}}body}", "body"},
        {"{\\*\\generator Writer;}{\\*\\unknown {nested} text}shown", "shown"},
        {"{\\pict\\pngblip 89504e47}after", "after"},
        {"{\\pict\\bin4 }}}}}after", "after"},
        {"{\\field{\\*\\fldinst HYPERLINK \"http://x\"}{\\fldrslt link}}", "link"},
        {"{\\header page}{\\footer foot}text", "text"},
        {"\\bin3 abcdef", "def"},
        {"\\bin-5 abc", "abc"},
        {"\\bin99999999999 abc", ""},
        {"{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red1\\green2\\blue3;}text", "text"},
    });
}

TEST(RtfReader, BrokenInputGivesWhatCanBeRead)
{
    expect_texts({
        {"", ""},
        {"\\", ""},
        {"{", ""},
        {"{\\rtf1 truncated", "truncated"},
        {"}}}stray{{", "stray"},
        {"{\\rtf1 a}b}c", "abc"},
        {"{\\rtf1\\ansi\\deff0 {\\fonttbl {\\f0 Arial;}", ""},
        {"{\\colortbl;\\red999999999999\\green-4", ""},
        {"no rich text at all", "no rich text at all"},
    });

    const std::string deep = std::string(100000, '{') + "x\\b y" + std::string(100000, '}') + "z";
    EXPECT_EQ(read_rtf(deep).text(), "xyz");
    EXPECT_FALSE(read_rtf(deep).runs.back().bold);
}

TEST(RtfReader, RandomBytesNeverBreakTheReader)
{
    const std::string alphabet = "{}\\'*;abfuclpr0123456789- \r\n\xE9\x80";
    std::mt19937 generator(20240601);
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    std::uniform_int_distribution<int> length(0, 400);
    for (int round = 0; round < 3000; ++round) {
        std::string input(static_cast<std::size_t>(length(generator)), ' ');
        std::generate(input.begin(), input.end(), [&] { return alphabet[pick(generator)]; });

        const RtfDocument document = read_rtf(input);

        EXPECT_TRUE(is_valid_utf8(document.text())) << input;
        for (std::size_t i = 1; i < document.runs.size(); ++i)
            EXPECT_FALSE(document.runs[i].has_format_of(document.runs[i - 1])) << input;
    }
}

TEST(RtfReader, CharacterFormats)
{
    struct Case {
        std::string rtf;
        bool bold;
        bool italic;
        bool underline;
        double font_size;
    };
    const std::vector<Case> cases = {
        {"\\b x", true, false, false, 12},
        {"\\b\\b0 x", false, false, false, 12},
        {"\\b1 x", true, false, false, 12},
        {"\\i x", false, true, false, 12},
        {"\\i\\i0 x", false, false, false, 12},
        {"\\ul x", false, false, true, 12},
        {"\\ul\\ulnone x", false, false, false, 12},
        {"\\ul\\ul0 x", false, false, false, 12},
        {"\\uldb x", false, false, true, 12},
        {"\\ulwave x", false, false, true, 12},
        {"\\ulc2 x", false, false, false, 12},
        {"\\fs32 x", false, false, false, 16},
        {"\\fs21 x", false, false, false, 10.5},
        {"\\fs x", false, false, false, 12},
        {"\\fs99999999999 x", false, false, false, 1638},
        {"\\fs-4 x", false, false, false, 0.5},
        {"\\b\\i\\ul\\fs40\\plain x", false, false, false, 12},
        {"{\\b\\i\\ul\\fs40 y}x", false, false, false, 12},
    };
    for (const Case& c : cases) {
        const RtfDocument document = read_rtf(c.rtf);
        ASSERT_FALSE(document.runs.empty()) << c.rtf;
        const RtfRun& last = document.runs.back();
        EXPECT_EQ(last.text, "x") << c.rtf;
        EXPECT_EQ(last.bold, c.bold) << c.rtf;
        EXPECT_EQ(last.italic, c.italic) << c.rtf;
        EXPECT_EQ(last.underline, c.underline) << c.rtf;
        EXPECT_EQ(last.font_size, c.font_size) << c.rtf;
    }
}

TEST(RtfReader, GroupsRestoreTheFormatAndRunsMerge)
{
    const RtfDocument document = read_rtf("{\\rtf1 plain {\\b bold {\\i both}} again\\par end}");

    RtfRun bold = run("bold ");
    bold.bold = true;
    RtfRun both = run("both");
    both.bold = true;
    both.italic = true;
    EXPECT_EQ(document.runs, (std::vector<RtfRun>{run("plain "), bold, both, run(" again\nend")}));
}

TEST(RtfReader, FontsComeFromTheFontTable)
{
    const RtfDocument document = read_rtf(
        "{\\rtf1\\ansi\\deff1{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}"
        "{\\f1\\froman Times New Roman{\\*\\panose 02020603050405020304}{\\*\\falt Times};}"
        "{\\f2 Caf\\'e9  ;}{\\f3 Unterminated}}"
        "a\\f0 b\\f2 c\\f3 d\\f9 e\\plain f}");

    std::vector<std::string> families;
    for (const RtfRun& r : document.runs)
        families.push_back(r.text + "=" + r.font_family);
    EXPECT_EQ(families, (std::vector<std::string>{"a=Times New Roman", "b=Arial", "c=Caf\xC3\xA9", "d=Unterminated",
                                                  "e=", "f=Times New Roman"}));
    EXPECT_EQ(document.text(), "abcdef");
}

TEST(RtfReader, FontTableWithoutEntryGroups)
{
    const RtfDocument document = read_rtf("{\\fonttbl\\f0 Arial;\\f1 Courier New;}\\f1 x");

    ASSERT_EQ(document.runs.size(), 1u);
    EXPECT_EQ(document.runs[0].font_family, "Courier New");
}

TEST(RtfReader, ColoursComeFromTheColourTable)
{
    const RtfDocument document = read_rtf(
        "{\\rtf1{\\colortbl;\\red255\\green0\\blue0;\\red0\\green128\\blue300;}"
        "a\\cf1 b\\cf2 c\\cf0 d\\cf7 e\\cf1\\plain f}");

    std::vector<std::optional<RtfColor>> colors;
    for (const RtfRun& r : document.runs)
        colors.push_back(r.color);
    EXPECT_EQ(colors, (std::vector<std::optional<RtfColor>>{
                          std::nullopt, RtfColor{255, 0, 0}, RtfColor{0, 128, 255}, std::nullopt}));
    EXPECT_EQ(document.runs.back().text, "def");
}

TEST(RtfReader, ShippedHelpFileReadsAsAGuide)
{
    ASSERT_TRUE(std::filesystem::is_regular_file(QUILLET_HELP_RTF));
    const std::string rtf = test::read_file(QUILLET_HELP_RTF);

    const RtfDocument document = read_rtf(rtf);
    const std::string text = document.text();

    EXPECT_TRUE(is_valid_utf8(text));
    EXPECT_TRUE(text.starts_with("Quillet Help\n")) << text.substr(0, 80);
    for (const char* phrase : {"Browser", "Source Code", "Images", "Go", "Back", "Forward", "Stop", "Refresh",
                               "Up Dir", "Send Page to Browser Tab", "File > Open", "View", "Tools",
                               "Show at Startup", "checkImages.txt", "Ctrl+L", "Ctrl+F"})
        EXPECT_NE(text.find(phrase), std::string::npos) << phrase;
    EXPECT_EQ(text.find_first_of("\\{}"), std::string::npos);

    const auto is_heading = [](const RtfRun& r) { return r.bold && r.font_size > 12; };
    const auto headings = std::count_if(document.runs.begin(), document.runs.end(), is_heading);
    EXPECT_GE(headings, 5);
    EXPECT_TRUE(is_heading(document.runs.front()));
    EXPECT_TRUE(std::any_of(document.runs.begin(), document.runs.end(), [](const RtfRun& r) { return r.italic; }));
    EXPECT_TRUE(std::any_of(document.runs.begin(), document.runs.end(), [](const RtfRun& r) { return r.underline; }));
    EXPECT_TRUE(std::any_of(document.runs.begin(), document.runs.end(), [](const RtfRun& r) { return r.color; }));
    EXPECT_TRUE(std::all_of(document.runs.begin(), document.runs.end(),
                            [](const RtfRun& r) { return !r.font_family.empty(); }));
}

}
}
