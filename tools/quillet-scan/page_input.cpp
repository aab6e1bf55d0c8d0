#include "page_input.h"

#include "platform/large_buffers.h"
#include "platform/page_fetch.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <utility>
#include <vector>

namespace quillet::scan {

namespace {

PageInput failed(std::string failure)
{
    PageInput input;
    input.failure = std::move(failure);
    return input;
}

PageInput read(std::string text, std::string page_address)
{
    return {PageInput::Outcome::Read, std::move(text), std::move(page_address), {}, {}};
}

// Reads all of `file` in binary; returns an empty string on success, otherwise the reason. A
// regular file is read in one go into a buffer of its size, so that a page of many megabytes is
// neither copied nor moved while its buffer grows; what follows (all of a pipe, or what the file
// gained meanwhile) is read in pieces.
std::string read_all(std::FILE* file, std::string& text)
{
    struct stat status {};
    if (::fstat(::fileno(file), &status) == 0 && S_ISREG(status.st_mode) && status.st_size > 0) {
        const auto size = static_cast<std::size_t>(status.st_size);
        text = platform::large_buffer(size);
        text.resize(size);
        const std::size_t count = std::fread(text.data(), 1, text.size(), file);
        const bool whole = count == text.size();
        text.resize(count);
        if (!whole)
            return std::ferror(file) ? std::strerror(errno) : std::string();
    }
    std::vector<char> buffer(1 << 16);
    for (;;) {
        const std::size_t count = std::fread(buffer.data(), 1, buffer.size(), file);
        text.append(buffer.data(), count);
        if (count < buffer.size())
            return std::ferror(file) ? std::strerror(errno) : std::string();
    }
}

PageInput read_standard_input(std::string page_address)
{
    std::string text;
    if (std::string error = read_all(stdin, text); !error.empty())
        return failed("cannot read standard input: " + error);
    return read(std::move(text), std::move(page_address));
}

PageInput read_file(const std::filesystem::path& path, std::string page_address)
{
    const std::string name = path.string();
    std::FILE* file = std::fopen(name.c_str(), "rb");
    if (file == nullptr)
        return failed("cannot read " + name + ": " + std::strerror(errno));
    std::string text;
    const std::string error = read_all(file, text);
    std::fclose(file);
    if (!error.empty())
        return failed("cannot read " + name + ": " + error);
    return read(std::move(text), std::move(page_address));
}

PageInput fetch(const std::string& address, const std::optional<std::string>& page_address)
{
    platform::PageFetch fetched = platform::fetch_page(address);
    if (fetched.outcome == platform::PageFetch::Outcome::Failed)
        return failed("cannot fetch " + address + ": " + fetched.failure);
    PageInput input = read(std::move(fetched.text), page_address.value_or(fetched.address));
    input.notice = std::move(fetched.notice);
    return input;
}

}

PageInput read_page(const ScanRequest& request)
{
    if (request.fetch_address)
        return fetch(*request.fetch_address, request.page_address);
    const std::string page_address = request.page_address.value_or("");
    return request.page_file ? read_file(*request.page_file, page_address) : read_standard_input(page_address);
}

}
