#pragma once

#include "core/lines/escapedtext.h"

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

// What netquill-cli says on standard error: one short line per mistake, each
// text of the user's shown so that a terminal and a log can hold it.
namespace netquill::cli {

// A command line or an input refused; the message follows "netquill-cli: ".
struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// A file the command was to write that could not be written whole; the
// message follows "netquill-cli: ".
struct NotWritten : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The user's text as a message shows it (escaped): at most 60 characters, then "…".
std::string shown(std::string_view text);

// Refuses with the message "ARGUMENT 'text': reason".
[[noreturn]] void refuse(std::string_view argument, std::string_view text, std::string_view reason);

// The mistakes found in an input, reported once it has all been read: the
// first kMostReported each on a line of its own, then how many more.
class Complaints
{
public:
    static constexpr std::size_t kMostReported = 20;

    void add(std::string message);
    bool any() const { return m_count > 0; }
    // The lines to print, each ended by a line feed.
    std::string report() const;

private:
    std::string m_lines;
    std::size_t m_count = 0;
};

}  // namespace netquill::cli
