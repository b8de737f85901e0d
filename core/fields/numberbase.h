#pragma once

#include <string>
#include <string_view>

// Whole numbers as text between decimal, binary, hexadecimal and octal.
//
// The routines compute in double precision, exactly as the address tools always
// have, so every value up to 2^53 (and so every address and mask) converts
// without loss. They never fail: characters outside a routine's digits are read
// as described below, and values beyond the largest double saturate to it, so
// every result is made of the routine's own digits (and a leading "-").
namespace netquill {

// Decimal to binary, left-padded with "0" to at least 32 characters; 2^32 and
// above keep every digit. Only the leading decimal digits are read ("12abc" is
// 12, "abc" is 0). A leading "-" is written before the digits, the zeros before
// it ("000…0-101").
std::string dec2bin(std::string_view decimal);

// Binary of any length to decimal; every character other than "1" counts as a
// zero digit but keeps its place ("12" is 2). A leading "-" is kept.
std::string bin2dec(std::string_view binary);

// Hexadecimal ("0"–"9", "A"–"F") to binary, left-padded to 32 characters; the
// value zero gives the single character "0". Any other character counts as the
// digit 0. A leading "-" is handled as in dec2bin.
std::string hex2bin(std::string_view hexadecimal);

// Binary of any length to upper-case hexadecimal without leading zeros; as in
// bin2dec, only "1" counts as a one.
std::string bin2hex(std::string_view binary);

// Octal to decimal, digit by digit; "8" and "9" count as 8 and 9 and any other
// character as 0.
std::string oct2dec(std::string_view octal);

// A 32-digit binary text to octal without leading zeros. Positions beyond the
// end of a shorter text count as "0"; characters past the 32nd are not read.
std::string bin2oct(std::string_view binary);

}  // namespace netquill
