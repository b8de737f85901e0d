#pragma once

#include "core/files/complaints.h"
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

// Refuses with the message "ARGUMENT 'text': reason".
[[noreturn]] void refuse(std::string_view argument, std::string_view text, std::string_view reason);

// netquill-cli's complaints: each line starts with "netquill-cli: ".
struct Complaints : netquill::Complaints {
    Complaints() : netquill::Complaints("netquill-cli: ") {}
};

}  // namespace netquill::cli
