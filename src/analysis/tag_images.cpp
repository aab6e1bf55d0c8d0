#include "analysis/tag_images.h"

#include "analysis/ascii_text.h"
#include "analysis/character_references.h"
#include "analysis/css_image_urls.h"
#include "analysis/srcset_parser.h"
#include "analysis/tag_attributes.h"

#include <optional>

namespace quillet {

namespace {

std::size_t offset_in(std::string_view text, std::string_view part)
{
    return static_cast<std::size_t>(part.data() - text.data());
}

// An address attribute as the URL parser reads it: decoded, without the blanks around it and
// the line breaks and tabs inside.
std::string address_of(std::string_view written)
{
    std::string address(trimmed(decode_attribute_value(written), kHtmlSpaces));
    std::erase_if(address, [](char c) { return c == '\t' || c == '\n' || c == '\r'; });
    return address;
}

class MentionWriter {
public:
    MentionWriter(std::string_view page_text, const HtmlTag& tag, std::vector<ImageMention>& mentions)
        : m_page_text(page_text)
        , m_tag(tag)
        , m_attributes(tag_attributes(tag.attributes))
        , m_mentions(mentions)
    {
    }

    std::optional<std::string_view> attribute(std::string_view name) const { return attribute_named(m_attributes, name); }

    void address(ImageKind kind, std::string_view name)
    {
        if (const auto written = attribute(name))
            add(kind, address_of(*written), {}, *written);
    }

    void srcset(ImageKind kind, std::string_view name)
    {
        const auto written = attribute(name);
        if (!written)
            return;
        const std::string decoded = decode_attribute_value(*written);
        for (const SrcsetCandidate& candidate : parse_srcset(decoded))
            add(kind, std::string(candidate.url), std::string(candidate.descriptor), *written);
    }

    // "div#top.hero": the element as a selector would name it, by its id and first class.
    void style_backgrounds()
    {
        const auto written = attribute("style");
        if (!written)
            return;
        const std::string declarations = decode_attribute_value(*written);
        const std::vector<CssImageUrl> urls = background_urls_in_declarations(declarations);
        if (urls.empty())
            return;
        std::string element = m_tag.name;
        if (const auto id = attribute("id"); id && !id->empty())
            element += "#" + std::string(trimmed(decode_attribute_value(*id), kHtmlSpaces));
        if (const auto classes = attribute("class")) {
            const std::string decoded = decode_attribute_value(*classes);
            const std::string_view class_list = trimmed(decoded, kHtmlSpaces);
            if (!class_list.empty())
                element += "." + std::string(class_list.substr(0, class_list.find_first_of(kHtmlSpaces)));
        }
        for (const CssImageUrl& url : urls)
            add(ImageKind::CssBackground, address_of(url.url), {}, *written, element);
    }

private:
    void add(ImageKind kind, std::string reference, std::string descriptor, std::string_view written,
             std::string element = {})
    {
        if (reference.empty())
            return; // an empty address names no image
        m_mentions.push_back({kind, std::move(reference), std::move(descriptor),
                              element.empty() ? m_tag.name : std::move(element),
                              {m_tag.start, offset_in(m_page_text, written), written.size()}});
    }

    std::string_view m_page_text;
    const HtmlTag& m_tag;
    std::vector<TagAttribute> m_attributes;
    std::vector<ImageMention>& m_mentions;
};

bool is_icon_link(const MentionWriter& tag)
{
    const auto rel = tag.attribute("rel");
    return rel && to_lower_ascii(decode_attribute_value(*rel)).find("icon") != std::string::npos;
}

std::optional<ImageKind> meta_image_kind(const MentionWriter& tag)
{
    auto name = tag.attribute("property");
    if (!name)
        name = tag.attribute("name");
    if (!name)
        return std::nullopt;
    const std::string property = to_lower_ascii(trimmed(decode_attribute_value(*name), kHtmlSpaces));
    if (property == "og:image" || property == "og:image:url" || property == "og:image:secure_url")
        return ImageKind::OpenGraphImage;
    if (property == "twitter:image" || property == "twitter:image:src")
        return ImageKind::TwitterImage;
    return std::nullopt;
}

void append_lazy_sources(MentionWriter& tag)
{
    tag.address(ImageKind::Lazy, "data-src");
    tag.srcset(ImageKind::Lazy, "data-srcset");
    tag.address(ImageKind::Lazy, "data-lazy-src");
    tag.address(ImageKind::Lazy, "data-original");
}

void append_element_images(MentionWriter& tag, std::string_view name, bool inside_picture)
{
    if (name == "img") {
        tag.address(ImageKind::Img, "src");
        tag.srcset(ImageKind::ImgSrcset, "srcset");
        append_lazy_sources(tag);
    } else if (name == "source" && inside_picture) {
        tag.srcset(ImageKind::PictureSource, "srcset");
        append_lazy_sources(tag);
    } else if (name == "image") {
        tag.address(ImageKind::SvgImage, tag.attribute("href") ? "href" : "xlink:href");
    } else if (name == "input") {
        const auto type = tag.attribute("type");
        if (type && equals_ignoring_case(trimmed(*type, kHtmlSpaces), "image"))
            tag.address(ImageKind::InputImage, "src");
    } else if (name == "video") {
        tag.address(ImageKind::VideoPoster, "poster");
    } else if (name == "link" && is_icon_link(tag)) {
        tag.address(ImageKind::Icon, "href");
    } else if (name == "meta") {
        if (const auto kind = meta_image_kind(tag))
            tag.address(*kind, "content");
    }
}

}

void append_tag_images(std::string_view page_text, const HtmlTag& tag, bool inside_picture,
                       std::vector<ImageMention>& mentions)
{
    MentionWriter writer(page_text, tag, mentions);
    append_element_images(writer, tag.name, inside_picture);
    writer.style_backgrounds();
}

void append_style_sheet_images(std::string_view page_text, const HtmlTag& style, std::vector<ImageMention>& mentions)
{
    for (const CssImageUrl& url : background_urls_in_style_sheet(style.raw_text)) {
        mentions.push_back({ImageKind::CssBackground, address_of(url.url), {}, std::string(url.selector),
                            {style.start, offset_in(page_text, url.url), url.url.size()}});
        if (mentions.back().reference.empty())
            mentions.pop_back();
    }
}

}
