#pragma once

#include <array>
#include <string>

// The "Netquill" tab without its window: one IPv4 address between five notations.
namespace netquill {

// The numbers are the ids of the tab's option buttons.
enum class AddressNotation { DottedQuad = 0, Decimal = 1, Hexadecimal = 2, Octal = 3, Binary = 4 };

// The eight texts of the tab, as its fields hold them.
struct AddressFields {
    std::array<std::string, 4> octets;
    std::string decimal;
    std::string hexadecimal;
    std::string octal;
    std::string binary;

    bool operator==(const AddressFields &) const = default;
};

// Reads the input of the chosen notation, brings it into range (the corrected
// text comes back in its field) and fills in the other notations. Out-of-range
// input is corrected without complaint: empty octets become "0" and large ones
// fold, a decimal above 4294967295 or an octal above 37777777777 is capped, a
// short binary is left-padded, and an empty decimal or octal field counts as 0.
AddressFields ConvertAddress(AddressNotation notation, const AddressFields &fields);

}  // namespace netquill
