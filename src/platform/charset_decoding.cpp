#include "platform/charset_decoding.h"

#include <glib.h>

#include <array>
#include <cerrno>

namespace quillet::platform {

namespace {

constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";

bool names_utf8(const std::string& charset)
{
    return g_ascii_strcasecmp(charset.c_str(), "utf-8") == 0 || g_ascii_strcasecmp(charset.c_str(), "utf8") == 0;
}

class Converter {
public:
    explicit Converter(const std::string& charset) : m_converter(g_iconv_open("UTF-8", charset.c_str())) {}
    ~Converter()
    {
        if (usable())
            g_iconv_close(m_converter);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool usable() const { return m_converter != reinterpret_cast<GIConv>(-1); }
    GIConv get() const { return m_converter; }

private:
    GIConv m_converter;
};

}

std::optional<std::string> decode_to_utf8(std::string_view bytes, const std::string& charset)
{
    if (names_utf8(charset))
        return std::string(bytes);
    const Converter converter(charset);
    if (!converter.usable())
        return std::nullopt;

    std::string text;
    text.reserve(bytes.size());
    std::array<char, 1 << 16> buffer{};
    auto* in = const_cast<char*>(bytes.data()); // iconv only reads through it
    gsize in_left = bytes.size();
    while (in_left > 0) {
        char* out = buffer.data();
        gsize out_left = buffer.size();
        const gsize converted = g_iconv(converter.get(), &in, &in_left, &out, &out_left);
        const int error = errno;
        text.append(buffer.data(), static_cast<std::size_t>(out - buffer.data()));
        if (converted != static_cast<gsize>(-1) || error == E2BIG)
            continue;
        text += kReplacementCharacter;
        if (error == EINVAL)
            break; // a sequence cut off by the end of the text
        ++in;
        --in_left;
    }
    return text;
}

}
