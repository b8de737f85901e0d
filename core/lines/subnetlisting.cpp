#include "core/lines/subnetlisting.h"

#include "core/address/anyaddress.h"
#include "core/address/count.h"
#include "core/lines/splitrows.h"

#include <vector>

namespace netquill {

namespace {

template <typename Address>
constexpr const auto &tableOf()
{
    if constexpr (Address::kBits == 32)
        return kSubnetRows;
    else
        return kIpv6Rows;
}

template <typename Address>
class SplitListing final : public SubnetListing
{
public:
    using Rows = SplitRows<Address>;
    using Row = typename Rows::Row;
    using Renderer = typename Rows::Renderer;

    explicit SplitListing(const Split<Address> &split)
        : m_split(split), m_rows(split), m_renderer(m_rows.renderer(RowFormat::TSV, LineEnd::CRLF))
    {
        startAt(0);
    }

    std::size_t columnCount() const override { return kTable.columns.size(); }
    std::string_view heading(std::size_t column) const override { return kTable.columns[column].heading; }
    bool centred(std::size_t column) const override { return kTable.columns[column].centred; }

    std::size_t batchRows() const override { return m_batch.size(); }
    std::string cellText(std::size_t row, std::size_t column) const override
    {
        return m_renderer.cellText(m_batch[row], column);
    }
    std::string lastRowText(std::size_t column) const override
    {
        return m_renderer.cellText(m_rows.row(m_split.lastRow()), column);
    }
    int blockLength() const override { return m_split.block().length; }
    bool isIpv6() const override { return Address::kBits == 128; }

    bool hasMoreRows() const override { return !m_done; }
    void nextBatch() override
    {
        if (m_done)
            return;
        m_batch.clear();
        // The last row is 2^128 - 1 at most: the row after it is never counted to.
        while (m_batch.size() < kSubnetBatchSize && !m_done) {
            m_batch.push_back(m_rows.row(m_next));
            m_renderer.append(m_text, m_batch.back());
            m_done = m_next == m_split.lastRow();
            ++m_next;
        }
    }

    Parsed<Uint128> findRow(std::string_view text) const override
    {
        const std::string_view entry = withoutBlanksAround(text);
        const std::string range = "rows are numbered " + rowNumbers();
        // Digits alone are a row number: no address of either family is written so.
        if (!entry.empty() && entry.find_first_not_of("0123456789") == std::string_view::npos) {
            const auto number = readCount(entry);
            if (!number || number->isZero() || Count::oneMoreThan(m_split.lastRow()) < *number)
                return Parsed<Uint128>::refused(range);
            return number->lessOne();
        }
        // An address of the other family is named as one, not as a wrong one of this.
        if (const auto any = parseAnyAddress(entry); any && any->family() != AddressFamily<Address>::kFamily)
            return Parsed<Uint128>::refused(std::string("is an ") + familyName(any->family()) +
                                            " address, and the subnets of " + m_split.block().text() + " are " +
                                            AddressFamily<Address>::kName);
        const auto address = AddressFamily<Address>::readAddress(entry);
        if (!address)
            return Parsed<Uint128>::refused("is neither a row number, " + rowNumbers() + ", nor an " +
                                            AddressFamily<Address>::kName + " address (" + address.reason() + ")");
        if (!m_split.block().contains(*address))
            return Parsed<Uint128>::refused("is outside " + m_split.block().text());
        const Uint128 offset = address->value() - m_split.block().network.value();
        return m_split.subnetLength() == 0 ? Uint128{0} : offset >> (Address::kBits - m_split.subnetLength());
    }

    void startAt(Uint128 row) override
    {
        m_next = row;
        m_done = false;
        m_text = m_renderer.tableStart();
        nextBatch();
    }

    std::string rowNumbers() const override { return "1 to " + Count::oneMoreThan(m_split.lastRow()).text(); }

    const std::string &clipboardText() const override { return m_text; }

private:
    static constexpr const auto &kTable = tableOf<Address>();

    Split<Address> m_split;
    Rows m_rows;
    Renderer m_renderer;
    Uint128 m_next = 0;
    bool m_done = false;
    std::vector<Row> m_batch;
    std::string m_text;
};

}  // namespace

std::unique_ptr<SubnetListing> subnetListing(const Split<Ipv4Address> &split)
{
    return std::make_unique<SplitListing<Ipv4Address>>(split);
}

std::unique_ptr<SubnetListing> subnetListing(const Split<Ipv6Address> &split)
{
    return std::make_unique<SplitListing<Ipv6Address>>(split);
}

}  // namespace netquill
