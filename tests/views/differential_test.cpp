#include "views/image_page.h"
#include "views/source_page.h"

#include "reference/reference_views.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <random>

namespace quillet {
namespace {

// File names that never occur inside one another or inside their addresses, so that linking them
// one after the other (the reference) and in one pass give the same page. The page never puts a
// letter or digit right beside one, so each stands whole wherever it occurs.
std::string distinct_name(std::size_t index)
{
    std::array<char, 21> digits{}; // room for any size_t
    std::snprintf(digits.data(), digits.size(), "%05zu", index);
    return "n" + std::string(digits.data()) + (index % 3 == 0 ? ".jpg" : ".gif");
}

class PageGenerator {
public:
    explicit PageGenerator(unsigned seed) : m_random(seed) {}

    PageReferences references(std::size_t count)
    {
        PageReferences references;
        for (std::size_t i = 0; i < count; ++i) {
            const std::string name = distinct_name(i);
            const std::string url = pick({"http://example.com/dir/", "http://www.example.com/", "http://h/a/b/"}) + name;
            (m_random() % 2 == 0 ? references.image_links : references.image_tags).push_back({url, name});
        }
        return references;
    }

    std::string page(const PageReferences& references, std::size_t pieces)
    {
        std::vector<std::string> names;
        for (const ReferenceList* list : {&references.image_links, &references.image_tags}) {
            for (const Reference& entry : *list)
                names.push_back(entry.file_name);
        }
        std::string page;
        for (std::size_t i = 0; i < pieces; ++i) {
            const std::string name = names.empty() ? "none.gif" : names[m_random() % names.size()];
            page += pick({"<img src='pics/" + name + "' alt=\"x\">", "<a href=\"" + name + "\">", "(" + name + ")", "</a>",
                          "\r\n", "\n", "\r", " text ", "<p>", ">", "<", "'", "\"", "\xc3\xa9", std::string(1, '\0')});
        }
        return page;
    }

private:
    std::string pick(const std::vector<std::string>& choices) { return choices[m_random() % choices.size()]; }

    std::mt19937 m_random;
};

TEST(Differential, SourcePageMatchesTheReferenceWithoutAmpersands)
{
    for (unsigned seed = 1; seed <= 60; ++seed) {
        PageGenerator generator(seed);
        const PageReferences references = generator.references(seed % 25);
        const std::string page = generator.page(references, 50 + seed * 20);

        EXPECT_EQ(build_source_page(page, references).html, reference::SourcePage(page, references)) << "seed " << seed;
    }
}

TEST(Differential, ImagePageMatchesTheReferenceForPlainAddresses)
{
    for (unsigned seed = 1; seed <= 30; ++seed) {
        PageReferences references = PageGenerator(seed).references(seed);
        for (std::size_t i = 0; i < references.image_tags.size(); i += 2)
            references.image_tags[i].url.erase(0, std::string_view("http://").size());

        EXPECT_EQ(build_image_page(references.image_tags, 0).html, reference::ImagePage(references.image_tags))
            << "seed " << seed;
    }
}

TEST(Differential, TheReferenceShowsTheFaultsThatWereMended)
{
    const PageReferences references = {{}, {{"http://h/logo.gif", "logo.gif"}, {"http://h/o.gif", "o.gif"}}};

    EXPECT_EQ(reference::SourcePage("&lt;", {}), "&lt;");
    EXPECT_EQ(reference::SourcePage("logo.gif", references),
              "<a href='http://h/log<a href='http://h/o.gif'>o.gif</a>'>log<a href='http://h/o.gif'>o.gif</a></a>");
    EXPECT_EQ(reference::ImagePage({{"https://h/a'.gif", "a'.gif"}}),
              "<a href='http://https://h/a'.gif'><img src='http://https://h/a'.gif'></a><BR>https://h/a'.gif<BR><BR><BR>");
}

}
}
