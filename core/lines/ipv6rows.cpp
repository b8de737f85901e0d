#include "core/lines/ipv6rows.h"

namespace netquill {

namespace {

Ipv6RowTexts rowTexts()
{
    const auto shortText = [](const std::string &text) {
        Ipv6RowTexts::ShortText made;
        std::copy(text.begin(), text.end(), made.chars.begin());
        made.size = text.size();
        return made;
    };
    Ipv6RowTexts texts;
    for (int length = 0; length <= 128; ++length)
        texts.lengths[static_cast<std::size_t>(length)] = {shortText(std::to_string(length)),
                                                           shortText(Count::powerOfTwo(128 - length).text())};
    return texts;
}

}  // namespace

Ipv6RowRenderer::Ipv6RowRenderer(RowFormat format, LineEnd lineEnd) : RowWriter(rowTexts(), format, lineEnd) {}

}  // namespace netquill
