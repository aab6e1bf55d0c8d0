#include "integration/desktop_entry.h"

#include <string_view>

namespace quillet {

namespace {

// A string value: backslash, line breaks and tabs escaped, a leading blank kept as "\s".
std::string escaped_value(std::string_view text)
{
    std::string value;
    for (const char c : text) {
        switch (c) {
        case '\\':
            value += "\\\\";
            break;
        case '\n':
            value += "\\n";
            break;
        case '\r':
            value += "\\r";
            break;
        case '\t':
            value += "\\t";
            break;
        case ' ':
            value += value.empty() ? "\\s" : " ";
            break;
        default:
            value += c;
        }
    }
    return value;
}

// The program as the first word of an Exec line: always quoted, with the characters that quoting
// reserves escaped, and "%" doubled so it is not taken for a field code.
std::string quoted_program(std::string_view path)
{
    std::string quoted = "\"";
    for (const char c : path) {
        if (c == '"' || c == '`' || c == '$' || c == '\\')
            quoted += '\\';
        if (c == '%')
            quoted += '%';
        quoted += c;
    }
    return quoted + "\"";
}

}

std::string desktop_entry_text(const DesktopEntry& entry)
{
    const std::string executable = entry.executable.string();
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=" + escaped_value(entry.name) + "\n"
           "GenericName=Web Browser\n"
           "Comment=Look inside web pages: their source code and their images\n"
           "TryExec=" + escaped_value(executable) + "\n"
           "Exec=" + escaped_value(quoted_program(executable)) + " %u\n"
           "Icon=" + escaped_value(entry.icon.string()) + "\n"
           "Terminal=false\n"
           "Categories=Network;WebBrowser;\n"
           "MimeType=text/html;application/xhtml+xml;x-scheme-handler/http;x-scheme-handler/https;\n";
}

}
