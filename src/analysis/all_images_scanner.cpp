#include "analysis/all_images_scanner.h"

#include "analysis/html_tag_reader.h"
#include "analysis/image_link_scanner.h"
#include "analysis/output_bounds.h"
#include "analysis/reference_resolver.h"
#include "analysis/tag_images.h"
#include "analysis/url_helpers.h"

#include <unordered_set>

namespace quillet {

namespace {

// Keeps one entry per kind, address and descriptor, within the bounds.
class NamedImageAppender {
public:
    explicit NamedImageAppender(std::size_t byte_bound) : m_bytes_left(byte_bound) {}

    void append(NamedImage image)
    {
        std::string key = std::string(image_kind_label(image.kind)) + '\0' + image.url + '\0' + image.descriptor;
        if (m_keys.contains(key))
            return;
        const std::size_t size = image.url.size() + image.file_name.size() + image.element.size() + key.size();
        if (m_found.left_out > 0 || m_found.images.size() == kNamedImageBound || size > m_bytes_left) {
            ++m_found.left_out; // this one and all after it, small ones too
            return;
        }
        m_bytes_left -= size;
        m_keys.insert(std::move(key));
        m_found.images.push_back(std::move(image));
    }

    NamedImages take() { return std::move(m_found); }

private:
    NamedImages m_found;
    std::unordered_set<std::string> m_keys;
    std::size_t m_bytes_left;
};

NamedImage link_image(Reference link)
{
    return {ImageKind::LinkToImageFile, std::move(link.url), std::move(link.file_name), {}, "a", link.place};
}

}

NamedImages CollectNamedImages(std::string_view page_text, std::string_view base_address)
{
    const ReferenceResolver resolver(base_address);
    NamedImageAppender appender(reference_list_bound(page_text.size()));
    ReferenceList links;
    CollectImageLinks(page_text, base_address, links);
    std::size_t next_link = 0;

    HtmlTagReader tags(page_text);
    std::vector<ImageMention> mentions;
    int open_pictures = 0;
    while (const std::optional<HtmlTag> tag = tags.next()) {
        if (tag->closing) {
            if (tag->name == "picture" && open_pictures > 0)
                --open_pictures;
            continue;
        }
        if (tag->name == "picture")
            ++open_pictures;
        mentions.clear();
        if (tag->name == "style")
            append_style_sheet_images(page_text, *tag, mentions);
        else
            append_tag_images(page_text, *tag, open_pictures > 0, mentions);
        // The links come from their own scanner; they join the list where their tags stand.
        for (; next_link < links.size() && links[next_link].place.tag_start <= tag->start; ++next_link)
            appender.append(link_image(std::move(links[next_link])));
        for (ImageMention& mention : mentions) {
            std::string file_name = UrlFileName(mention.reference);
            appender.append({mention.kind, resolver.resolve(mention.reference), std::move(file_name),
                             std::move(mention.descriptor), std::move(mention.element), mention.place});
        }
    }
    for (; next_link < links.size(); ++next_link)
        appender.append(link_image(std::move(links[next_link])));
    return appender.take();
}

}
