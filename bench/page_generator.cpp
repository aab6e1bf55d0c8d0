#include "page_generator.h"

#include <array>
#include <random>
#include <string_view>
#include <utility>

namespace quillet::bench {

namespace {

constexpr std::array<std::string_view, 6> kFiller = {
    "<p class=\"story\">The quick brown fox jumps over the lazy dog &amp; runs on.</p>",
    "<div id=\"nav\"><a href=\"about.html\">About us</a> | <a href=\"/contact/\">Contact</a></div>",
    "<span style=\"color: #333\">Caf\xc3\xa9 &nbsp; &lt;menu&gt; prices &#8364; 4.50</span>",
    "<table><tr><td width=\"50%\">Cell</td><td>Other > cell</td></tr></table>",
    "<!-- a comment with <b>markup</b> inside --><br>",
    "<script>var s = '<'; if (a < b && c > d) { go(); }</script>",
};

class Generator {
public:
    Generator(const PageShape& shape, unsigned seed) : m_shape(shape), m_random(seed) {}

    std::string page()
    {
        const std::size_t step = m_shape.references == 0 ? m_shape.bytes : m_shape.bytes / m_shape.references;
        for (std::size_t reference = 0; m_page.size() < m_shape.bytes; ++reference) {
            const std::size_t block_end = m_page.size() + step;
            if (reference < m_shape.references)
                append_reference(reference);
            while (m_page.size() < block_end && m_page.size() < m_shape.bytes)
                append_filler();
        }
        return std::move(m_page);
    }

private:
    void append_reference(std::size_t index)
    {
        const std::string number = std::to_string(index);
        switch (index % 6) {
        case 0:
            append("<img src=\"images/photo" + number + ".jpg\" alt=\"Photo " + number + "\" width=\"120\">");
            break;
        case 1:
            append("<IMG SRC='/static/icons/icon" + number + ".gif' border=0>");
            break;
        case 2:
            append("<img src=\"http://cdn.example.net/pics/banner" + number + ".png\" class=\"wide\">");
            break;
        case 3:
            append("<a href=\"gallery/big" + number + ".jpg\">View picture " + number + "</a>");
            break;
        case 4:
            append("<a href='downloads/scan" + number + ".bmp' title=\"Scan\">Scan</a>");
            break;
        case 5:
            append("<A HREF=\"albums/page" + number + ".html\"><img src=\"thumbs/thumb" + number + ".jpeg\"></A>");
            break;
        }
        append(" photo" + number + ".jpg ");
    }

    void append_filler()
    {
        append(kFiller[m_random() % kFiller.size()]);
        const unsigned roll = m_random() % 1000;
        if (roll == 0)
            m_page += '\0';
        else if (roll == 1)
            m_page += "\xff\xfe";
    }

    void append(std::string_view markup)
    {
        m_page += markup;
        if (m_shape.line_breaks == LineBreaks::Kept && m_random() % 3 == 0)
            m_page += m_random() % 4 == 0 ? "\n" : "\r\n";
    }

    PageShape m_shape;
    std::mt19937 m_random;
    std::string m_page;
};

}

std::string generate_page(const PageShape& shape, unsigned seed)
{
    return Generator(shape, seed).page();
}

}
