#include "reference/reference_views.h"

namespace quillet::reference {

std::string Replace(std::string_view text, std::string_view from, std::string_view to)
{
    if (from.empty())
        return std::string(text);
    std::string result;
    std::size_t start = 0;
    for (std::size_t found = text.find(from); found != std::string_view::npos; found = text.find(from, start)) {
        result.append(text.substr(start, found - start)).append(to);
        start = found + from.size();
    }
    result.append(text.substr(start));
    return result;
}

std::string SourcePage(std::string_view page_text, const PageReferences& references)
{
    std::string page = Replace(page_text, "<", "&lt;");
    page = Replace(page, "\r", "<BR>");
    page = Replace(page, "\n", "<BR>");
    for (const ReferenceList* pair : {&references.image_links, &references.image_tags}) {
        for (const Reference& entry : *pair)
            page = Replace(page, entry.file_name, "<a href='" + entry.url + "'>" + entry.file_name + "</a>");
    }
    return page;
}

std::string ImagePage(const ReferenceList& image_tags)
{
    std::string page;
    for (const Reference& entry : image_tags) {
        std::string url = entry.url;
        if (url.substr(0, 7) != "http://")
            url = "http://" + url;
        page += "<a href='" + url + "'><img src='" + url + "'></a><BR>" + entry.url + "<BR><BR><BR>";
    }
    return page;
}

}
