#include "core/files/listfile.h"

#include "core/files/wholefile.h"
#include "core/lines/escapedtext.h"

#include <algorithm>

namespace netquill {

AnyRangeSet readAddressList(std::string_view text, Complaints &complaints)
{
    if (text.starts_with(kByteOrderMark))
        text.remove_prefix(kByteOrderMark.size());
    AddressListReader reader;
    for (std::size_t start = 0, line = 1; start < text.size(); ++line) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        std::string_view raw = text.substr(start, end - start);
        start = end + 1;
        if (raw.ends_with('\r'))
            raw.remove_suffix(1);
        std::string_view entry;
        if (const auto reason = reader.add(raw, entry))
            complaints.add("line " + std::to_string(line) + ": '" + shown(entry) + "': " + *reason);
    }
    return reader.take();
}

}  // namespace netquill
