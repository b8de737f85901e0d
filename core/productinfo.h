#pragma once

// The product's names and addresses, in one place for the windows, the help
// and the export files.
namespace netquill {

inline constexpr const char *kProductName = "Trevantis Netquill";
inline constexpr const char *kMakerName = "Trevantis Software";
// A reserved name until the maker's real site exists.
inline constexpr const char *kMakerHost = "www.trevantis.example";
inline constexpr const char *kMakerSite = "https://www.trevantis.example/";
inline constexpr const char *kRfc3021Text = "https://www.ietf.org/rfc/rfc3021.txt";
inline constexpr int kFirstCopyrightYear = 2001;

}  // namespace netquill
