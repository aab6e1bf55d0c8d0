#include "command_line.h"

#include "analysis/ascii_text.h"

#include <utility>

namespace quillet::scan {

const std::string_view kUsage =
    "usage: quillet-scan --page-address URL [--work-dir DIR] [--json] [--all-images] [FILE]\n"
    "       quillet-scan [--page-address URL] [--work-dir DIR] [--json] [--all-images] http(s)://ADDRESS\n"
    "\n"
    "Scans the page text in FILE (standard input when FILE is absent or \"-\") for image tags and\n"
    "links to image files, resolved against URL. Given an http or https ADDRESS instead, fetches the\n"
    "page (redirects followed, the body decoded with the charset of its Content-Type, UTF-8 when it\n"
    "names none) and resolves against the address the page was found at, unless --page-address is\n"
    "given. The work files of DIR (default: the current directory) are left as the browser leaves\n"
    "them: \"source.htm\" and \"imagepage.html\" hold the generated views, the scratch files CR LF.\n"
    "\n"
    "Prints one line per reference, \"img\" (image tags) before \"link\" (links to image files):\n"
    "  img<TAB>URL<TAB>file name\n"
    "with tabs, line breaks and other control characters written as \\t, \\r, \\n, \\xHH.\n"
    "--json prints {\"imageTags\": [{\"url\": ..., \"fileName\": ..., \"line\": ..., \"column\": ...,\n"
    "\"element\": \"img\", \"written\": ...}, ...], \"imageLinks\": [... \"element\": \"a\" ...]}. Line and\n"
    "column say where the tag starts in the page text, both counted from 1, the column in characters\n"
    "of UTF-8 (as an editor shows them); lines end at LF, CR LF or a lone CR. \"written\" is the\n"
    "attribute value as the page writes it, before character references are decoded.\n"
    "\n"
    "--all-images lists every image the page text names instead, in page order, one line each:\n"
    "  KIND<TAB>URL<TAB>file name[<TAB>descriptor]\n"
    "KIND is img, img srcset, picture source, lazy, CSS background, SVG image, input image,\n"
    "video poster, icon, og:image, twitter:image or link to image file; the descriptor (\"2x\",\n"
    "\"800w\") follows for a srcset candidate that has one. With --json: {\"images\": [{\"kind\": ...,\n"
    "\"url\": ..., \"fileName\": ..., \"descriptor\": ..., \"line\": ..., \"column\": ..., \"element\": ...,\n"
    "\"written\": ...}, ...]}, \"element\" the tag (\"div.hero\" for a background, the rule's selector for\n"
    "a style sheet's). The work files are written as without it.\n"
    "\n"
    "Exit status: 0 success, 1 a file could not be read or written or the page could not be\n"
    "fetched, 2 bad arguments or --help.\n";

namespace {

ParsedArguments refused(std::string error)
{
    return {ParsedArguments::Outcome::Error, {}, std::move(error)};
}

bool is_web_address(std::string_view argument)
{
    return starts_with_ignoring_case(argument, "http://") || starts_with_ignoring_case(argument, "https://");
}

// Splits "--name=value" into its two parts; other arguments have no inline value.
std::pair<std::string_view, std::optional<std::string_view>> split_option(std::string_view argument)
{
    const auto equals = argument.find('=');
    if (!argument.starts_with("--") || equals == std::string_view::npos)
        return {argument, std::nullopt};
    return {argument.substr(0, equals), argument.substr(equals + 1)};
}

}

ParsedArguments parse_arguments(std::span<const std::string_view> arguments)
{
    ParsedArguments parsed{ParsedArguments::Outcome::Scan, {}, {}};
    std::optional<std::string> page_address;
    std::optional<std::string> work_directory;
    bool options_ended = false;

    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const auto [name, inline_value] = split_option(arguments[i]);
        const bool is_option = !options_ended && name.starts_with("-") && name != "-";
        if (!is_option) {
            if (parsed.request.page_file || parsed.request.fetch_address)
                return refused("more than one page given");
            if (is_web_address(arguments[i]))
                parsed.request.fetch_address = std::string(arguments[i]);
            else
                parsed.request.page_file = std::filesystem::path(arguments[i]);
            continue;
        }
        if (name == "--") {
            options_ended = true;
        } else if (name == "--help" || name == "-h") {
            return {ParsedArguments::Outcome::Help, {}, {}};
        } else if (name == "--json" && !inline_value) {
            parsed.request.format = OutputFormat::Json;
        } else if (name == "--all-images" && !inline_value) {
            parsed.request.all_images = true;
        } else if (name == "--page-address" || name == "--work-dir") {
            std::optional<std::string>& target = name == "--page-address" ? page_address : work_directory;
            if (target)
                return refused(std::string(name) + " given twice");
            if (inline_value)
                target = std::string(*inline_value);
            else if (i + 1 < arguments.size())
                target = std::string(arguments[++i]);
            else
                return refused(std::string(name) + " needs a value");
        } else {
            return refused("unknown option " + std::string(arguments[i]));
        }
    }

    if (!page_address && !parsed.request.fetch_address)
        return refused("--page-address is required for a FILE or standard input");
    parsed.request.page_address = std::move(page_address);
    if (work_directory)
        parsed.request.work_directory = *work_directory;
    if (parsed.request.page_file == "-")
        parsed.request.page_file.reset();
    return parsed;
}

}
