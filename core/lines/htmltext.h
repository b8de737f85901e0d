#pragma once

#include <string>
#include <string_view>

namespace netquill {

// The text with &, <, > and " written as entities, so a value can never become markup.
std::string escapeHtml(std::string_view text);

}  // namespace netquill
