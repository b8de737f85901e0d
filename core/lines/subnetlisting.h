#pragma once

#include "core/address/addresstext.h"
#include "core/planning/split.h"

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

// The subnet list window without its window: a split of either family, its
// rows 1024 at a time from the first or from any row found, and the text of
// the rows produced since the listing started or was last moved, byte for
// byte what `netquill-cli list BLOCK --mask-bits N --from ROW --count ROWS
// --crlf` writes for them (a heading line, TAB between the columns, CR LF).
namespace netquill {

constexpr std::size_t kSubnetBatchSize = 1024;

class SubnetListing
{
public:
    virtual ~SubnetListing() = default;

    // The columns, as the family's table heads them; a centred column's
    // cells are the same width on every row.
    virtual std::size_t columnCount() const = 0;
    virtual std::string_view heading(std::size_t column) const = 0;
    virtual bool centred(std::size_t column) const = 0;

    // The current batch, each cell as the grid shows it.
    virtual std::size_t batchRows() const = 0;
    virtual std::string cellText(std::size_t row, std::size_t column) const = 0;
    // A cell of the split's last row, where every digit that changes from
    // row to row is at its largest, so that no row's text is wider.
    virtual std::string lastRowText(std::size_t column) const = 0;
    virtual int blockLength() const = 0;
    virtual bool isIpv6() const = 0;

    // Replaces the batch by the next one; nothing once every row is out.
    virtual bool hasMoreRows() const = 0;
    virtual void nextBatch() = 0;

    // Row N (counted from 1, up to the last), or the subnet that holds an
    // address: its row from 0, or why there is none.
    virtual Parsed<Uint128> findRow(std::string_view text) const = 0;
    // Starts again at a row (from 0): its batch, and a text of its own.
    virtual void startAt(Uint128 row) = 0;
    // "1 to 65536": the rows Find takes.
    virtual std::string rowNumbers() const = 0;

    virtual const std::string &clipboardText() const = 0;
};

// Starts at the split's first row.
std::unique_ptr<SubnetListing> subnetListing(const Split<Ipv4Address> &split);
std::unique_ptr<SubnetListing> subnetListing(const Split<Ipv6Address> &split);

}  // namespace netquill
