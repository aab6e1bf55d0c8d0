#include "views/served_page.h"

#include "views/page_views_update.h"
#include "views/source_page.h"

#include <algorithm>
#include <unordered_set>

namespace quillet {

namespace {

constexpr std::string_view kLineBreak = "<BR>";
constexpr std::string_view kLineStart = "<l></l>";

// The margin holds the widest number and a blank; the numbers are generated content, which is
// neither selected nor copied nor found.
std::string style_for(std::size_t line_count)
{
    const std::string margin = std::to_string(std::to_string(line_count).size() + 1) + "ch";
    return "<style>body{counter-reset:line;padding-left:" + margin +
           ";white-space:pre-wrap}l{counter-increment:line}l::before{content:counter(line);display:inline-block;"
           "box-sizing:border-box;width:" + margin + ";margin-left:-" + margin +
           ";padding-right:1ch;text-align:right;color:#808080}</style>";
}

// Every line end as one LF, as the engine's own text has it: CR LF and a lone CR are one line end
// each, and the scanners then see the lines the listing shows.
std::string with_line_feeds(std::string_view text)
{
    std::string lines;
    lines.reserve(text.size());
    for (std::size_t next = 0; next < text.size();) {
        const std::size_t cr = std::min(text.find('\r', next), text.size());
        lines.append(text, next, cr - next);
        if (cr == text.size())
            break;
        lines += '\n';
        next = cr + 1 < text.size() && text[cr + 1] == '\n' ? cr + 2 : cr + 1;
    }
    return lines;
}

// The document's last line end ends its last line and starts none.
std::string_view without_last_line_end(std::string_view text)
{
    if (!text.empty() && text.back() == '\n')
        text.remove_suffix(1);
    return text;
}

}

GeneratedPage build_served_page(std::string_view served_text, const PageReferences& references)
{
    const std::string lines = with_line_feeds(served_text);
    const std::string_view listed = without_last_line_end(lines);
    const std::size_t line_ends = static_cast<std::size_t>(std::count(listed.begin(), listed.end(), '\n'));
    const std::size_t line_count = listed.empty() ? 0 : line_ends + 1;
    const std::string style = style_for(line_count);
    const std::size_t added = style.size() + kLineStart.size() + line_ends * (1 + kLineStart.size() - kLineBreak.size());
    const GeneratedPage listing = build_source_page(listed, references, added);

    GeneratedPage page{style, listing.left_out};
    if (listed.empty())
        return page;
    page.html.reserve(listing.html.size() + added);
    page.html += kLineStart;
    const std::string_view text = listing.html;
    for (std::size_t next = 0; next < text.size();) {
        const std::size_t line_break = std::min(text.find(kLineBreak, next), text.size());
        page.html.append(text, next, line_break - next);
        if (line_break == text.size())
            break;
        page.html += '\n';
        page.html += kLineStart;
        next = line_break + kLineBreak.size();
    }
    return page;
}

std::string image_difference_summary(const ImageNamesDifference& difference)
{
    if (difference == ImageNamesDifference{})
        return {};
    return "Images: " + std::to_string(difference.only_rendered) + " only in the page as rendered, " +
           std::to_string(difference.only_served) + " only in the page as served";
}

namespace {

std::unordered_set<std::string_view> addresses_of(const ReferenceList& images)
{
    std::unordered_set<std::string_view> addresses;
    for (const Reference& image : images)
        addresses.insert(image.url);
    return addresses;
}

std::size_t count_missing(const std::unordered_set<std::string_view>& wanted,
                          const std::unordered_set<std::string_view>& present)
{
    return static_cast<std::size_t>(
        std::count_if(wanted.begin(), wanted.end(), [&](std::string_view address) { return !present.contains(address); }));
}

}

ServedPageWrite write_served_page(const PageViewsOutput& output, std::string_view served_text,
                                  std::string_view base_address, const ReferenceList& rendered_images)
{
    const std::string lines = with_line_feeds(served_text);
    const PageScan scan = scan_page(lines, base_address);
    const GeneratedPage page = build_served_page(lines, scan.references);
    const auto rendered = addresses_of(rendered_images);
    const auto served = addresses_of(scan.references.image_tags);
    return {scan.left_out + page.left_out, output.write(WorkFile::Served, page.html),
            {count_missing(rendered, served), count_missing(served, rendered)}};
}

}
