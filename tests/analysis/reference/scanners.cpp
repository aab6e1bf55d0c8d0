#include "reference/reference_scanners.h"

#include "reference/vb_strings.h"

#include <algorithm>
#include <optional>

namespace quillet::reference {

using namespace vb;

namespace {

// The image tag scanner and the image link scanner are one algorithm with different words.
enum class Scan { ImageTags, ImageLinks };

std::string Marker(Scan scan)
{
    return scan == Scan::ImageTags ? "<img" : "<a ";
}

std::string Attribute(Scan scan)
{
    return scan == Scan::ImageTags ? "src=" : "href=";
}

// The directory that relative references start from.
std::string PageDirectory(std::string address)
{
    const std::string ending = Right(address, 4);
    if (Right(address, 1) != "/" && ending != ".com" && ending != ".net" && ending != ".edu" && ending != ".gov")
        address = ParentUrl(address);
    return address;
}

std::string KeepMarkedLines(std::string_view file_text, Scan scan)
{
    std::string accumulator;
    for (const std::string& line : ReadLines(file_text)) {
        if (InStr(line, Marker(scan)) > 0)
            accumulator += line + vbCrLf;
    }
    return accumulator;
}

// The candidate lines: the text "checkImagesClean.txt" holds once they are written back.
std::string CandidateLines(std::string_view check_images_file, Scan scan)
{
    std::string accumulator;
    for (std::string line : ReadLines(check_images_file)) {
        if (scan == Scan::ImageLinks)
            line = Replace(line, "cgi-bin/i/", "");
        if (InStr(line, Marker(scan)) > 0)
            accumulator += line + vbCrLf;
    }
    for (int counter = 0; counter <= 99; ++counter) {
        accumulator = Replace(accumulator, Marker(scan), vbCrLf + Marker(scan));
        accumulator = Replace(accumulator, vbCrLf + vbCrLf, vbCrLf, Compare::Binary);
    }
    const std::string clean_file = accumulator + vbCrLf;
    return KeepMarkedLines(clean_file, scan) + vbCrLf;
}

bool NamesImageFile(const std::string& line)
{
    return InStr(line, ".bmp") > 0 || InStr(line, ".gif") > 0 || InStr(line, ".jpeg") > 0 || InStr(line, ".jpg") > 0;
}

bool IsCandidate(const std::string& line, Scan scan)
{
    if (scan == Scan::ImageTags)
        return InStr(line, "<img") > 0 && InStr(line, "src=") > 0;
    return InStr(line, "<a ") > 0 && InStr(line, "href=") > 0 && InStr(line, ">") > 0 && NamesImageFile(line);
}

// The reference cut out of a candidate line.
std::optional<std::string> LineReference(std::string line, Scan scan)
{
    if (!IsCandidate(line, scan))
        return std::nullopt;
    const std::string attribute = Attribute(scan);
    if (InStr(line, ">") > 0) {
        const long attribute_start = InStr(line, attribute);
        const long tag_end = InStr(line, ">");
        if (tag_end < attribute_start)
            throw InvalidProcedureCall();
        line = Mid(line, attribute_start, tag_end - attribute_start + 1);
    }
    line = Replace(line, "'", "\"", Compare::Binary);
    const long skipped = scan == Scan::ImageTags ? 1 : 0;
    line = Right(line, Len(line) - (InStr(line, attribute) + Len(attribute) - 1) - skipped);
    line = InStr(line, ">") > 0 ? Left(line, std::max(InStr(line, ">"), 2L)) : Left(line, 2);
    line = Replace(line, "href=", "");
    while (Left(line, 1) == "\"")
        line = Mid(line, 2);
    if (InStr(line, "\"", Compare::Binary) > 0)
        line = Left(line, InStr(line, "\"", Compare::Binary));
    else if (InStr(line, " ") > 0)
        line = Left(line, InStr(line, " "));
    else
        line = "";
    return Replace(line, "\"", "", Compare::Binary);
}

// The absolute address of a reference.
std::string Url(std::string reference, std::string base, bool& scheme_removed)
{
    if (InStr(reference, "http://") > 0)
        return reference;
    if (InStr(reference, "../") > 0)
        return base + Replace(reference, "../", "");
    if (Left(reference, 1) == "/") {
        reference = Mid(reference, 2);
        if (InStr(base, "http://") == 0)
            return base + reference;
        base = Replace(base, "http://", "");
        return "http://" + Left(base, InStr(base, "/")) + reference;
    }
    if (InStr(base, "http://") > 0) {
        base = Replace(base, "http://", "");
        scheme_removed = true;
    }
    if (Right(base, 1) != "/")
        base = ParentUrl(base);
    if (InStr(base, "hometown.aol") > 0)
        base = Replace(base, "hometown.aol", "members.aol");
    if (scheme_removed)
        base = "http://" + base;
    return base + reference;
}

bool IsListed(const ReferenceList& list, const std::string& file_name)
{
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (list[i].file_name == file_name)
            return true;
    }
    return false;
}

void Collect(std::string_view page_text, std::string page_address, Scan scan, ReferenceList& list)
{
    page_address = PageDirectory(page_address);
    const std::string clean_file = CandidateLines(std::string(page_text) + vbCrLf, scan);
    bool scheme_removed = false;
    try {
        for (const std::string& line : ReadLines(clean_file)) {
            const std::string base = page_address;
            const std::optional<std::string> reference = LineReference(line, scan);
            if (!reference)
                continue;
            const std::string file_name = UrlFileName(*reference);
            const std::string url = Url(*reference, base, scheme_removed);
            if (!IsListed(list, file_name))
                list.push_back({url, file_name});
        }
    } catch (const InvalidProcedureCall&) {
        // No error handling: the scan ends here with what it has listed, and its caller goes on.
    }
}

}

void CollectImageTags(std::string_view page_text, std::string page_address, ReferenceList& image_tags)
{
    Collect(page_text, std::move(page_address), Scan::ImageTags, image_tags);
}

void CollectImageLinks(std::string_view page_text, std::string page_address, ReferenceList& image_links)
{
    Collect(page_text, std::move(page_address), Scan::ImageLinks, image_links);
}

}
