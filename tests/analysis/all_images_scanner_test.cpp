#include "analysis/all_images_scanner.h"
#include "analysis/base_address.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace quillet {

void PrintTo(const NamedImage& image, std::ostream* out)
{
    *out << "{" << image_kind_label(image.kind) << " \"" << image.url << "\" \"" << image.file_name << "\" \""
         << image.descriptor << "\" " << image.element << "}";
}

namespace {

constexpr const char* kPage = "http://www.example.com/site/index.html";
constexpr const char* kSite = "http://www.example.com/site/";

std::string at_site(std::string_view path)
{
    return kSite + std::string(path);
}

struct AllImagesCase {
    std::string name;
    std::string page_text;
    std::vector<NamedImage> expected;
};

// What the lists do: the document's base address first, then the scan.
NamedImages scan(std::string_view page_text)
{
    return CollectNamedImages(page_text, document_base_address(page_text, kPage));
}

class AllImages : public testing::TestWithParam<AllImagesCase> { };

TEST_P(AllImages, ListsEveryImageThePageNames)
{
    const NamedImages found = scan(GetParam().page_text);
    EXPECT_EQ(found.images, GetParam().expected);
    EXPECT_EQ(found.left_out, 0U);
}

using enum ImageKind;

INSTANTIATE_TEST_SUITE_P(Table, AllImages, testing::Values(
    AllImagesCase{"ImgWithSrcset",
        "<img src='a.jpg' srcset='a-480.jpg 480w, a-800.jpg 800w' alt=x>",
        {{Img, at_site("a.jpg"), "a.jpg", "", "img"},
         {ImgSrcset, at_site("a-480.jpg"), "a-480.jpg", "480w", "img"},
         {ImgSrcset, at_site("a-800.jpg"), "a-800.jpg", "800w", "img"}}},
    AllImagesCase{"CommaInsideSrcsetAddress",
        "<img srcset=\"/cdn/w_400,q_80/x.jpg 1x, /cdn/w_800,q_80/x.jpg 2x\">",
        {{ImgSrcset, "http://www.example.com/cdn/w_400,q_80/x.jpg", "x.jpg", "1x", "img"},
         {ImgSrcset, "http://www.example.com/cdn/w_800,q_80/x.jpg", "x.jpg", "2x", "img"}}},
    AllImagesCase{"PictureSourcesOnlyInsidePicture",
        "<picture><source srcset='hero.webp' type=image/webp><img src='hero.jpg'></picture>"
        "<video poster='p.png'><source src='v.mp4' srcset='no.jpg'></video>",
        {{PictureSource, at_site("hero.webp"), "hero.webp", "", "source"},
         {Img, at_site("hero.jpg"), "hero.jpg", "", "img"},
         {VideoPoster, at_site("p.png"), "p.png", "", "video"}}},
    AllImagesCase{"LazySources",
        "<img src='data:image/gif;base64,R0lGOD' data-src='photo-4.jpg' loading=lazy>"
        "<img src=placeholder.gif data-srcset='photo-5.jpg 1x, photo-5@2x.jpg 2x'>"
        "<img data-lazy-src=l.jpg data-original=o.jpg>",
        {{Img, "data:image/gif;base64,R0lGOD", "gif;base64,R0lGOD", "", "img"},
         {Lazy, at_site("photo-4.jpg"), "photo-4.jpg", "", "img"},
         {Img, at_site("placeholder.gif"), "placeholder.gif", "", "img"},
         {Lazy, at_site("photo-5.jpg"), "photo-5.jpg", "1x", "img"},
         {Lazy, at_site("photo-5@2x.jpg"), "photo-5@2x.jpg", "2x", "img"},
         {Lazy, at_site("l.jpg"), "l.jpg", "", "img"},
         {Lazy, at_site("o.jpg"), "o.jpg", "", "img"}}},
    AllImagesCase{"CssBackgrounds",
        "<style>.hero { background-image: url('/img/hero.jpg') } p { color: red }</style>"
        "<div class='hero wide' style=\"background: url(&quot;bg.png&quot;) no-repeat\">"
        "<span id=t style='background-image:url(t.png)'></span><p style='border-image:url(no.png)'>",
        {{CssBackground, "http://www.example.com/img/hero.jpg", "hero.jpg", "", ".hero"},
         {CssBackground, at_site("bg.png"), "bg.png", "", "div.hero"},
         {CssBackground, at_site("t.png"), "t.png", "", "span#t"}}},
    AllImagesCase{"SvgInputIconsAndMeta",
        "<link rel='shortcut icon' href=/favicon.ico><link rel=apple-touch-icon href=touch.png>"
        "<link rel=stylesheet href=s.css><meta property='og:image' content='https://cdn.example.net/og.jpg'>"
        "<meta name=twitter:image content=tw.jpg><meta name=description content=x.jpg>"
        "<svg><image href='i.svg'/><image xlink:href='x.png'/></svg><input type=IMAGE src=go.gif><input src=no.gif>",
        {{Icon, "http://www.example.com/favicon.ico", "favicon.ico", "", "link"},
         {Icon, at_site("touch.png"), "touch.png", "", "link"},
         {OpenGraphImage, "https://cdn.example.net/og.jpg", "og.jpg", "", "meta"},
         {TwitterImage, at_site("tw.jpg"), "tw.jpg", "", "meta"},
         {SvgImage, at_site("i.svg"), "i.svg", "", "image"},
         {SvgImage, at_site("x.png"), "x.png", "", "image"},
         {InputImage, at_site("go.gif"), "go.gif", "", "input"}}},
    AllImagesCase{"LinksToImageFilesInPageOrder",
        "<img src=a.gif>\n<a href='big/a.jpg'>big</a>\n<img src=b.gif>",
        {{Img, at_site("a.gif"), "a.gif", "", "img"},
         {LinkToImageFile, at_site("big/a.jpg"), "a.jpg", "", "a"},
         {Img, at_site("b.gif"), "b.gif", "", "img"}}},
    AllImagesCase{"BaseAddressAndCharacterReferences",
        "<base href='https://cdn.example.net/m/'><img src='a&amp;b.jpg' srcset='c&#44;d.jpg 2x'>",
        {{Img, "https://cdn.example.net/m/a&b.jpg", "a&b.jpg", "", "img"},
         {ImgSrcset, "https://cdn.example.net/m/c,d.jpg", "c,d.jpg", "2x", "img"}}},
    AllImagesCase{"OneEntryPerKindAddressAndDescriptor",
        "<img src=a.jpg srcset='a.jpg 1x'><img src=a.jpg srcset='a.jpg 1x, a.jpg 2x'><img src=''>",
        {{Img, at_site("a.jpg"), "a.jpg", "", "img"},
         {ImgSrcset, at_site("a.jpg"), "a.jpg", "1x", "img"},
         {ImgSrcset, at_site("a.jpg"), "a.jpg", "2x", "img"}}},
    AllImagesCase{"CommentsScriptsAndCutTagsNameNothing",
        "<!-- <img src=c.jpg> --><script>var s = '<img src=s.jpg>';</script><textarea><img src=t.jpg></textarea>"
        "<img src=ok.jpg><img src=cut.jpg",
        {{Img, at_site("ok.jpg"), "ok.jpg", "", "img"}}}),
    [](const testing::TestParamInfo<AllImagesCase>& info) { return info.param.name; });

TEST(AllImagesBounds, PlacesPointAtTheTagAndTheWrittenValue)
{
    const std::string page = "<p><img src=\"a&amp;b.jpg\"></p>";
    const NamedImages found = scan(page);
    ASSERT_EQ(found.images.size(), 1U);
    EXPECT_EQ(found.images[0].place.tag_start, 3U);
    EXPECT_EQ(page.substr(found.images[0].place.value_start, found.images[0].place.value_size), "a&amp;b.jpg");
}

TEST(AllImagesBounds, BoundedAndTheRestCounted)
{
    std::string page;
    for (std::size_t i = 0; i < kNamedImageBound + 5; ++i)
        page += "<img src=" + std::to_string(i) + ".gif>";
    const NamedImages found = scan(page);
    EXPECT_EQ(found.images.size(), kNamedImageBound);
    EXPECT_EQ(found.left_out, 5U);
    EXPECT_EQ(found.images.back().file_name, std::to_string(kNamedImageBound - 1) + ".gif");
}

}
}
