#include "core/planning/plan.h"

#include "core/address/count.h"
#include "core/planning/placement.h"
#include "core/planning/requesttext.h"
#include "core/planning/split.h"

#include <algorithm>
#include <set>
#include <unordered_map>

namespace netquill {

std::pair<Plan::Nodes::const_iterator, Plan::Nodes::const_iterator> Plan::subtree(AnyBlock top) const
{
    const auto past = top.next();
    return {m_nodes.lower_bound(top), past ? m_nodes.lower_bound(*past) : m_nodes.end()};
}

Plan::Snapshot Plan::snapshot(AnyBlock top) const
{
    const auto [first, past] = subtree(top);
    return Snapshot(first, past);
}

void Plan::restore(AnyBlock top, const Snapshot &nodes)
{
    const auto [first, past] = subtree(top);
    m_nodes.erase(first, past);
    m_nodes.insert(nodes.begin(), nodes.end());
}

template <typename Operation>
void Plan::record(std::string what, const std::vector<AnyBlock> &tops, Operation operation)
{
    Change change{std::move(what), ++m_lastStep, {}};
    for (const AnyBlock &top : tops)
        change.pieces.push_back({top, snapshot(top), {}});
    operation();
    for (Piece &piece : change.pieces)
        piece.after = snapshot(piece.top);
    m_lastChanged = tops;
    m_done.push_back(std::move(change));
    m_undone.clear();
}

bool Plan::undo()
{
    if (m_done.empty())
        return false;
    m_lastChanged.clear();
    const std::vector<Piece> &pieces = m_done.back().pieces;
    for (auto piece = pieces.rbegin(); piece != pieces.rend(); ++piece) {
        restore(piece->top, piece->before);
        m_lastChanged.push_back(piece->top);
    }
    m_undone.push_back(std::move(m_done.back()));
    m_done.pop_back();
    return true;
}

bool Plan::redo()
{
    if (m_undone.empty())
        return false;
    m_lastChanged.clear();
    for (const Piece &piece : m_undone.back().pieces) {
        restore(piece.top, piece.after);
        m_lastChanged.push_back(piece.top);
    }
    m_done.push_back(std::move(m_undone.back()));
    m_undone.pop_back();
    return true;
}

bool Plan::isLeaf(AnyBlock block) const
{
    const auto next = m_nodes.upper_bound(block);
    return next == m_nodes.end() || !block.contains(next->first);
}

// The trees tile their roots, so the block overlaps the plan exactly where a
// block inside it is planned, or the last block before it holds its first address.
Refused Plan::addRoot(AnyBlock block)
{
    const auto after = m_nodes.lower_bound(block);
    const auto overlap = [](AnyBlock planned) {
        return Refused("overlaps " + planned.text() + ", which the plan holds already");
    };
    if (after != m_nodes.end() && block.contains(after->first))
        return overlap(after->first);
    if (after != m_nodes.begin() && std::prev(after)->first.contains(AnyBlock::of(block.network())))
        return overlap(std::prev(after)->first);
    record("Add Block", {block}, [&] { m_nodes.emplace(block, BlockDetails{}); });
    return std::nullopt;
}

Refused Plan::addRoots(const std::vector<AnyBlock> &blocks)
{
    std::vector<AnyBlock> sorted = blocks;
    std::sort(sorted.begin(), sorted.end());
    for (std::size_t k = 0; k < sorted.size(); ++k) {
        if (k > 0 && sorted[k - 1].contains(AnyBlock::of(sorted[k].network())))
            return sorted[k].text() + " overlaps " + sorted[k - 1].text();
        const auto after = m_nodes.lower_bound(sorted[k]);
        if ((after != m_nodes.end() && sorted[k].contains(after->first)) ||
            (after != m_nodes.begin() && std::prev(after)->first.contains(AnyBlock::of(sorted[k].network()))))
            return sorted[k].text() + " overlaps a block the plan holds already";
    }
    record("Import List", sorted, [&] {
        for (const AnyBlock &block : sorted)
            m_nodes.emplace(block, BlockDetails{});
    });
    return std::nullopt;
}

Refused Plan::split(AnyBlock leaf, int bits)
{
    if (!has(leaf) || !isLeaf(leaf))
        return leaf.text() + " is not a leaf of the plan";
    if (bits < 1 || bits > kMostSplitBits)
        return "a leaf splits into 2 to 1024 subnets (1 to 10 bits)";
    if (leaf.length() + bits > leaf.width())
        return leaf.text() + " has only " + std::to_string(leaf.width() - leaf.length()) + " bits to split";
    if (m_nodes.at(leaf).carriesLeafOnly())
        return leaf.text() + " keeps a request or a pairing, which only a leaf carries: clear it first";
    record("Split", {leaf}, [&] {
        for (Uint128 k = 0; k < (Uint128{1} << bits); ++k)
            m_nodes.emplace(leaf.child(k, leaf.length() + bits), BlockDetails{});
    });
    return std::nullopt;
}

Refused Plan::splitAll(AnyBlock node, int length)
{
    if (!has(node))
        return node.text() + " is not a block of the plan";
    if (length <= node.length() || length > node.width())
        return "/" + std::to_string(length) + " is not inside " + node.text() + ": its subnets are /" +
               std::to_string(node.length() + 1) + " to /" + std::to_string(node.width());
    std::vector<AnyBlock> leaves;
    Count made;
    for (const Row &row : rows(node))
        if (row.leaf && !row.carried->inUse() && row.block.length() < length) {
            leaves.push_back(row.block);
            made = made + Count::powerOfTwo(length - row.block.length());
        }
    if (leaves.empty())
        return "no free leaf in " + node.text() + " is larger than /" + std::to_string(length);
    if (Count(kMostSplitAllSubnets) < made)
        return "splitting every free leaf in " + node.text() + " to /" + std::to_string(length) + " would make " +
               made.text() + " subnets; one step makes at most 65536";
    record("Split All", {node}, [&] {
        for (const AnyBlock &leaf : leaves)
            splitDown(leaf, length);
    });
    return std::nullopt;
}

void Plan::splitDown(AnyBlock leaf, int length)
{
    const int bits = std::min(kMostSplitBits, length - leaf.length());
    for (Uint128 k = 0; k < (Uint128{1} << bits); ++k) {
        const AnyBlock child = leaf.child(k, leaf.length() + bits);
        m_nodes.emplace(child, BlockDetails{});
        if (child.length() < length)
            splitDown(child, length);
    }
}

Refused Plan::join(AnyBlock node, bool dropWhatLeavesCarry)
{
    if (!has(node) || isLeaf(node))
        return node.text() + " has no subnets to join";
    if (const auto carrier = carrierBelow(node); carrier && !dropWhatLeavesCarry)
        return carrier->text() + " below it carries a name, note, request or pairing";
    std::vector<AnyBlock> tops{node};
    const auto [first, past] = subtree(node);
    for (auto below = std::next(first); below != past; ++below)
        if (below->second.paired)
            tops.push_back(*below->second.paired);
    record("Join", tops, [&] {
        for (auto partner = tops.begin() + 1; partner != tops.end(); ++partner)
            m_nodes.at(*partner).paired.reset();
        const auto [from, to] = subtree(node);
        m_nodes.erase(std::next(from), to);
    });
    return std::nullopt;
}

std::optional<AnyBlock> Plan::carrierBelow(AnyBlock node) const
{
    if (!has(node))
        return std::nullopt;
    const auto [top, past] = subtree(node);
    for (auto below = std::next(top); below != past; ++below)
        if (below->second.carriesAnything())
            return below->first;
    return std::nullopt;
}

Refused Plan::describe(AnyBlock node, const BlockDetails &description, Names names)
{
    if (!has(node))
        return node.text() + " is not a block of the plan";
    const bool leaf = isLeaf(node);
    if (!leaf && !description.request.empty())
        return node.text() + " is split, and only a leaf keeps a request";
    if (const auto refusal = names == Names::Checked ? nameRefusal(description.name, node) : std::nullopt)
        return refusal;
    if (!isUtf8(description.name) || !isUtf8(description.note) || !isUtf8(description.request))
        return "a name, note or request must be UTF-8 text";
    if (description.vlan && (*description.vlan < kLowestVlan || *description.vlan > kHighestVlan))
        return "a VLAN id is 1 to 4094";
    const BlockDetails &before = m_nodes.at(node);
    const char *what = description.name != before.name         ? "Rename"
                       : description.note != before.note       ? "Edit Note"
                       : description.request != before.request ? "Edit Request"
                       : description.status != before.status   ? "Set Status"
                       : description.vlan != before.vlan       ? "Set VLAN"
                                                               : "Set Colour";
    record(what, {node}, [&] {
        BlockDetails &carried = m_nodes.at(node);
        const auto paired = carried.paired;
        carried = description;
        carried.paired = paired;
        if (names == Names::Checked && carried.status == defaultStatus(carried, leaf))
            carried.status.reset();
    });
    return std::nullopt;
}

Refused Plan::pair(AnyBlock ipv4Leaf, AnyBlock ipv6Leaf)
{
    for (const AnyBlock &leaf : {ipv4Leaf, ipv6Leaf})
        if (!has(leaf) || !isLeaf(leaf))
            return leaf.text() + " is not a leaf of the plan";
    if (ipv4Leaf.family() != Family::Ipv4 || ipv6Leaf.family() != Family::Ipv6)
        return "a pair is an IPv4 leaf and an IPv6 leaf";
    std::vector<AnyBlock> tops{ipv4Leaf, ipv6Leaf};
    for (const AnyBlock &leaf : {ipv4Leaf, ipv6Leaf})
        if (const auto &partner = m_nodes.at(leaf).paired;
            partner && std::find(tops.begin(), tops.end(), *partner) == tops.end())
            tops.push_back(*partner);
    record("Pair", tops, [&] {
        for (auto partner = tops.begin() + 2; partner != tops.end(); ++partner)
            m_nodes.at(*partner).paired.reset();
        m_nodes.at(ipv4Leaf).paired = ipv6Leaf;
        m_nodes.at(ipv6Leaf).paired = ipv4Leaf;
    });
    return std::nullopt;
}

Refused Plan::claimRefusal(AnyBlock block, std::string_view name) const
{
    const auto holder = leafHolding(block.network());
    if (!holder || !holder->contains(block))
        return block.text() + " is in no leaf of the plan";
    if (m_nodes.at(*holder).inUse())
        return block.text() + " is in " + holder->text() + ", which is taken";
    return nameRefusal(name);
}

Refused Plan::claim(AnyBlock block, const BlockDetails &description)
{
    if (const auto refusal = claimRefusal(block, description.name))
        return refusal;
    const AnyBlock holder = *leafHolding(block.network());
    record("Claim Block", {holder}, [&] { splitDownTo(holder, block, description); });
    return std::nullopt;
}

void Plan::splitDownTo(AnyBlock holder, AnyBlock block, const BlockDetails &description)
{
    // A free leaf taken whole keeps its colour, unless the description brings one.
    const auto colour = description.colour ? description.colour : m_nodes.at(holder).colour;
    // Halves down to the block, the other half of each a free leaf.
    for (AnyBlock at = holder; at.length() < block.length();) {
        const AnyBlock low = at.child(0, at.length() + 1);
        const AnyBlock high = at.child(1, at.length() + 1);
        m_nodes.emplace(low, BlockDetails{});
        m_nodes.emplace(high, BlockDetails{});
        at = low.contains(block) ? low : high;
    }
    BlockDetails &carried = m_nodes.at(block);
    carried = description;
    carried.paired.reset();
    if (block == holder)
        carried.colour = colour;
}

Refused Plan::placeRequests(AnyBlock node, const std::vector<SubnetRequest> &requests)
{
    if (!has(node))
        return node.text() + " is not a block of the plan";
    // Every name at once: a request's name is fit for a name, held by no
    // leaf and by no other request.
    std::unordered_map<std::string_view, std::string> holders;
    for (const auto &[block, carried] : m_nodes)
        if (!carried.name.empty())
            holders.emplace(carried.name, block.text() + "'s");
    for (const SubnetRequest &request : requests) {
        if (const std::string problem = nameProblem(request.name); !problem.empty())
            return "request '" + request.name + "': " + problem;
        if (const auto [holder, fresh] = holders.emplace(request.name, "another request's"); !fresh)
            return "request '" + request.name + "': the name '" + request.name + "' is " + holder->second + " already";
    }
    std::vector<std::pair<std::size_t, AnyBlock>> placed;
    const Refused refusal = node.visit([&](const auto &top) -> Refused {
        using Address = decltype(top.network);
        std::vector<Block<Address>> free;
        for (const Row &row : rows(node))
            if (row.leaf && !row.carried->inUse())
                free.push_back(*row.block.as<Block<Address>>());
        FreeSpace<Address> space(free);
        for (const std::size_t k : placingOrder(requests)) {
            const SubnetRequest &request = requests[k];
            const std::string asked = "request '" + request.name + "' (/" + std::to_string(request.length) + ")";
            if (request.length < top.length || request.length > Address::kBits)
                return asked + " does not fit in " + node.text();
            const auto room = space.take(request.length);
            if (!room)
                return asked + " finds no free leaf large enough in " + node.text();
            placed.emplace_back(k, *room);
        }
        return std::nullopt;
    });
    if (refusal)
        return refusal;
    record("Place Requests", {node}, [&] {
        for (const auto &[k, block] : placed)
            splitDownTo(*leafHolding(block.network()), block, {requests[k].name, "", requests[k].asked, std::nullopt});
    });
    return std::nullopt;
}

Refused Plan::nameRefusal(std::string_view name, std::optional<AnyBlock> node) const
{
    if (name.empty())
        return std::nullopt;
    if (const std::string problem = nameProblem(name); !problem.empty())
        return problem;
    for (const auto &[block, carried] : m_nodes)
        if (carried.name == name && block != node)
            return "the name '" + std::string(name) + "' is " + block.text() + "'s already";
    return std::nullopt;
}

Refused Plan::unpair(AnyBlock leaf)
{
    if (!has(leaf) || !isLeaf(leaf))
        return leaf.text() + " is not a leaf of the plan";
    const auto partner = m_nodes.at(leaf).paired;
    if (!partner)
        return leaf.text() + " is paired with no leaf";
    record("Unpair", {leaf, *partner}, [&] {
        m_nodes.at(leaf).paired.reset();
        m_nodes.at(*partner).paired.reset();
    });
    return std::nullopt;
}

std::optional<AnyBlock> Plan::parentOf(AnyBlock block) const
{
    for (int length = block.length() - 1; length >= 0; --length) {
        const AnyBlock above = block.widened(length);
        if (has(above))
            return above;
    }
    return std::nullopt;
}

Refused Plan::remove(AnyBlock block)
{
    if (!has(block))
        return block.text() + " is not a block of the plan";
    const bool root = !parentOf(block);
    if (!root && !isLeaf(block))
        return block.text() + " is split: join it, or delete the block at the top of its tree";
    if (!root && !m_nodes.at(block).carriesAnything())
        return block.text() + " is free already: join the block above it to take it back";
    // Partners outside what goes lose their pairing too.
    std::vector<AnyBlock> tops{block};
    const auto [first, past] = subtree(block);
    for (auto node = first; node != past; ++node)
        if (node->second.paired && !block.contains(*node->second.paired))
            tops.push_back(*node->second.paired);
    record("Delete", tops, [&] {
        for (auto partner = tops.begin() + 1; partner != tops.end(); ++partner)
            m_nodes.at(*partner).paired.reset();
        if (root) {
            const auto [from, to] = subtree(block);
            m_nodes.erase(from, to);
        } else {
            m_nodes.at(block) = BlockDetails{};
        }
    });
    return std::nullopt;
}

// The trees tile their roots: the last block that starts at or before the
// address holds it, and is a leaf, if any block of the plan does.
std::optional<AnyBlock> Plan::leafHolding(AnyAddress address) const
{
    const AnyBlock point = AnyBlock::of(address);
    const auto after = m_nodes.upper_bound(point);
    if (after == m_nodes.begin() || !std::prev(after)->first.contains(point))
        return std::nullopt;
    return std::prev(after)->first;
}

Count Plan::usedAddresses(AnyBlock node) const
{
    Count used;
    for (const Row &row : rows(node))
        if (row.leaf && row.carried->inUse())
            used = used + Count::powerOfTwo(row.block.width() - row.block.length());
    return used;
}

std::optional<AnyBlock> Plan::firstFreeBlock(AnyBlock node, int length) const
{
    if (!has(node) || length < node.length() || length > node.width())
        return std::nullopt;
    for (const Row &row : rows(node))
        if (row.leaf && !row.carried->inUse() && row.block.length() <= length)
            return row.block.child(0, length);
    return std::nullopt;
}

Refused Plan::importBlocks(const std::vector<std::pair<AnyBlock, BlockDetails>> &blocks)
{
    std::vector<std::pair<AnyBlock, BlockDetails>> sorted = blocks;
    std::sort(sorted.begin(), sorted.end(), [](const auto &one, const auto &other) { return one.first < other.first; });
    // Worked on a copy, so that a refusal halfway leaves the plan as it was;
    // the step then records the trees the import touched.
    Plan imported;
    imported.m_nodes = m_nodes;
    std::vector<AnyBlock> tops;
    for (const auto &[block, details] : sorted) {
        if (const auto refusal = imported.nameRefusal(details.name))
            return block.text() + ": " + refusal->text();
        if (!isUtf8(details.note) || !isUtf8(details.request))
            return block.text() + ": a name, note or request must be UTF-8 text";
        if (imported.has(block)) {
            if (imported.m_nodes.at(block).carriesAnything())
                return block.text() + " carries something in the plan already";
        } else if (const auto holder = imported.leafHolding(block.network()); holder && holder->contains(block)) {
            if (imported.m_nodes.at(*holder).carriesLeafOnly())
                return block.text() + " is in " + holder->text() + ", which keeps a request or a pairing";
            imported.splitDownTo(*holder, block, BlockDetails{});
        } else if (const auto refusal = imported.addRoot(block)) {
            return block.text() + " " + refusal->text();
        }
        tops.push_back(imported.rootOf(block));
        BlockDetails &carried = imported.m_nodes.at(block);
        carried = details;
        carried.paired.reset();
    }
    std::set<AnyBlock> made;
    for (const auto &[block, carried] : imported.m_nodes)
        if (!m_nodes.contains(block))
            made.insert(block);
    for (const auto &[block, details] : sorted)
        made.erase(block);
    imported.mergeHalvings(made);
    // A status read is kept only where it is not the one the block has by default.
    for (const auto &[block, details] : sorted)
        if (BlockDetails &carried = imported.m_nodes.at(block);
            carried.status == defaultStatus(carried, imported.isLeaf(block)))
            carried.status.reset();
    std::sort(tops.begin(), tops.end());
    tops.erase(std::unique(tops.begin(), tops.end()), tops.end());
    record("Import", tops, [&] { m_nodes = std::move(imported.m_nodes); });
    return std::nullopt;
}

std::vector<AnyBlock> Plan::childrenOf(AnyBlock node) const
{
    std::vector<AnyBlock> children;
    const auto [top, past] = subtree(node);
    for (auto child = std::next(top); child != past;) {
        children.push_back(child->first);
        const auto next = child->first.next();
        child = next ? m_nodes.lower_bound(*next) : m_nodes.end();
    }
    return children;
}

// A node whose halves were made only to reach blocks below them, each split
// alike, is split into those blocks at once: a /22 imported with its four
// /24s is one split into 4, as a plan that had it wrote it.
void Plan::mergeHalvings(const std::set<AnyBlock> &made)
{
    for (bool merged = true; merged;) {
        merged = false;
        for (auto node = m_nodes.begin(); node != m_nodes.end(); ++node) {
            const std::vector<AnyBlock> children = childrenOf(node->first);
            if (children.empty())
                continue;
            const int bits = children.front().length() - node->first.length();
            std::optional<int> below;
            const bool mergeable = std::all_of(children.begin(), children.end(), [&](const AnyBlock &child) {
                if (!made.contains(child) || m_nodes.at(child).carriesAnything() || isLeaf(child))
                    return false;
                const int childBits = std::next(m_nodes.find(child))->first.length() - child.length();
                return below.value_or(childBits) == childBits && (below = childBits, true) &&
                       childrenOf(child).size() == std::size_t{1} << childBits;
            });
            if (!mergeable || bits + *below > kMostSplitBits)
                continue;
            for (const AnyBlock &child : children)
                m_nodes.erase(child);
            merged = true;
        }
    }
}

AnyBlock Plan::rootOf(AnyBlock block) const
{
    AnyBlock root = block;
    while (const auto parent = parentOf(root))
        root = *parent;
    return root;
}

std::vector<Plan::Row> Plan::rows(std::optional<AnyBlock> top) const
{
    const auto [first, past] = top ? subtree(*top) : std::pair(m_nodes.begin(), m_nodes.end());
    std::vector<Row> rows;
    rows.reserve(top ? static_cast<std::size_t>(std::distance(first, past)) : m_nodes.size());
    std::vector<AnyBlock> ancestors;
    for (auto node = first; node != past; ++node) {
        const auto &[block, carried] = *node;
        while (!ancestors.empty() && !ancestors.back().contains(block))
            ancestors.pop_back();
        // Blocks are in order, each before those inside it: a leaf is one the next block is not inside.
        const auto next = std::next(node);
        const bool leaf = next == m_nodes.end() || !block.contains(next->first);
        rows.push_back({static_cast<int>(ancestors.size()), block, leaf, &carried});
        ancestors.push_back(block);
    }
    return rows;
}

}  // namespace netquill
