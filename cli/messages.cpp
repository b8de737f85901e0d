#include "cli/messages.h"

namespace netquill::cli {

void refuse(std::string_view argument, std::string_view text, std::string_view reason)
{
    throw UsageError(std::string(argument) + " '" + shown(text) + "': " + std::string(reason));
}

}  // namespace netquill::cli
