#include "views/image_manifest.h"
#include "views/saved_image_names.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace quillet {
namespace {

struct NameCase {
    const char* address;
    const char* name;
};

TEST(SavedImageNames, NameComesFromTheAddressAndNeverLeavesTheFolder)
{
    const std::vector<NameCase> cases = {
        {"http://example.com/pics/cat.gif", "cat.gif"},
        {"http://example.com/pics/cat.gif?size=2#top", "cat.gif"},
        {"http://example.com/a%20b%C3%A9.jpg", "a b\xC3\xA9.jpg"},
        {"http://example.com/x/..%2F..%2Fevil.gif", "evil.gif"},
        {"http://example.com/x/%2E%2E%2F%2E%2E%2Fetc%2Fpasswd", "passwd"},
        {"http://example.com/x/a%5Cb.gif", "b.gif"},
        {"http://example.com/x/..%2F", "image"},
        {"http://example.com/x/%2E%2E", "image"},
        {"http://example.com/x/.", "image"},
        {"http://example.com/x/.hidden.gif", "hidden.gif"},
        {"http://example.com/x/", "image"},
        {"http://example.com", "image"},
        {"http://example.com?q=/a.gif", "image"},
        {"http://example.com/a%00b%0A.gif", "ab.gif"},
        {"data:image/gif;base64,R0lGOD/lhAQABAIAAAP", "image"},
        {"file:///home/user/shot.png", "shot.png"},
        // Bytes that are not UTF-8 stay encoded, and raw ones get encoded.
        {"http://example.com/img/%FF%FE.gif", "%FF%FE.gif"},
        {"http://example.com/a%C3%A9%C3.gif", "a\xC3\xA9%C3.gif"},
        {"http://example.com/%ED%A0%80x.gif", "%ED%A0%80x.gif"},
        {"http://example.com/%F0%9F%90%88%F4%90%80%80.gif", "\xF0\x9F\x90\x88%F4%90%80%80.gif"},
        {"http://example.com/\xFFraw\xE2\x82.gif", "%FFraw%E2%82.gif"},
    };
    for (const NameCase& c : cases)
        EXPECT_EQ(image_file_name(c.address), c.name) << c.address;
}

TEST(SavedImageNames, LongNamesAreCutAtACharacterKeepingTheExtension)
{
    std::string stem;
    for (int i = 0; i < 150; ++i)
        stem += "\xC3\xA9"; // two bytes each
    const std::string name = image_file_name("http://example.com/" + stem + ".jpeg");
    EXPECT_LE(name.size(), 200U);
    EXPECT_TRUE(name.ends_with("\xC3\xA9.jpeg")) << name;
}

TEST(SavedImageNames, ShortenedNamesKeepAnExtensionThatFits)
{
    const std::vector<std::pair<std::size_t, NameCase>> cases = {
        {8, {"abcdef.gif", "abcd.gif"}},
        {20, {"abcdef.gif", "abcdef.gif"}},
        {10, {"abcdef.an-extension-too-long", "abcdef.an-"}},
        {4, {"ab.jpeg", "ab.j"}},
        {6, {"\xC3\xA9\xC3\xA9.gif", "\xC3\xA9.gif"}},
    };
    for (const auto& [longest, c] : cases)
        EXPECT_EQ(shortened_file_name(c.address, longest), c.name) << c.address << " to " << longest;
}

TEST(SavedImageNames, NumbersGoBeforeTheExtension)
{
    const std::vector<NameCase> cases = {
        {"cat.gif", "cat (2).gif"},
        {"archive.tar.gz", "archive.tar (2).gz"},
        {"image", "image (2)"},
    };
    for (const NameCase& c : cases)
        EXPECT_EQ(numbered_file_name(c.address, 2), c.name);
}

TEST(SavedImageNames, UniqueNamesSkipThoseGivenAndThoseInTheFolder)
{
    const std::set<std::string> in_folder = {"dog.jpg", "dog (2).jpg"};
    UniqueFileNames names([&](const std::string& name) { return in_folder.contains(name); });
    EXPECT_EQ(names.take("cat.gif"), "cat.gif");
    EXPECT_EQ(names.take("cat.gif"), "cat (2).gif");
    EXPECT_EQ(names.take("cat.gif"), "cat (3).gif");
    EXPECT_EQ(names.take("dog.jpg"), "dog (3).jpg");
}

TEST(ImageManifest, ListsEveryImageWithItsFileOrItsFailure)
{
    const std::vector<SavedImage> images = {
        {"http://example.com/cat.gif", "cat.gif", "", 6, "image/gif"},
        {"http://example.com/gone.gif", "", "HTTP 404", 0, "text/html; charset=utf-8"},
        {"http://example.com/a\tb.gif", "a b.gif", "", 3, "image/gif"},
    };
    EXPECT_EQ(image_manifest(images), "address\tfile\tbytes\ttype\n"
                                      "http://example.com/cat.gif\tcat.gif\t6\timage/gif\n"
                                      "http://example.com/gone.gif\tfailed: HTTP 404\t0\ttext/html; charset=utf-8\n"
                                      "http://example.com/a b.gif\ta b.gif\t3\timage/gif\n");
}

}
}
