#pragma once

#include "core/lines/subnettable.h"

#include <string>
#include <string_view>

namespace netquill {

// A field's text (UTF-8) as the bytes an export file holds: Windows-1252, of
// which the fields use the Latin-1 part. Characters beyond it become "?" in
// the comma-delimited and text files; a web page keeps them as numeric
// character references, and its values never become markup (&, <, >, ").
std::string exportBytes(std::string_view utf8, ExportMode mode);

}  // namespace netquill
