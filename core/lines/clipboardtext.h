#pragma once

#include "core/calculators/networknode.h"
#include "core/calculators/subnetcalculator.h"
#include "core/fields/addressconverter.h"

#include <array>
#include <initializer_list>
#include <string>
#include <string_view>

// The clipboard texts of the tabs and the pieces they share.
namespace netquill {

// Every line followed by CR LF, the last one too, as Windows programs expect.
std::string joinLines(std::initializer_list<std::string> lines);

// The four octet texts, each without surrounding blanks, joined by ".".
std::string joinDotted(const std::array<std::string, 4> &octets);

// The text without leading and trailing blanks.
std::string_view trimBlanks(std::string_view text);

// The tab's five clipboard lines, each ended by CR LF.
std::string BuildAddressClipboardText(const AddressFields &fields);

// Eight CR LF lines, the colons lined up in column 18.
std::string BuildNetworkNodeClipboardText(const NetworkNodeTexts &texts);

// Eleven CR LF lines.
std::string BuildSubnetClipboardText(const SubnetTexts &texts);

}  // namespace netquill
