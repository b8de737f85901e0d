#pragma once

#include "core/files/complaints.h"
#include "core/planning/addresslist.h"

#include <string_view>

namespace netquill {

// An address list file's text, read whole (a UTF-8 byte-order mark first or
// not, lines ended by LF or CR LF), as aggregate reads its lines; each bad
// line is added to the complaints as "line N: 'entry': reason".
AnyRangeSet readAddressList(std::string_view text, Complaints &complaints);

}  // namespace netquill
