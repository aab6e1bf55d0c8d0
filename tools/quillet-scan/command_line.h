#pragma once

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace quillet::scan {

enum class OutputFormat { Lines, Json };

struct ScanRequest {
    std::optional<std::string> page_address; // for a fetched page, the address it was found at when absent
    std::filesystem::path work_directory = ".";
    OutputFormat format = OutputFormat::Lines;
    bool all_images = false; // every image the page text names instead of the two lists
    std::optional<std::filesystem::path> page_file; // standard input when absent and nothing is fetched
    std::optional<std::string> fetch_address;       // an http(s) address given instead of a file
};

struct ParsedArguments {
    enum class Outcome { Scan, Help, Error };
    Outcome outcome = Outcome::Error;
    ScanRequest request;
    std::string error; // why the arguments were refused, when outcome is Error
};

// Reads the arguments after the program name.
ParsedArguments parse_arguments(std::span<const std::string_view> arguments);

extern const std::string_view kUsage;

}
