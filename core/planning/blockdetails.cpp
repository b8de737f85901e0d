#include "core/planning/blockdetails.h"

#include <algorithm>
#include <cctype>

namespace netquill {

namespace {

constexpr std::string_view kStatusNames[] = {"container", "active", "reserved", "deprecated"};
constexpr std::string_view kColourNames[] = {"red", "orange", "yellow", "green", "teal", "blue", "purple", "grey"};

bool sameLetters(std::string_view text, std::string_view lowerCase)
{
    return std::equal(text.begin(), text.end(), lowerCase.begin(), lowerCase.end(),
                      [](char typed, char name) { return std::tolower(static_cast<unsigned char>(typed)) == name; });
}

template <typename Value, std::size_t N>
std::optional<Value> byName(std::string_view text, const std::string_view (&names)[N])
{
    for (std::size_t k = 0; k < N; ++k)
        if (sameLetters(text, names[k]))
            return static_cast<Value>(k);
    return std::nullopt;
}

}  // namespace

std::string_view statusName(BlockStatus status) { return kStatusNames[static_cast<std::size_t>(status)]; }

std::optional<BlockStatus> readStatus(std::string_view text) { return byName<BlockStatus>(text, kStatusNames); }

std::string_view colourName(BlockColour colour) { return kColourNames[static_cast<std::size_t>(colour)]; }

std::optional<BlockColour> readColour(std::string_view text) { return byName<BlockColour>(text, kColourNames); }

std::optional<int> readVlan(std::string_view text)
{
    if (text.empty() || text.size() > 4 || text.front() == '0' ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    const int vlan = std::stoi(std::string(text));
    return vlan <= kHighestVlan ? std::optional(vlan) : std::nullopt;
}

BlockStatus defaultStatus(const BlockDetails &details, bool leaf)
{
    BlockDetails besides = details;
    besides.status.reset();
    return leaf && besides.inUse() ? BlockStatus::Active : BlockStatus::Container;
}

}  // namespace netquill
