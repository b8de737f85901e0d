#pragma once

#include "cli/output.h"
#include "core/lines/subnetrows.h"

#include <ostream>
#include <string_view>

// What every command reads and writes, and the exit statuses they share.
namespace netquill::cli {

// Exit statuses, the same for every command.
constexpr int kDone = 0;           // done, also when the reader went away (`| head`)
constexpr int kNoAnswer = 1;       // a request that has no answer: vlsm's that do not fit
constexpr int kRefused = 2;        // a bad command line or bad input, unreadable files included
constexpr int kNotWritten = 3;     // the output could not be written
constexpr int kInternalError = 4;  // a fault of netquill-cli's own, never of the input

// What a command reads and writes.
struct Streams {
    Output &out;
    int standardInput;
    std::ostream &errors;
    LineEnd lineEnd;  // LF, or CR LF with --crlf

    std::string_view eol() const { return lineEndText(lineEnd); }
};

}  // namespace netquill::cli
