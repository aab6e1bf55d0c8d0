#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// The string functions the page scanners were first written with, kept literal and slow on
// purpose: positions count from 1, 0 means "not found", and a negative length is a run-time
// error that ends the procedure in which it happens.
namespace quillet::reference::vb {

enum class Compare { Binary, Text };

struct InvalidProcedureCall : std::runtime_error {
    InvalidProcedureCall() : std::runtime_error("invalid procedure call") { }
};

inline const std::string vbCrLf = "\r\n";

long Len(std::string_view text);
long InStr(std::string_view text, std::string_view find, Compare compare = Compare::Text);
long InStrRev(std::string_view text, std::string_view find);
std::string Left(std::string_view text, long length);
std::string Right(std::string_view text, long length);
std::string Mid(std::string_view text, long start);
std::string Mid(std::string_view text, long start, long length);
std::string Replace(std::string_view text, std::string_view find, std::string_view replacement,
                    Compare compare = Compare::Text);
std::string LCase(std::string_view text);

// The lines of a sequential text file holding `file_text`, read one by one; a line ends at LF,
// CR LF or a lone CR.
std::vector<std::string> ReadLines(std::string_view file_text);

}
