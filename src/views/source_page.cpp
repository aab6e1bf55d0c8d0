#include "views/source_page.h"

#include "views/file_name_matcher.h"
#include "views/html_escape.h"
#include "views/link_address.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <vector>

namespace quillet {

namespace {

constexpr std::string_view kLinkStart = "<a href='";
constexpr std::string_view kLinkTextStart = "'>";
constexpr std::string_view kLinkEnd = "</a>";

// What each byte of the page becomes on the source page; most stay as they are.
constexpr std::array<std::string_view, 256> kSourceEscapes = [] {
    std::array<std::string_view, 256> escapes{};
    escapes['&'] = "&amp;";
    escapes['<'] = "&lt;";
    escapes['\r'] = "<BR>";
    escapes['\n'] = "<BR>";
    return escapes;
}();

// How many bytes each byte of the page adds by its escape: a small table keeps the hot loops fast.
constexpr std::array<unsigned char, 256> kEscapeGrowth = [] {
    std::array<unsigned char, 256> growth{};
    for (std::size_t byte = 0; byte < growth.size(); ++byte)
        growth[byte] = kSourceEscapes[byte].empty() ? 0 : static_cast<unsigned char>(kSourceEscapes[byte].size() - 1);
    return growth;
}();

constexpr std::uint64_t kEachByte = 0x0101010101010101;

// 0x80 in each byte of `word` that equals `byte`, 0 in the others.
std::uint64_t bytes_equal_to(std::uint64_t word, unsigned char byte)
{
    constexpr std::uint64_t kLowSevenBits = 0x7f7f7f7f7f7f7f7f;
    const std::uint64_t zero_where_equal = word ^ (kEachByte * byte);
    return ~(((zero_where_equal & kLowSevenBits) + kLowSevenBits) | zero_where_equal | kLowSevenBits);
}

unsigned flagged_byte_count(std::uint64_t flags)
{
    return static_cast<unsigned>(((flags >> 7) * kEachByte) >> 56);
}

// Counts eight bytes at a time: compilers turn a plain loop over the growth table into slow code.
std::size_t source_text_size(std::string_view text)
{
    static_assert(kEscapeGrowth['\r'] == kEscapeGrowth['<'] && kEscapeGrowth['\n'] == kEscapeGrowth['<']);
    std::size_t size = text.size();
    for (; text.size() >= sizeof(std::uint64_t); text.remove_prefix(sizeof(std::uint64_t))) {
        std::uint64_t word = 0;
        std::memcpy(&word, text.data(), sizeof word);
        const std::uint64_t ampersands = bytes_equal_to(word, '&');
        const std::uint64_t others = bytes_equal_to(word, '<') | bytes_equal_to(word, '\r') | bytes_equal_to(word, '\n');
        size += kEscapeGrowth['&'] * flagged_byte_count(ampersands) + kEscapeGrowth['<'] * flagged_byte_count(others);
    }
    for (const char c : text)
        size += kEscapeGrowth[static_cast<unsigned char>(c)];
    return size;
}

// Fills a page sized beforehand, so that building a huge page never copies it while it grows.
class PageFiller {
public:
    explicit PageFiller(std::string& page) : m_next(page.data()) {}

    void copy(std::string_view text)
    {
        if (text.empty())
            return; // its data may be null, which memcpy must not see
        std::memcpy(m_next, text.data(), text.size());
        m_next += text.size();
    }

    void copy_html_escaped(std::string_view text)
    {
        for (const char c : text) {
            const std::string_view escape = html_escape_of(c);
            if (escape.empty())
                *m_next++ = c;
            else
                copy(escape);
        }
    }

    void copy_as_source_text(std::string_view text)
    {
        for (const char c : text) {
            if (kEscapeGrowth[static_cast<unsigned char>(c)] == 0)
                *m_next++ = c;
            else
                copy(kSourceEscapes[static_cast<unsigned char>(c)]);
        }
    }

private:
    char* m_next;
};

// Image links first, then image tags: that order decides which address a repeated name links to.
std::vector<const Reference*> linkable_entries(const PageReferences& references)
{
    std::vector<const Reference*> entries;
    entries.reserve(references.image_links.size() + references.image_tags.size());
    for (const ReferenceList* list : {&references.image_links, &references.image_tags}) {
        for (const Reference& entry : *list)
            entries.push_back(&entry);
    }
    return entries;
}

// The bytes a link adds around the text it links.
std::size_t link_markup_size(const Reference& entry)
{
    return kLinkStart.size() + link_address_prefix(entry.url).size() + html_escaped_size(entry.url) +
           kLinkTextStart.size() + kLinkEnd.size();
}

}

std::string build_source_page(std::string_view page_text, const PageReferences& references)
{
    const std::vector<const Reference*> entries = linkable_entries(references);
    std::vector<std::string_view> names;
    names.reserve(entries.size());
    for (const Reference* entry : entries)
        names.push_back(entry->file_name);
    const std::vector<FileNameMatcher::Match> matches = FileNameMatcher(names).find_all(page_text);

    std::size_t page_size = source_text_size(page_text);
    for (const FileNameMatcher::Match& match : matches)
        page_size += link_markup_size(*entries[match.name]);

    std::string page(page_size, '\0');
    PageFiller filler(page);
    std::size_t written = 0;
    for (const FileNameMatcher::Match& match : matches) {
        const Reference& entry = *entries[match.name];
        filler.copy_as_source_text(page_text.substr(written, match.position - written));
        filler.copy(kLinkStart);
        filler.copy(link_address_prefix(entry.url));
        filler.copy_html_escaped(entry.url);
        filler.copy(kLinkTextStart);
        filler.copy_as_source_text(page_text.substr(match.position, match.length));
        filler.copy(kLinkEnd);
        written = match.position + match.length;
    }
    filler.copy_as_source_text(page_text.substr(written));
    return page;
}

}
