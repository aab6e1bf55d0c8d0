#include "command_line.h"
#include "named_image_output.h"
#include "page_input.h"
#include "reference_output.h"

#include "analysis/all_images_scanner.h"
#include "analysis/base_address.h"
#include "platform/large_buffers.h"
#include "platform/result.h"
#include "views/page_views_update.h"
#include "views/work_files.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>
#include <utility>
#include <vector>

namespace {

using namespace quillet;
using namespace quillet::scan;

constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;
constexpr std::size_t kRunMemoryPerPageByte = 5;

void complain(const std::string& message)
{
    std::fprintf(stderr, "quillet-scan: %s\n", message.c_str());
}

void print(std::FILE* stream, std::string_view text)
{
    std::fwrite(text.data(), 1, text.size(), stream);
}

Result check_work_directory(const std::filesystem::path& directory)
{
    std::error_code error;
    if (std::filesystem::is_directory(directory, error))
        return Result::success();
    const std::string reason = error ? error.message() : "not a directory";
    return Result::failure("cannot use work directory " + directory.string() + ": " + reason);
}

Result write_standard_output(const std::string& text)
{
    const bool written = std::fwrite(text.data(), 1, text.size(), stdout) == text.size();
    if (!written || std::fflush(stdout) != 0)
        return Result::failure(std::string("cannot write standard output: ") + std::strerror(errno));
    return Result::success();
}

std::string all_images_listing(const ScanRequest& request, const PageInput& page)
{
    const NamedImages images = CollectNamedImages(page.text, document_base_address(page.text, page.page_address));
    if (images.left_out > 0)
        complain(std::to_string(images.left_out) + " images left out past the bound of " +
                 std::to_string(kNamedImageBound));
    return request.format == OutputFormat::Json ? named_images_as_json(images, page.text)
                                                : named_images_as_lines(images);
}

int run_scan(const ScanRequest& request)
{
    // The work directory first: a fetch may take long, and should not be in vain.
    std::string error = check_work_directory(request.work_directory).failure_text();
    PageInput page;
    if (error.empty()) {
        page = read_page(request);
        if (page.outcome == PageInput::Outcome::Failed)
            error = page.failure;
    }
    if (!error.empty()) {
        complain(error);
        return kExitFailure;
    }
    if (!page.notice.empty())
        complain(page.notice);
    // The run's buffers, all made once and written whole, come to a few times the page's size.
    platform::grow_heap_in_huge_pages(kRunMemoryPerPageByte * page.text.size());

    const std::string& page_text = page.text;
    const WorkFiles files(request.work_directory);
    std::vector<std::string> failures = files.create_missing();
    PageViewsUpdate update = update_page_views(files, page_text, page.page_address);
    failures.insert(failures.end(), update.failures.begin(), update.failures.end());
    // Leaving entries out is what the bounds are for, not a failure.
    if (const std::string left_out = left_out_summary(update.left_out); !left_out.empty())
        complain(left_out);

    const std::string listing = request.all_images ? all_images_listing(request, page)
                                : request.format == OutputFormat::Json ? references_as_json(update.references, page_text)
                                                                       : references_as_lines(update.references);
    if (const Result written = write_standard_output(listing); !written.ok())
        failures.push_back(written.failure_text());
    for (const std::string& failure : failures)
        complain(failure);
    return failures.empty() ? EXIT_SUCCESS : kExitFailure;
}

}

int main(int argc, char** argv)
{
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    const ParsedArguments parsed = parse_arguments(arguments);
    switch (parsed.outcome) {
    case ParsedArguments::Outcome::Scan:
        return run_scan(parsed.request);
    case ParsedArguments::Outcome::Help:
        print(stdout, kUsage);
        return kExitUsage;
    case ParsedArguments::Outcome::Error:
        complain(parsed.error);
        print(stderr, kUsage);
        return kExitUsage;
    }
    return kExitUsage;
}
