// quillet-bench: speed and memory of the page analysis on generated and saved pages.
//   quillet-bench [saved-page.html ...]
#include "heap_counter.h"
#include "page_generator.h"

#include "analysis/image_link_scanner.h"
#include "analysis/image_tag_scanner.h"
#include "platform/large_buffers.h"
#include "reference/reference_scanners.h"
#include "reference/reference_views.h"
#include "support/temp_directory.h"
#include "views/image_page.h"
#include "views/page_views_update.h"
#include "views/pages_in_memory.h"
#include "views/work_files.h"
#include "views/source_page.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <time.h>
#include <vector>

namespace {

using namespace quillet;
using namespace quillet::bench;
namespace fs = std::filesystem;

constexpr double kMegabyte = 1e6;
constexpr std::string_view kPageAddress = "http://www.example.com/site/index.html";

// The CPU time of this thread, so that other work on a shared machine disturbs the figures less.
double thread_seconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

struct Measurement {
    double seconds = 0;            // best of the runs
    std::size_t extra_bytes = 0;   // the highest heap peak of a run beyond what was live before it
};

constexpr Measurement kNoRunYet = {1e30, 0};

void measure_once(const std::function<void()>& run, Measurement& best)
{
    const std::size_t live_before = live_heap_bytes();
    reset_heap_peak();
    const double start = thread_seconds();
    run();
    best.seconds = std::min(best.seconds, thread_seconds() - start);
    best.extra_bytes = std::max(best.extra_bytes, peak_heap_bytes() - live_before);
}

Measurement measure(const std::function<void()>& run, int runs)
{
    Measurement best = kNoRunYet;
    for (int i = 0; i < runs; ++i)
        measure_once(run, best);
    return best;
}

// Runs `first` and `second` by turns, so that a change in the machine's load falls on both alike.
std::pair<Measurement, Measurement> measure_by_turns(const std::function<void()>& first,
                                                     const std::function<void()>& second, int runs)
{
    std::pair<Measurement, Measurement> best = {kNoRunYet, kNoRunYet};
    for (int i = 0; i < runs; ++i) {
        measure_once(first, best.first);
        measure_once(second, best.second);
    }
    return best;
}

// The 1 MB and 10 MB pages get as many runs as each other, so that neither has more chances at
// a quiet moment; huge pages get a few.
int runs_for(std::size_t bytes)
{
    return std::clamp(static_cast<int>(200 * kMegabyte / static_cast<double>(bytes)), 3, 20);
}

constexpr int kRunsByTurns = 30;

struct PageFigures {
    Measurement in_memory;
    Measurement through_files;
};

PageFigures measure_page(const std::string& title, const std::string& page)
{
    const int runs = runs_for(page.size());
    std::size_t reference_count = 0;
    PageFigures figures;
    const PagesInMemory pages;
    figures.in_memory = measure(
        [&] {
            const PageViewsUpdate update = update_page_views(pages, page, kPageAddress);
            reference_count = update.references.image_tags.size() + update.references.image_links.size();
        },
        runs);
    const test::TempDirectory directory;
    const WorkFiles files(directory.path());
    files.create_missing();
    figures.through_files = measure([&] { update_page_views(files, page, kPageAddress); }, runs);

    const double megabytes = static_cast<double>(page.size()) / kMegabyte;
    std::printf("%-28s %8.1f MB %7zu refs | memory %7.1f ms %7.0f MB/s | files %7.1f ms %7.0f MB/s | "
                "peak beyond page %.2fx (files %.2fx)\n",
                title.c_str(), megabytes, reference_count, figures.in_memory.seconds * 1e3,
                megabytes / figures.in_memory.seconds, figures.through_files.seconds * 1e3,
                megabytes / figures.through_files.seconds,
                static_cast<double>(figures.in_memory.extra_bytes) / static_cast<double>(page.size()),
                static_cast<double>(figures.through_files.extra_bytes) / static_cast<double>(page.size()));
    return figures;
}

// Where the time and memory of the in-memory analysis go, step by step.
void print_breakdown(const std::string& page)
{
    const int runs = runs_for(page.size());
    const PageReferences references = scan_page(page, kPageAddress).references;
    const auto print_step = [&](const char* step, const std::function<void()>& run) {
        const Measurement measurement = measure(run, runs);
        std::printf(" %s %.1f ms %.2fx,", step, measurement.seconds * 1e3,
                    static_cast<double>(measurement.extra_bytes) / static_cast<double>(page.size()));
    };
    std::printf("    steps (time, peak memory beyond the page):");
    print_step("CollectImageTags", [&] {
        ReferenceList list;
        CollectImageTags(page, kPageAddress, list);
    });
    print_step("CollectImageLinks", [&] {
        ReferenceList list;
        CollectImageLinks(page, kPageAddress, list);
    });
    print_step("source page", [&] { build_source_page(page, references); });
    print_step("image page", [&] { build_image_page(references.image_tags, 0).html; });
    std::printf("\n");
}

double reference_analysis_seconds(const std::string& page)
{
    return measure(
               [&] {
                   PageReferences references;
                   reference::CollectImageTags(page, std::string(kPageAddress), references.image_tags);
                   reference::CollectImageLinks(page, std::string(kPageAddress), references.image_links);
                   reference::SourcePage(page, references);
                   reference::ImagePage(references.image_tags);
               },
               1)
        .seconds;
}

std::string read_file(const char* name)
{
    std::ifstream in(name, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "quillet-bench: cannot read %s\n", name);
        std::exit(1);
    }
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void print_verdict(const char* what, bool met)
{
    std::printf("  %-58s %s\n", what, met ? "met" : "MISSED");
}

// The robustness cases too big for the tests: they must finish, linear in time.
void measure_large_pages()
{
    const std::size_t megabyte = static_cast<std::size_t>(kMegabyte);
    const std::vector<std::pair<std::string, PageShape>> pages = {
        {"generated 50 MB", {50 * megabyte, 85000, LineBreaks::Kept}},
        {"generated 50 MB, one line", {50 * megabyte, 85000, LineBreaks::None}},
        {"100,000 references", {10 * megabyte, 100000, LineBreaks::Kept}},
    };
    for (const auto& [title, shape] : pages) {
        const std::string page = generate_page(shape, 50);
        measure_page(title, page);
        print_breakdown(page);
    }
}

// Pages made to blow the output up: a short name found everywhere, and many references, each
// linked or listed with a long page address. A run must stay within its memory bound.
void measure_hostile_pages()
{
    std::string words;
    for (int i = 0; i < 100'000; ++i)
        words += "e ";
    std::string tags;
    for (int i = 0; i < 100'000; ++i)
        tags += "<img src=\"" + std::to_string(i) + "\">";
    const std::string address_4k = "http://www.example.com/" + std::string(4000, 'd') + "/page.html";
    const std::string address_131k = "http://www.example.com/" + std::string(131'000, 'd') + "/page.html";
    struct Hostile {
        const char* title;
        std::string page;
        const std::string& address;
    };
    const std::vector<Hostile> pages = {
        {"200 KB of \"e \" and <img src=e>, 4 KB address", words + "<img src=\"e\">", address_4k},
        {"100,000 image tags, 4 KB address", tags, address_4k},
        {"100,000 image tags, 131 KB address", tags, address_131k},
    };
    std::printf("\nHostile pages, through work files (peak heap of the run against 16x page + 256 MiB):\n");
    const test::TempDirectory directory;
    const WorkFiles files(directory.path());
    files.create_missing();
    for (const Hostile& hostile : pages) {
        PageViewsUpdate update;
        const Measurement run = measure([&] { update = update_page_views(files, hostile.page, hostile.address); }, 3);
        const double bound = 16.0 * static_cast<double>(hostile.page.size()) + 256.0 * (1 << 20);
        std::printf("  %-46s %7.1f ms, peak %7.1f MB of %7.1f MB %s; left out: %s\n", hostile.title,
                    run.seconds * 1e3, static_cast<double>(run.extra_bytes) / kMegabyte, bound / kMegabyte,
                    static_cast<double>(run.extra_bytes) <= bound ? "met" : "MISSED",
                    left_out_summary(update.left_out).c_str());
    }
}

// The targets are judged on the 1 MB and 10 MB analyses run by turns.
void print_targets(const std::string& page_1, const std::string& page_10, const PageFigures& figures_1,
                   const PageFigures& figures_10)
{
    const PagesInMemory pages;
    const auto [memory_1, memory_10] = measure_by_turns([&] { update_page_views(pages, page_1, kPageAddress); },
                                                        [&] { update_page_views(pages, page_10, kPageAddress); },
                                                        kRunsByTurns);
    const double page_10_size = static_cast<double>(page_10.size());
    const double ratio = memory_10.seconds / memory_1.seconds;
    std::printf("\n1 MB and 10 MB in memory by turns, best of %d each: %.2f ms and %.2f ms, %.0f MB/s on 10 MB\n",
                kRunsByTurns, memory_1.seconds * 1e3, memory_10.seconds * 1e3,
                page_10_size / kMegabyte / memory_10.seconds);
    std::printf("10 MB time / 1 MB time: %.2f (in memory, by turns), %.2f (through files)\n", ratio,
                figures_10.through_files.seconds / figures_1.through_files.seconds);
    const double reference_seconds = reference_analysis_seconds(page_1);
    const double speed_up = reference_seconds / memory_1.seconds;
    std::printf("literal reference on 1 MB: %.1f ms, %.0fx slower than the analysis\n", reference_seconds * 1e3,
                speed_up);

    std::printf("\nTargets:\n");
    print_verdict(">= 300 MB/s in memory on 10 MB", page_10_size / kMegabyte / memory_10.seconds >= 300);
    print_verdict("10 MB time <= 11x the 1 MB time", ratio <= 11);
    print_verdict(">= 100x faster than the literal reference on 1 MB", speed_up >= 100);
    print_verdict("memory <= 4x page size beyond the page (10 MB, in memory)",
                  static_cast<double>(std::max(memory_10.extra_bytes, figures_10.in_memory.extra_bytes)) <=
                      4 * page_10_size);
}

}

int main(int argc, char** argv)
{
#ifndef NDEBUG
    std::printf("warning: assertions are on; build quillet-bench in Release for figures that count\n");
#endif
    // On virtual machines where first touching fresh memory is slow (here about 2.5 ms per MB), the
    // figures would otherwise measure the page faults of the huge buffers handed out anew each run.
    platform::keep_freed_memory_in_the_heap();
    const std::size_t megabyte = static_cast<std::size_t>(kMegabyte);
    const std::string page_1 = generate_page({1 * megabyte, 1700, LineBreaks::Kept}, 1);
    const std::string page_10 = generate_page({10 * megabyte, 17000, LineBreaks::Kept}, 10);

    std::printf("Whole run (both scanners, image page, source page, reset), thread CPU time, best of several runs:\n");
    const PageFigures figures_1 = measure_page("generated 1 MB", page_1);
    print_breakdown(page_1);
    const PageFigures figures_10 = measure_page("generated 10 MB", page_10);
    print_breakdown(page_10);
    measure_large_pages();
    measure_hostile_pages();
    for (int i = 1; i < argc; ++i)
        measure_page(fs::path(argv[i]).filename().string(), read_file(argv[i]));

    print_targets(page_1, page_10, figures_1, figures_10);
    return 0;
}
