#include "analysis/all_images_scanner.h"
#include "analysis/image_details.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace quillet {

namespace {

constexpr const char* kSite = "http://example.com/";

struct ImageDetailsCase {
    std::string name;
    std::string rendered;
    std::optional<std::string> served;
    EngineImageFacts engine;
    std::string expected; // Copy Rows text without its header
};

std::string rows_text(const ImageDetails& details)
{
    std::vector<const ImageDetailsRow*> rows;
    for (const auto& row : details.rows)
        rows.push_back(&row);
    const std::string text = image_rows_text(rows);
    return text.substr(text.find('\n') + 1);
}

ImageDetails build(const ImageDetailsCase& c)
{
    std::optional<NamedImages> served;
    if (c.served)
        served = CollectNamedImages(*c.served, kSite);
    return BuildImageDetails(CollectNamedImages(c.rendered, kSite), served, c.engine);
}

class ImageDetailsRows : public testing::TestWithParam<ImageDetailsCase> { };

TEST_P(ImageDetailsRows, MergeWhatThePageNamesWithWhatTheEngineDid)
{
    EXPECT_EQ(rows_text(build(GetParam())), GetParam().expected);
}

LoadedResource loaded(std::string url, std::string type, std::uint64_t bytes, int status = 200)
{
    return {kSite + url, std::move(type), bytes, status, false};
}

ImageElementFacts img(std::string url, unsigned natural, unsigned shown, std::optional<std::string> alt)
{
    return {kSite + url, "img", natural, natural, shown, shown, std::move(alt), true, false, false};
}

INSTANTIATE_TEST_SUITE_P(Table, ImageDetailsRows, testing::Values(
    ImageDetailsCase{"ChosenCandidateMarkedShownOneRowPerAddress",
        "<picture><source srcset='h.webp 1x, h2.webp 2x'><img src=h.jpg alt=Hero width=9 height=9></picture>"
        "<img src=h.jpg alt=Again><img src=h2.webp alt=Small>",
        "<picture><source srcset='h.webp 1x, h2.webp 2x'><img src=h.jpg alt=Hero width=9 height=9></picture>",
        {{loaded("h.webp", "image/webp", 5000), loaded("x.js", "text/javascript", 10)},
         {img("h.webp", 100, 100, "Hero"), img("h2.webp", 50, 20, "Small")}, {}},
        "http://example.com/h.webp\tpicture source 1x (shown)\tserved\tyes (200)\timage/webp\t5,000\t100 x 100"
        "\t100 x 100\tHero\t\n"
        "http://example.com/h2.webp\tpicture source 2x; img\tserved\tno\t\t\t50 x 50\t20 x 20\tSmall"
        "\tshown at less than half its natural width\n"
        "http://example.com/h.jpg\timg\tserved\tno\t\t\t\tnot shown\t\t\n"},
    ImageDetailsCase{"AddedByScriptAndLoadedByStyleSheet",
        "<div id=x><img src=added.png></div>",
        "<div id=x></div>",
        {{loaded("added.png", "image/png", 10), loaded("bg.jpg", "image/jpeg", 1234567),
          loaded("gone.png", "image/png", 0, 404)},
         {{kSite + std::string("added.png"), "img", 20, 10, 20, 10, std::nullopt, false, false, false}},
         {{kSite + std::string("bg.jpg"), "div.hero", false}}},
        "http://example.com/added.png\timg\tadded\tyes (200)\timage/png\t10\t20 x 10\t20 x 10\t"
        "\tno alternate text; no width and height attributes\n"
        "http://example.com/bg.jpg\tCSS background div.hero\tneither\tyes (200)\timage/jpeg\t1,234,567\t"
        "\tnot shown\t\t\n"
        "http://example.com/gone.png\t\tneither\tfailed (404)\timage/png\t\t\tnot shown\t\tfailed to load\n"},
    ImageDetailsCase{"ShownSmallSavesBytesByArea",
        "<img src=big.jpg alt=''>", std::nullopt,
        {{loaded("big.jpg", "image/jpeg", 10000)}, {img("big.jpg", 100, 25, "")}, {}},
        "http://example.com/big.jpg\timg\tadded\tyes (200)\timage/jpeg\t10,000\t100 x 100\t25 x 25\t"
        "\tshown at less than half its natural width (would save about 9,375 bytes)\n"},
    ImageDetailsCase{"LazyPlaceholdersAndFrames",
        "<img src='data:image/gif;base64,R0lGOD' data-src=p.jpg alt=a width=1 height=1>"
        "<img src=dot.gif data-src=q.jpg alt=b width=1 height=1>",
        std::nullopt,
        {{},
         {{"data:image/gif;base64,R0lGOD", "img", 1, 1, 50, 50, "a", true, true, false},
          {kSite + std::string("dot.gif"), "img", 1, 1, 50, 50, "b", true, true, false},
          {kSite + std::string("f.png"), "img", 4, 4, 4, 4, "c", true, false, true}},
         {}},
        "data:image/gif;base64,R0lGOD\timg\tadded\tno\timage/gif\t\t1 x 1\t50 x 50\ta\tplaceholder for a lazy source\n"
        "http://example.com/p.jpg\tlazy\tadded\tno\t\t\t\tnot shown\t\t\n"
        "http://example.com/dot.gif\timg\tadded\tno\t\t\t1 x 1\t50 x 50\tb\tplaceholder for a lazy source\n"
        "http://example.com/q.jpg\tlazy\tadded\tno\t\t\t\tnot shown\t\t\n"
        "http://example.com/f.png\tframe\tneither\tno\t\t\t4 x 4\t4 x 4\tc\t\n"}
), [](const auto& info) { return info.param.name; });

TEST(ImageDetailsRowsTest, FilterSortAndBound)
{
    EngineImageFacts engine;
    for (unsigned i = 0; i < kImageDetailsRowBound + 5; ++i)
        engine.resources.push_back(loaded(std::to_string(i) + ".png", "image/png", i));
    engine.elements.push_back({kSite + std::string("7.png"), "img", 8, 8, 8, 8, std::nullopt, true, false, false});
    const ImageDetails details = BuildImageDetails({}, std::nullopt, engine);
    ASSERT_EQ(details.rows.size(), kImageDetailsRowBound);
    EXPECT_EQ(details.left_out, 5U);

    // The element names its row first, the loads follow in their order.
    const auto& seventh = details.rows[0];
    const auto& first = details.rows[1];
    const auto& tenth = details.rows[11];
    EXPECT_TRUE(image_row_matches(seventh, "ALTERNATE", NoAlternateText));
    EXPECT_TRUE(image_row_matches(seventh, "7.PNG", 0));
    EXPECT_FALSE(image_row_matches(tenth, "", NoAlternateText));
    EXPECT_FALSE(image_row_matches(tenth, "alternate", 0));
    // By number where a column holds figures, not by its text ("10" before "7").
    EXPECT_LT(compare_image_rows(seventh, tenth, ImageColumn::Size), 0);
    EXPECT_GT(compare_image_rows(seventh, tenth, ImageColumn::Address), 0);
    EXPECT_GT(compare_image_rows(seventh, first, ImageColumn::ShownAt), 0);
    EXPECT_EQ(image_rows_text({}), "Address\tSource\tServed or added\tLoaded\tType\tSize\tNatural size\tShown at"
                                   "\tAlternate text\tNotes\n");
}

}

}
