#include "core/address/addressscan.h"

#include "core/address/addresstext.h"

#include <algorithm>
#include <array>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace netquill {

namespace {

// What a byte can be in free text around an address.
enum CharClass : std::uint8_t {
    kOther = 0,     // a boundary
    kRun = 1,       // hex digits, '.' and ':': what address texts are made of
    kWordOnly = 2,  // letters past 'f' and '_': they continue a word, not an address
};

constexpr std::array<std::uint8_t, 256> charClasses()
{
    std::array<std::uint8_t, 256> classes{};
    for (int c = 0; c < 256; ++c) {
        const bool hex = (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
        const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        classes[static_cast<std::size_t>(c)] = hex || c == '.' || c == ':' ? kRun
                                               : letter || c == '_'        ? kWordOnly
                                                                           : kOther;
    }
    return classes;
}
constexpr std::array<std::uint8_t, 256> kClasses = charClasses();

std::uint8_t classAt(std::string_view line, std::size_t at)
{
    return at < line.size() ? kClasses[static_cast<unsigned char>(line[at])] : std::uint8_t{kOther};
}

// The longest address text: eight groups of four and seven colons, or six
// groups and a dotted tail.
constexpr std::size_t kLongestIpv6 = 45;
constexpr std::size_t kLongestIpv4 = 15;

// Four dotted numbers of at most three digits: the shape of an IPv4 address,
// checked before the parser, which is only asked about such texts.
bool shapedLikeIpv4(std::string_view text)
{
    if (text.size() < 7 || text.size() > kLongestIpv4)
        return false;
    int dots = 0;
    std::size_t digits = 0;
    for (const char c : text) {
        if (c == '.') {
            if (digits == 0)
                return false;
            ++dots;
            digits = 0;
        } else if (c >= '0' && c <= '9') {
            if (++digits > 3)
                return false;
        } else {
            return false;
        }
    }
    return dots == 3 && digits > 0;
}

std::optional<Ipv4Address> readIpv4(std::string_view text)
{
    if (!shapedLikeIpv4(text))
        return std::nullopt;
    const auto address = parseAddress(text);
    return address ? std::optional(*address) : std::nullopt;
}

// A "::" or seven colons, and no more than an address holds: the shape of an
// IPv6 address, which times of day ("12:34:56") and MAC addresses lack.
bool shapedLikeIpv6(std::string_view text)
{
    if (text.size() < 2 || text.size() > kLongestIpv6)
        return false;
    const auto colons = std::count(text.begin(), text.end(), ':');
    return colons >= 2 && (colons == 7 || text.find("::") != std::string_view::npos ||
                           (colons == 6 && text.find('.') != std::string_view::npos));
}

std::optional<Ipv6Address> readIpv6(std::string_view text)
{
    if (!shapedLikeIpv6(text))
        return std::nullopt;
    if (const auto address = detail::readWellFormedIpv6(text))
        return address;
    const auto address = parseIpv6Address(text);
    return address ? std::optional(*address) : std::nullopt;
}

// The addresses of the run of address characters [start, end) that start
// at `from` or after, each told in turn until `found` says stop (false): the
// whole run as an IPv6 address, or dotted pieces of it between colons as
// IPv4 ones. A final '.' or ':' is punctuation ("from 10.0.0.1.", "2001:db8::1:
// refused"). Each piece is looked for within the run, so that a line is
// read in time linear in its length.
template <typename Found>
bool addressesInRun(std::string_view line, std::size_t start, std::size_t end, std::size_t from, bool boundaryBefore,
                    const Found &found)
{
    const bool openBefore = start == 0 ? boundaryBefore : classAt(line, start - 1) == kOther;
    const bool openAfter = classAt(line, end) == kOther;
    const std::string_view run = line.substr(start, end - start);
    if (openBefore && openAfter && start >= from) {
        for (std::size_t size = run.size(); size + 2 >= run.size() && size > 0; --size) {
            if (const auto value = readIpv6(run.substr(0, size))) {
                if (!found(FoundAddress{start, size, *value}))
                    return false;
                from = start + size;
                break;
            }
            if (run[size - 1] != ':' && run[size - 1] != '.')
                break;
        }
    }
    // IPv4 pieces: between the run's ends and its colons.
    const std::string_view upToEnd = line.substr(0, end);
    for (std::size_t piece = start; piece < end;) {
        const std::size_t colon = std::min(upToEnd.find(':', piece), end);
        const bool bounded = (piece == start ? openBefore : true) && (colon == end ? openAfter : true);
        std::size_t size = colon - piece;
        while (size > 0 && line[piece + size - 1] == '.')
            --size;
        if (bounded && piece >= from)
            if (const auto value = readIpv4(line.substr(piece, size)))
                if (!found(FoundAddress{piece, size, *value}))
                    return false;
        piece = colon + 1;
    }
    return true;
}

// The first '.' or ':' at or after `at`, the line's size where none is:
// every address holds one, and most of a log's bytes are neither, so the
// scan jumps from one to the next, sixteen bytes at a time where SSE2 is.
std::size_t nextDotOrColon(std::string_view line, std::size_t at)
{
#if defined(__SSE2__)
    const __m128i dot = _mm_set1_epi8('.');
    const __m128i colon = _mm_set1_epi8(':');
    for (; at + 16 <= line.size(); at += 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i *>(line.data() + at));
        const int marks = _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(bytes, dot), _mm_cmpeq_epi8(bytes, colon)));
        if (marks != 0)
            return at + static_cast<std::size_t>(__builtin_ctz(static_cast<unsigned>(marks)));
    }
#endif
    while (at < line.size() && line[at] != '.' && line[at] != ':')
        ++at;
    return at;
}

// Each run of address characters from `from` on that may hold an address,
// in turn, until `inRun` says stop. Only a run with a dot or a colon can
// hold one: the scan goes from one of those to the next, and takes the run
// around it.
template <typename InRun>
void eachRun(std::string_view line, std::size_t from, bool boundaryBefore, const InRun &inRun)
{
    // From the start of the run `from` stands in, so that its boundaries are seen.
    std::size_t runsFrom = from;
    while (runsFrom > 0 && classAt(line, runsFrom - 1) == kRun)
        --runsFrom;
    for (std::size_t mark = nextDotOrColon(line, runsFrom); mark < line.size();) {
        std::size_t at = mark;
        while (at > runsFrom && kClasses[static_cast<unsigned char>(line[at - 1])] == kRun)
            --at;
        std::size_t end = mark;
        bool colon = false;
        for (; end < line.size(); ++end) {
            const char c = line[end];
            if (kClasses[static_cast<unsigned char>(c)] != kRun)
                break;
            colon |= c == ':';
        }
        // Most runs with a dot are parts of words and numbers: without a
        // colon, only a run that stands apart from a word can hold an address.
        const bool apart = at == 0 ? boundaryBefore : kClasses[static_cast<unsigned char>(line[at - 1])] == kOther;
        if (end > from && (colon || apart) && !inRun(at, end))
            return;
        runsFrom = end;
        mark = nextDotOrColon(line, end);
    }
}

}  // namespace

bool isAddressBoundary(char c) { return kClasses[static_cast<unsigned char>(c)] == kOther; }

std::optional<FoundAddress> nextAddress(std::string_view line, std::size_t from, bool boundaryBefore)
{
    std::optional<FoundAddress> first;
    eachRun(line, from, boundaryBefore, [&](std::size_t start, std::size_t end) {
        return addressesInRun(line, start, end, from, boundaryBefore, [&](const FoundAddress &found) {
            first = found;
            return false;
        });
    });
    return first;
}

void forEachAddress(std::string_view line, bool boundaryBefore, FunctionRef<bool(const FoundAddress &)> found)
{
    eachRun(line, 0, boundaryBefore, [&](std::size_t start, std::size_t end) {
        return addressesInRun(line, start, end, 0, boundaryBefore, found);
    });
}

std::size_t zoneLength(std::string_view line, std::size_t end)
{
    if (end >= line.size() || line[end] != '%')
        return 0;
    std::size_t past = end + 1;
    while (past < line.size()) {
        const char c = line[past];
        const bool unreserved = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                                c == '-' || c == '.' || c == '_' || c == '~';
        if (!unreserved)
            break;
        ++past;
    }
    return past == end + 1 ? 0 : past - end;
}

std::size_t sizeWithZone(std::string_view line, const FoundAddress &found)
{
    const std::size_t end = found.at + found.size;
    return found.size + (found.address.family() == Family::Ipv6 ? zoneLength(line, end) : 0);
}

std::size_t safeEnd(std::string_view piece)
{
    std::size_t start = piece.size();
    while (start > 0 && classAt(piece, start - 1) == kRun)
        --start;
    if (piece.size() - start <= kLongestIpv6 + 2)
        return start;
    // Too long for an address: only a dotted piece after its last colon may still be one.
    const std::size_t colon = piece.rfind(':');
    return colon >= start && piece.size() - colon <= kLongestIpv4 + 2 ? colon : piece.size();
}

}  // namespace netquill
