#include "core/lines/planfile.h"

#include "core/lines/jsonreader.h"
#include "core/lines/jsontext.h"

#include <algorithm>
#include <set>

namespace netquill {

std::string planFileText(const Plan &plan)
{
    std::string out;
    // About a line of 40 bytes for each node, more for what leaves carry: grown once or twice at most.
    out.reserve(48 * plan.nodeCount() + 64);
    out += "{\"format\":";
    appendJsonString(out, kPlanFormat);
    out += ",\"version\":" + std::to_string(kPlanVersion) + ",\"nodes\":[\n";
    const std::vector<Plan::Row> rows = plan.rows();
    for (std::size_t k = 0; k < rows.size(); ++k) {
        const Plan::Row &row = rows[k];
        out += "{\"depth\":";
        out += std::to_string(row.depth);
        out += ",\"block\":";
        appendJsonString(out, row.block.text());
        if (const PlanLeaf *carried = row.carried) {
            for (const auto &[key, value] : {std::pair{"name", &carried->name}, std::pair{"note", &carried->note},
                                             std::pair{"request", &carried->request}}) {
                if (value->empty())
                    continue;
                out += ",\"";
                out += key;
                out += "\":";
                appendJsonString(out, *value);
            }
            if (carried->paired) {
                out += ",\"paired\":";
                appendJsonString(out, carried->paired->text());
            }
        }
        out += k + 1 < rows.size() ? "},\n" : "}\n";
    }
    return out + "]}\n";
}

namespace {

// Thrown while the nodes are read, with the line of the node at fault.
struct Damage {
    int line;
    std::string reason;
};

const std::string &textMember(const JsonValue &object, std::string_view key, bool required)
{
    static const std::string kNone;
    const JsonValue *value = object.member(key);
    if (!value) {
        if (required)
            throw Damage{object.line, "has no \"" + std::string(key) + "\""};
        return kNone;
    }
    if (value->kind != JsonValue::Kind::String)
        throw Damage{value->line, "has a \"" + std::string(key) + "\" that is not a string"};
    return value->text;
}

int depthOf(const JsonValue &node)
{
    const JsonValue *depth = node.member("depth");
    if (!depth || depth->kind != JsonValue::Kind::Number || depth->text.size() > 3 ||
        depth->text.find_first_not_of("0123456789") != std::string::npos)
        throw Damage{node.line, "has no \"depth\" of 0 to 128"};
    return std::stoi(depth->text);
}

AnyBlock blockOf(const JsonValue &node, std::string_view key)
{
    const auto block = parseAnyBlock(textMember(node, key, true));
    if (!block)
        throw Damage{node.line, "has a \"" + std::string(key) + "\" that " + block.reason()};
    return *block;
}

// A node on the path from a root to the node being read, and how many of
// its children have been read of how many its split made.
struct Ancestor {
    AnyBlock block;
    int line;
    Uint128 childrenRead = 0;
    Uint128 children = 0;
};

void checkAllChildrenRead(const Ancestor &node)
{
    if (node.childrenRead != node.children)
        throw Damage{node.line, node.block.text() + " is split, but not every subnet of the split follows it"};
}

// The nodes in order rebuild the plan: a root adds a tree, the first child
// after a leaf splits it (its length tells into how many), each further child
// must be the next of that split, and what a leaf carries is described on it;
// pairings last, once every leaf is there.
Plan planOf(const JsonValue &nodes)
{
    static constexpr std::string_view kKeys[] = {"depth", "block", "name", "note", "request", "paired"};
    Plan plan;
    std::vector<std::pair<AnyBlock, AnyBlock>> pairings;
    std::vector<Ancestor> path;
    for (const JsonValue &node : nodes.items) {
        if (node.kind != JsonValue::Kind::Object)
            throw Damage{node.line, "has a node that is not an object"};
        for (std::size_t k = 0; k < node.keys.size(); ++k)
            if (std::find(std::begin(kKeys), std::end(kKeys), node.keys[k]) == std::end(kKeys))
                throw Damage{node.items[k].line, "has an unknown key \"" + node.keys[k] + "\""};
            else if (std::find(node.keys.begin(), node.keys.begin() + static_cast<std::ptrdiff_t>(k), node.keys[k]) !=
                     node.keys.begin() + static_cast<std::ptrdiff_t>(k))
                throw Damage{node.items[k].line, "has \"" + node.keys[k] + "\" twice"};
        const auto depth = static_cast<std::size_t>(depthOf(node));
        const AnyBlock block = blockOf(node, "block");
        if (depth > path.size())
            throw Damage{node.line, "is deeper than the node before it allows"};
        while (path.size() > depth) {
            checkAllChildrenRead(path.back());
            path.pop_back();
        }
        if (depth == 0) {
            if (const auto refusal = plan.addRoot(block))
                throw Damage{node.line, block.text() + " " + *refusal};
        } else {
            Ancestor &parent = path.back();
            const int bits = block.length() - parent.block.length();
            if (parent.children == 0 && plan.leaf(parent.block).carriesAnything())
                throw Damage{parent.line, parent.block.text() +
                                              " is split, and only a leaf carries a name, note, request or pairing"};
            if (parent.children == 0 && bits >= 1 && bits <= Plan::kMostSplitBits && !plan.split(parent.block, bits))
                parent.children = Uint128{1} << bits;
            // The split made the children; the next one read must be the next it made.
            if (parent.childrenRead == parent.children || !plan.has(block) ||
                block != parent.block.child(parent.childrenRead, parent.block.length() + bits))
                throw Damage{node.line,
                             block.text() + " is not the next of 2 to 1024 equal subnets of " + parent.block.text()};
            ++parent.childrenRead;
        }
        const PlanLeaf carried{textMember(node, "name", false), textMember(node, "note", false),
                               textMember(node, "request", false), std::nullopt};
        if (carried.carriesAnything())
            if (const auto refusal = plan.describe(block, carried, Plan::Names::AsWritten))
                throw Damage{node.line, *refusal};
        if (node.member("paired"))
            pairings.emplace_back(block, blockOf(node, "paired"));
        path.push_back({block, node.line});
    }
    for (const Ancestor &node : path)
        checkAllChildrenRead(node);
    // Each pairing is written on both leaves, and read once both are there.
    const std::set<std::pair<AnyBlock, AnyBlock>> written(pairings.begin(), pairings.end());
    for (const auto &[leaf, partner] : pairings) {
        const bool mutual = written.contains({partner, leaf});
        const Family other = otherFamily(leaf.family());
        if (!mutual || partner.family() != other || !plan.isLeaf(leaf) || !plan.has(partner) || !plan.isLeaf(partner))
            throw Damage{nodes.line, leaf.text() + " is paired with " + partner.text() + ", which is not an " +
                                         familyName(other) + " leaf of the plan paired with it"};
        if (leaf.family() == Family::Ipv4)
            plan.pair(leaf, partner);
    }
    plan.forgetHistory();
    return plan;
}

}  // namespace

Parsed<Plan> readPlanFile(std::string_view text)
{
    // A byte-order mark, which some editors put before UTF-8, says nothing here (RFC 8259, section 8.1).
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);
    const auto document = readJson(text);
    if (!document)
        return Parsed<Plan>::refused(document.reason());
    const auto refused = [](int line, const std::string &reason) {
        return Parsed<Plan>::refused("line " + std::to_string(line) + ": " + reason);
    };
    const JsonValue *format = document->member("format");
    if (document->kind != JsonValue::Kind::Object || !format || format->text != kPlanFormat)
        return refused(document->line, "is not a Netquill plan (it has no \"format\":\"netquill-plan\")");
    const JsonValue *version = document->member("version");
    if (!version || version->kind != JsonValue::Kind::Number || version->text.size() > 9 ||
        version->text.find_first_not_of("0123456789") != std::string::npos)
        return refused(document->line, "has no \"version\" number");
    if (std::stol(version->text) > kPlanVersion)
        return refused(version->line, "is a plan of version " + version->text +
                                          ", from a newer Netquill; this one reads version " +
                                          std::to_string(kPlanVersion));
    const JsonValue *nodes = document->member("nodes");
    if (!nodes || nodes->kind != JsonValue::Kind::Array)
        return refused(document->line, "has no \"nodes\" list");
    try {
        return planOf(*nodes);
    } catch (const Damage &damage) {
        return refused(damage.line, damage.reason);
    }
}

}  // namespace netquill
