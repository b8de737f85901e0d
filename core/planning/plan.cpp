#include "core/planning/plan.h"

#include "core/address/count.h"
#include "core/planning/requesttext.h"
#include "core/planning/split.h"

#include <algorithm>

namespace netquill {

Uint128 PlanBlock::last() const
{
    const int hostBits = bits() - length;
    return network | (hostBits == 0 ? 0 : ~Uint128{0} >> (128 - hostBits));
}

bool PlanBlock::contains(const PlanBlock &inner) const
{
    return ipv6 == inner.ipv6 && inner.length >= length && inner.network >= network && inner.network <= last();
}

PlanBlock PlanBlock::child(Uint128 k, int childLength) const
{
    return {ipv6, network + (k << (bits() - childLength)), childLength};
}

std::string PlanBlock::text() const
{
    return ipv6 ? Ipv6Block{Ipv6Address(network), length}.text()
                : Ipv4Block{Ipv4Address(static_cast<std::uint32_t>(network)), length}.text();
}

std::string PlanBlock::sizeText() const
{
    return ipv6 ? Count::powerOfTwo(128 - length).text() : std::to_string(Prefix(length).usableHosts());
}

Parsed<PlanBlock> parsePlanBlock(std::string_view text)
{
    if (looksLikeIpv6(text)) {
        const auto block = parseBlock<Ipv6Address>(text);
        return block ? Parsed(PlanBlock::of(*block)) : Parsed<PlanBlock>::refused(block.reason());
    }
    const auto block = parseBlock<Ipv4Address>(text);
    return block ? Parsed(PlanBlock::of(*block)) : Parsed<PlanBlock>::refused(block.reason());
}

namespace {

// The key after every block inside `top` (and `top` itself).
PlanBlock pastSubtree(PlanBlock top)
{
    const Uint128 last = top.last();
    return last == ~Uint128{0} ? PlanBlock{true, last, 129} : PlanBlock{top.ipv6, last + 1, 0};
}

}  // namespace

std::pair<Plan::Nodes::const_iterator, Plan::Nodes::const_iterator> Plan::subtree(PlanBlock top) const
{
    return {m_nodes.lower_bound(top), m_nodes.lower_bound(pastSubtree(top))};
}

Plan::Snapshot Plan::snapshot(PlanBlock top) const
{
    const auto [first, past] = subtree(top);
    return Snapshot(first, past);
}

void Plan::restore(PlanBlock top, const Snapshot &nodes)
{
    const auto [first, past] = subtree(top);
    m_nodes.erase(first, past);
    m_nodes.insert(nodes.begin(), nodes.end());
}

template <typename Operation>
void Plan::record(std::string what, const std::vector<PlanBlock> &tops, Operation operation)
{
    Change change{std::move(what), ++m_lastStep, {}};
    for (const PlanBlock &top : tops)
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

bool Plan::isLeaf(PlanBlock block) const
{
    const auto next = m_nodes.upper_bound(block);
    return next == m_nodes.end() || !block.contains(next->first);
}

// The trees tile their roots, so the block overlaps the plan exactly where a
// block inside it is planned, or the last block before it holds its first address.
Plan::Refusal Plan::addRoot(PlanBlock block)
{
    const auto after = m_nodes.lower_bound(block);
    const auto overlap = [](PlanBlock planned) {
        return Refusal("overlaps " + planned.text() + ", which the plan holds already");
    };
    if (after != m_nodes.end() && block.contains(after->first))
        return overlap(after->first);
    if (after != m_nodes.begin() && std::prev(after)->first.contains({block.ipv6, block.network, block.bits()}))
        return overlap(std::prev(after)->first);
    record("Add Block", {block}, [&] { m_nodes.emplace(block, PlanLeaf{}); });
    return std::nullopt;
}

Plan::Refusal Plan::addRoots(const std::vector<PlanBlock> &blocks)
{
    std::vector<PlanBlock> sorted = blocks;
    std::sort(sorted.begin(), sorted.end());
    for (std::size_t k = 0; k < sorted.size(); ++k) {
        if (k > 0 && sorted[k - 1].contains({sorted[k].ipv6, sorted[k].network, sorted[k].bits()}))
            return sorted[k].text() + " overlaps " + sorted[k - 1].text();
        const auto after = m_nodes.lower_bound(sorted[k]);
        if ((after != m_nodes.end() && sorted[k].contains(after->first)) ||
            (after != m_nodes.begin() &&
             std::prev(after)->first.contains({sorted[k].ipv6, sorted[k].network, sorted[k].bits()})))
            return sorted[k].text() + " overlaps a block the plan holds already";
    }
    record("Import List", sorted, [&] {
        for (const PlanBlock &block : sorted)
            m_nodes.emplace(block, PlanLeaf{});
    });
    return std::nullopt;
}

Plan::Refusal Plan::split(PlanBlock leaf, int bits)
{
    if (!has(leaf) || !isLeaf(leaf))
        return leaf.text() + " is not a leaf of the plan";
    if (bits < 1 || bits > kMostSplitBits)
        return "a leaf splits into 2 to 1024 subnets (1 to 10 bits)";
    if (leaf.length + bits > leaf.bits())
        return leaf.text() + " has only " + std::to_string(leaf.bits() - leaf.length) + " bits to split";
    if (m_nodes.at(leaf).carriesAnything())
        return leaf.text() + " carries a name, note, request or pairing: clear it first";
    record("Split", {leaf}, [&] {
        for (Uint128 k = 0; k < (Uint128{1} << bits); ++k)
            m_nodes.emplace(leaf.child(k, leaf.length + bits), PlanLeaf{});
    });
    return std::nullopt;
}

Plan::Refusal Plan::join(PlanBlock node, bool dropWhatLeavesCarry)
{
    if (!has(node) || isLeaf(node))
        return node.text() + " has no subnets to join";
    if (const auto carrier = carrierBelow(node); carrier && !dropWhatLeavesCarry)
        return carrier->text() + " below it carries a name, note, request or pairing";
    std::vector<PlanBlock> tops{node};
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

std::optional<PlanBlock> Plan::carrierBelow(PlanBlock node) const
{
    const auto past = m_nodes.lower_bound(pastSubtree(node));
    for (auto below = m_nodes.upper_bound(node); below != past; ++below)
        if (below->second.carriesAnything())
            return below->first;
    return std::nullopt;
}

Plan::Refusal Plan::describe(PlanBlock leaf, const PlanLeaf &description, Names names)
{
    if (!has(leaf) || !isLeaf(leaf))
        return leaf.text() + " is not a leaf of the plan";
    if (const auto refusal = names == Names::Checked ? nameRefusal(description.name, leaf) : std::nullopt)
        return refusal;
    if (!isUtf8(description.name) || !isUtf8(description.note) || !isUtf8(description.request))
        return "a name, note or request must be UTF-8 text";
    const PlanLeaf &before = m_nodes.at(leaf);
    const char *what = description.name != before.name   ? "Rename"
                       : description.note != before.note ? "Edit Note"
                                                         : "Edit Request";
    record(what, {leaf}, [&] {
        PlanLeaf &carried = m_nodes.at(leaf);
        carried.name = description.name;
        carried.note = description.note;
        carried.request = description.request;
    });
    return std::nullopt;
}

Plan::Refusal Plan::pair(PlanBlock ipv4Leaf, PlanBlock ipv6Leaf)
{
    for (const PlanBlock &leaf : {ipv4Leaf, ipv6Leaf})
        if (!has(leaf) || !isLeaf(leaf))
            return leaf.text() + " is not a leaf of the plan";
    if (ipv4Leaf.ipv6 || !ipv6Leaf.ipv6)
        return "a pair is an IPv4 leaf and an IPv6 leaf";
    std::vector<PlanBlock> tops{ipv4Leaf, ipv6Leaf};
    for (const PlanBlock &leaf : {ipv4Leaf, ipv6Leaf})
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

Plan::Refusal Plan::claimRefusal(PlanBlock block, std::string_view name) const
{
    const auto holder = leafHolding(block.ipv6, block.network);
    if (!holder || !holder->contains(block))
        return block.text() + " is in no leaf of the plan";
    if (m_nodes.at(*holder).carriesAnything())
        return block.text() + " is in " + holder->text() + ", which is taken";
    return nameRefusal(name);
}

Plan::Refusal Plan::claim(PlanBlock block, const PlanLeaf &description)
{
    if (const auto refusal = claimRefusal(block, description.name))
        return refusal;
    const PlanBlock holder = *leafHolding(block.ipv6, block.network);
    record("Claim Block", {holder}, [&] {
        // Halves down to the block, the other half of each a free leaf.
        for (PlanBlock at = holder; at.length < block.length;) {
            const PlanBlock low = at.child(0, at.length + 1);
            const PlanBlock high = at.child(1, at.length + 1);
            m_nodes.emplace(low, PlanLeaf{});
            m_nodes.emplace(high, PlanLeaf{});
            at = low.contains(block) ? low : high;
        }
        PlanLeaf &carried = m_nodes.at(block);
        carried = description;
        carried.paired.reset();
    });
    return std::nullopt;
}

Plan::Refusal Plan::placeRequests(PlanBlock node, const std::vector<Request> &requests)
{
    if (!has(node))
        return node.text() + " is not a block of the plan";
    std::vector<std::size_t> order(requests.size());
    for (std::size_t k = 0; k < order.size(); ++k)
        order[k] = k;
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return requests[a].length < requests[b].length; });
    for (const Request &request : requests)
        if (const auto refusal = nameRefusal(request.name))
            return "request '" + request.name + "': " + *refusal;
    // Placed on a copy first: either every request finds room, or the plan stays as it was.
    Plan trial;
    trial.m_nodes = Nodes(subtree(node).first, subtree(node).second);
    for (const std::size_t k : order) {
        const Request &request = requests[k];
        if (request.length < node.length || request.length > node.bits())
            return "request '" + request.name + "' (/" + std::to_string(request.length) + ") does not fit in " +
                   node.text();
        std::optional<PlanBlock> room;
        for (const auto &[block, carried] : trial.m_nodes)
            if (block.length <= request.length && !carried.carriesAnything() && trial.isLeaf(block)) {
                room = PlanBlock{block.ipv6, block.network, request.length};
                break;
            }
        if (!room)
            return "request '" + request.name + "' (/" + std::to_string(request.length) +
                   ") finds no free leaf large enough in " + node.text();
        trial.claim(*room, {request.name, "", request.asked, std::nullopt});
    }
    record("Place Requests", {node}, [&] { restore(node, Snapshot(trial.m_nodes.begin(), trial.m_nodes.end())); });
    return std::nullopt;
}

Plan::Refusal Plan::nameRefusal(std::string_view name, std::optional<PlanBlock> leaf) const
{
    if (name.empty())
        return std::nullopt;
    if (const std::string problem = nameProblem(name); !problem.empty())
        return problem;
    for (const auto &[block, carried] : m_nodes)
        if (carried.name == name && block != leaf)
            return "the name '" + std::string(name) + "' is " + block.text() + "'s already";
    return std::nullopt;
}

Plan::Refusal Plan::unpair(PlanBlock leaf)
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

std::optional<PlanBlock> Plan::parentOf(PlanBlock block) const
{
    for (int length = block.length - 1; length >= 0; --length) {
        const Uint128 hostMask = ~Uint128{0} >> (128 - (block.bits() - length));
        const PlanBlock above{block.ipv6, block.network & ~hostMask, length};
        if (has(above))
            return above;
    }
    return std::nullopt;
}

Plan::Refusal Plan::remove(PlanBlock block)
{
    if (!has(block))
        return block.text() + " is not a block of the plan";
    const bool root = !parentOf(block);
    if (!root && !isLeaf(block))
        return block.text() + " is split: join it, or delete the block at the top of its tree";
    if (!root && !m_nodes.at(block).carriesAnything())
        return block.text() + " is free already: join the block above it to take it back";
    // Partners outside what goes lose their pairing too.
    std::vector<PlanBlock> tops{block};
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
            m_nodes.at(block) = PlanLeaf{};
        }
    });
    return std::nullopt;
}

// The trees tile their roots: the last block that starts at or before the
// address holds it, and is a leaf, if any block of the plan does.
std::optional<PlanBlock> Plan::leafHolding(bool ipv6, Uint128 address) const
{
    const PlanBlock point{ipv6, address, ipv6 ? 128 : 32};
    const auto after = m_nodes.upper_bound(point);
    if (after == m_nodes.begin() || !std::prev(after)->first.contains(point))
        return std::nullopt;
    return std::prev(after)->first;
}

std::vector<Plan::Row> Plan::rows(std::optional<PlanBlock> top) const
{
    const auto [first, past] = top ? subtree(*top) : std::pair(m_nodes.begin(), m_nodes.end());
    std::vector<Row> rows;
    rows.reserve(top ? static_cast<std::size_t>(std::distance(first, past)) : m_nodes.size());
    std::vector<PlanBlock> ancestors;
    for (auto node = first; node != past; ++node) {
        const auto &[block, carried] = *node;
        while (!ancestors.empty() && !ancestors.back().contains(block))
            ancestors.pop_back();
        // Blocks are in order, each before those inside it: a leaf is one the next block is not inside.
        const auto next = std::next(node);
        const bool leaf = next == m_nodes.end() || !block.contains(next->first);
        rows.push_back({static_cast<int>(ancestors.size()), block, leaf, leaf ? &carried : nullptr});
        ancestors.push_back(block);
    }
    return rows;
}

}  // namespace netquill
