#pragma once

#include "core/address/anyaddress.h"
#include "core/address/count.h"
#include "core/planning/blockdetails.h"
#include "core/planning/placement.h"

#include <compare>
#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

// A plan that lasts: root blocks of either family, each a tree in which a
// node is a leaf or is split into 2^k equal children that tile it. Every
// node may carry a name, a note, a status, a VLAN and a colour; a leaf also
// a request and a pairing with a leaf of the other family (dual stack). A
// leaf that carries nothing is free. Every change can be undone.
namespace netquill {

class Plan
{
public:
    static constexpr int kMostSplitBits = 10;

    // A new tree, refused where it overlaps a block already planned.
    Refused addRoot(AnyBlock block);
    // Several new trees in one step (an address list imported), or none
    // where one overlaps the plan or another.
    Refused addRoots(const std::vector<AnyBlock> &blocks);
    // A leaf into 2^bits equal children (bits 1 to 10). What it carries
    // stays with it as a node, but for a request or a pairing, which only a
    // leaf keeps: such a leaf is refused.
    Refused split(AnyBlock leaf, int bits);
    // Every free leaf inside a node, and the node if it is one, split down to
    // subnets of `length` bits in one step: in splits of up to 10 bits, the
    // first as large as it can be. Refused where no free leaf is larger, and
    // where it would make more than kMostSplitAllSubnets, with their count.
    Refused splitAll(AnyBlock node, int length);
    static constexpr std::uint64_t kMostSplitAllSubnets = 65536;
    // The children of a node back into it, refused while a leaf below it
    // carries something, unless `dropWhatLeavesCarry` (pairings go from both sides).
    Refused join(AnyBlock node, bool dropWhatLeavesCarry);
    // The first leaf below a node that carries something, which a join would drop.
    std::optional<AnyBlock> carrierBelow(AnyBlock node) const;
    // A node's name, note, request, status, VLAN and colour (its pairing
    // stays as it is); a request only on a leaf. A status that is the
    // node's default is kept as none, and a name must be fit for a name
    // (nameProblem) and held by no other node, unless they are read as
    // written: a plan file keeps what an older version took, and the status
    // of a node whose children are still to be read.
    enum class Names { Checked, AsWritten };
    Refused describe(AnyBlock node, const BlockDetails &description, Names names = Names::Checked);
    // Why a node (or a new one, without `node`) cannot take the name; nothing
    // where it can. No name is no refusal.
    Refused nameRefusal(std::string_view name, std::optional<AnyBlock> node = std::nullopt) const;
    // An IPv4 leaf and an IPv6 leaf paired, each instead of any partner it had.
    Refused pair(AnyBlock ipv4Leaf, AnyBlock ipv6Leaf);
    // A leaf's pairing undone, on both sides.
    Refused unpair(AnyBlock leaf);
    // A root goes with its whole tree; a leaf gives up its name, note,
    // request and pairing and stays, free. A node split below it is refused.
    Refused remove(AnyBlock block);
    // A block inside a free leaf becomes a leaf of its own, the leaf split in
    // halves down to it, and carries the description (netquill-cli vlsm --save).
    Refused claim(AnyBlock block, const BlockDetails &description);
    // Why a block cannot be claimed with the name; nothing where it can.
    Refused claimRefusal(AnyBlock block, std::string_view name) const;

    // Places the requests into the free leaves inside `node` in one step,
    // as netquill-cli vlsm places them in a block: the largest first (ties
    // in the order given), each at the lowest free address aligned to its
    // size; none where one finds no room or has a name the plan holds.
    Refused placeRequests(AnyBlock node, const std::vector<SubnetRequest> &requests);

    // Blocks read from another system, each with what it carries, in one
    // step: each becomes a root, or the leaf that holds it is halved down
    // to it (what the leaf carries stays with it as a node). None where one
    // overlaps a tree it is not inside, lies in a leaf kept for a request or
    // a pairing, or is a node that carries something already.
    Refused importBlocks(const std::vector<std::pair<AnyBlock, BlockDetails>> &blocks);

    // The leaf that holds an address.
    std::optional<AnyBlock> leafHolding(AnyAddress address) const;
    // A node's status: the one set, else its default (defaultStatus).
    BlockStatus status(AnyBlock node) const { return statusOf(m_nodes.at(node), isLeaf(node)); }
    // The addresses below a node held by leaves that carry something.
    Count usedAddresses(AnyBlock node) const;
    // The first block of `length` bits, by address, inside a free leaf below
    // the node (or the node itself); nothing where none is free.
    std::optional<AnyBlock> firstFreeBlock(AnyBlock node, int length) const;
    bool has(AnyBlock block) const { return m_nodes.contains(block); }
    bool isLeaf(AnyBlock block) const;
    const BlockDetails &details(AnyBlock block) const { return m_nodes.at(block); }
    std::size_t nodeCount() const { return m_nodes.size(); }

    bool canUndo() const { return !m_done.empty(); }
    bool canRedo() const { return !m_undone.empty(); }
    // What a step undoes or redoes: "Split", "Rename"; empty where there is none.
    std::string undoName() const { return m_done.empty() ? std::string() : m_done.back().what; }
    std::string redoName() const { return m_undone.empty() ? std::string() : m_undone.back().what; }
    // Each operation done is one step back; a new one forgets the steps undone.
    bool undo();
    bool redo();
    // Names the plan as the steps done have left it: undo back to a step
    // gives its number again, while any other change gives a new one. 0 for
    // a plan with nothing to undo.
    std::uint64_t step() const { return m_done.empty() ? 0 : m_done.back().step; }
    // The tops of the subtrees the last step done, undone or redone changed
    // (new and removed trees among them): a view of the plan reads only these again.
    const std::vector<AnyBlock> &lastChanged() const { return m_lastChanged; }
    // A plan just read has nothing to undo.
    void forgetHistory()
    {
        m_done.clear();
        m_undone.clear();
    }

    struct Row {
        int depth;
        AnyBlock block;
        bool leaf;
        const BlockDetails *carried;
    };
    // Every node, each tree depth first: the plan's rows; or those of one
    // subtree, its top at depth 0.
    std::vector<Row> rows(std::optional<AnyBlock> top = std::nullopt) const;

private:
    using Nodes = std::map<AnyBlock, BlockDetails>;
    using Snapshot = std::vector<std::pair<AnyBlock, BlockDetails>>;
    // One subtree's nodes before and after a change.
    struct Piece {
        AnyBlock top;
        Snapshot before;
        Snapshot after;
    };
    struct Change {
        std::string what;
        std::uint64_t step;
        std::vector<Piece> pieces;
    };

    std::pair<Nodes::const_iterator, Nodes::const_iterator> subtree(AnyBlock top) const;
    Snapshot snapshot(AnyBlock top) const;
    void restore(AnyBlock top, const Snapshot &nodes);
    // Records the subtrees under `tops` around a change made by `operation`, named `what`.
    template <typename Operation>
    void record(std::string what, const std::vector<AnyBlock> &tops, Operation operation);
    // A leaf split down to subnets of `length` bits, in splits of up to 10 bits.
    void splitDown(AnyBlock leaf, int length);
    // A free leaf split in halves down to a block inside it, which carries the description.
    void splitDownTo(AnyBlock holder, AnyBlock block, const BlockDetails &description);
    // The node a block is one of the children of; nothing for a root.
    std::optional<AnyBlock> parentOf(AnyBlock block) const;
    AnyBlock rootOf(AnyBlock block) const;
    std::vector<AnyBlock> childrenOf(AnyBlock node) const;
    // Halves made on the way down to imported blocks, where each is split alike, merged into one split.
    void mergeHalvings(const std::set<AnyBlock> &made);

    Nodes m_nodes;
    std::vector<AnyBlock> m_lastChanged;
    std::vector<Change> m_done;
    std::vector<Change> m_undone;
    std::uint64_t m_lastStep = 0;
};

}  // namespace netquill
