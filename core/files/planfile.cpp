#include "core/files/planfile.h"

#include "core/files/jsonreader.h"
#include "core/files/wholefile.h"
#include "core/lines/jsontext.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <optional>
#include <set>

namespace netquill {

namespace {

// What a plan file of version 1 cannot hold: a status, a VLAN, a colour, or anything on a split node.
bool needsVersion2(const Plan::Row &row)
{
    const BlockDetails &carried = *row.carried;
    return carried.status || carried.vlan || carried.colour || (!row.leaf && carried.carriesAnything());
}

}  // namespace

std::string planFileText(const Plan &plan)
{
    const std::vector<Plan::Row> rows = plan.rows();
    const bool version2 = std::any_of(rows.begin(), rows.end(), needsVersion2);
    std::string out;
    // About a line of 40 bytes for each node, more for what nodes carry: grown once or twice at most.
    out.reserve(48 * plan.nodeCount() + 64);
    out += "{\"format\":";
    appendJsonString(out, kPlanFormat);
    out += ",\"version\":" + std::to_string(version2 ? 2 : 1) + ",\"nodes\":[\n";
    for (std::size_t k = 0; k < rows.size(); ++k) {
        const Plan::Row &row = rows[k];
        const BlockDetails &carried = *row.carried;
        out += "{\"depth\":";
        out += std::to_string(row.depth);
        out += ",\"block\":";
        appendJsonString(out, row.block.text());
        const auto member = [&](std::string_view key, std::string_view text) {
            out += ",\"";
            out += key;
            out += "\":";
            appendJsonString(out, text);
        };
        for (const auto &[key, value] : {std::pair{"name", &carried.name}, std::pair{"note", &carried.note},
                                         std::pair{"request", &carried.request}})
            if (!value->empty())
                member(key, *value);
        if (carried.paired)
            member("paired", carried.paired->text());
        if (carried.status)
            member("status", statusName(*carried.status));
        if (carried.vlan)
            out += ",\"vlan\":" + std::to_string(*carried.vlan);
        if (carried.colour)
            member("colour", colourName(*carried.colour));
        out += k + 1 < rows.size() ? "},\n" : "}\n";
    }
    return out + "]}\n";
}

namespace {

// Thrown while the nodes are read, with the line of the node at fault: the
// JSON is read on, which a Refusal of the reader's own would stop.
struct Damage : Refusal {
    using Refusal::Refusal;
};

// A member of a node as read, before the node is checked whole.
struct Member {
    JsonReader::Kind kind;
    int line;
    std::string text;  // a string's or a number's
};

// A node's members, each refused as the reader meets it where its key is unknown.
class Node
{
public:
    static constexpr std::string_view kKeys[] = {"depth",  "block",  "name", "note",  "request",
                                                 "paired", "status", "vlan", "colour"};

    explicit Node(JsonReader &reader) : line(reader.line())
    {
        if (reader.peek() != JsonReader::Kind::Object)
            throw Damage("has a node that is not an object", line);
        reader.beginObject();
        while (const auto key = reader.nextKey()) {
            const auto known = std::find(std::begin(kKeys), std::end(kKeys), *key);
            const int valueLine = reader.line();
            if (known == std::end(kKeys))
                throw Damage("has an unknown key \"" + *key + "\"", valueLine);
            Member &member = m_members[static_cast<std::size_t>(known - std::begin(kKeys))].emplace(
                Member{reader.peek(), valueLine, {}});
            if (member.kind == JsonReader::Kind::String)
                member.text = reader.readString();
            else if (member.kind == JsonReader::Kind::Number)
                member.text = reader.readNumber();
            else
                reader.skipValue();
        }
    }

    int depth() const
    {
        const auto &depth = m_members[0];
        if (!depth || depth->kind != JsonReader::Kind::Number || depth->text.size() > 3 ||
            depth->text.find_first_not_of("0123456789") != std::string::npos)
            throw Damage("has no \"depth\" of 0 to 128", line);
        return std::stoi(depth->text);
    }
    // The text of a string member; empty where there is none, unless it is required.
    const std::string &text(std::string_view key, bool required) const
    {
        static const std::string kNone;
        const auto &member = m_members[index(key)];
        if (!member) {
            if (required)
                throw Damage("has no \"" + std::string(key) + "\"", line);
            return kNone;
        }
        if (member->kind != JsonReader::Kind::String)
            throw Damage("has a \"" + std::string(key) + "\" that is not a string", member->line);
        return member->text;
    }
    bool has(std::string_view key) const { return m_members[index(key)].has_value(); }
    // A member read by `read` from its text, refused as `what` where it reads nothing.
    template <typename Value>
    std::optional<Value> value(std::string_view key, JsonReader::Kind kind, std::string_view what,
                               std::optional<Value> (*read)(std::string_view)) const
    {
        const auto &member = m_members[index(key)];
        if (!member)
            return std::nullopt;
        const auto value = member->kind == kind ? read(member->text) : std::nullopt;
        if (!value)
            throw Damage("has a \"" + std::string(key) + "\" that is not " + std::string(what), member->line);
        return value;
    }
    AnyBlock block(std::string_view key) const
    {
        const auto block = parseAnyBlock(text(key, true));
        if (!block)
            throw Damage("has a \"" + std::string(key) + "\" that " + block.reason(), line);
        return *block;
    }

    const int line;

private:
    static std::size_t index(std::string_view key)
    {
        return static_cast<std::size_t>(std::find(std::begin(kKeys), std::end(kKeys), key) - std::begin(kKeys));
    }

    std::array<std::optional<Member>, std::size(kKeys)> m_members;
};

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
        throw Damage(node.block.text() + " is split, but not every subnet of the split follows it", node.line);
}

// The nodes in order rebuild the plan as they are read: a root adds a tree,
// the first child after a leaf splits it (its length tells into how many),
// each further child must be the next of that split, and what a leaf carries
// is described on it; pairings last, once every leaf is there.
class PlanBuilder
{
public:
    void add(const Node &node)
    {
        const auto depth = static_cast<std::size_t>(node.depth());
        const AnyBlock block = node.block("block");
        if (depth > m_path.size())
            throw Damage("is deeper than the node before it allows", node.line);
        while (m_path.size() > depth) {
            checkAllChildrenRead(m_path.back());
            m_path.pop_back();
        }
        if (depth == 0) {
            if (const auto refusal = m_plan.addRoot(block))
                throw Damage(block.text() + " " + refusal->reason, node.line);
        } else {
            Ancestor &parent = m_path.back();
            const int bits = block.length() - parent.block.length();
            if (parent.children == 0 && m_plan.details(parent.block).carriesLeafOnly())
                throw Damage(parent.block.text() + " is split, and only a leaf keeps a request or a pairing",
                             parent.line);
            if (parent.children == 0 && m_plan.details(parent.block).carriesAnything() && !m_version2Line)
                m_version2Line = parent.line;
            if (parent.children == 0 && bits >= 1 && bits <= Plan::kMostSplitBits && !m_plan.split(parent.block, bits))
                parent.children = Uint128{1} << bits;
            // The split made the children; the next one read must be the next it made.
            if (parent.childrenRead == parent.children || !m_plan.has(block) ||
                block != parent.block.child(parent.childrenRead, parent.block.length() + bits))
                throw Damage(block.text() + " is not the next of 2 to 1024 equal subnets of " + parent.block.text(),
                             node.line);
            ++parent.childrenRead;
        }
        const BlockDetails carried{
            node.text("name", false),
            node.text("note", false),
            node.text("request", false),
            std::nullopt,
            node.value<BlockStatus>("status", JsonReader::Kind::String,
                                    "a status: container, active, reserved "
                                    "or deprecated",
                                    readStatus),
            node.value<int>("vlan", JsonReader::Kind::Number, "a VLAN id of 1 to 4094", readVlan),
            node.value<BlockColour>("colour", JsonReader::Kind::String, "a colour of the plan's palette", readColour),
        };
        if ((carried.status || carried.vlan || carried.colour) && !m_version2Line)
            m_version2Line = node.line;
        if (carried.carriesAnything())
            if (const auto refusal = m_plan.describe(block, carried, Plan::Names::AsWritten))
                throw Damage(refusal->reason, node.line);
        if (node.has("paired"))
            m_pairings.emplace_back(block, node.block("paired"));
        m_path.push_back({block, node.line});
        // A plan read has nothing to undo: no step keeps a copy of what it changed.
        m_plan.forgetHistory();
    }

    Plan finish(int line)
    {
        for (const Ancestor &node : m_path)
            checkAllChildrenRead(node);
        // Each pairing is written on both leaves, and read once both are there.
        const std::set<std::pair<AnyBlock, AnyBlock>> written(m_pairings.begin(), m_pairings.end());
        for (const auto &[leaf, partner] : m_pairings) {
            const bool mutual = written.contains({partner, leaf});
            const Family other = otherFamily(leaf.family());
            if (!mutual || partner.family() != other || !m_plan.isLeaf(leaf) || !m_plan.has(partner) ||
                !m_plan.isLeaf(partner))
                throw Damage(leaf.text() + " is paired with " + partner.text() + ", which is not an " +
                                 familyName(other) + " leaf of the plan paired with it",
                             line);
            if (leaf.family() == Family::Ipv4)
                m_plan.pair(leaf, partner);
            m_plan.forgetHistory();
        }
        return std::move(m_plan);
    }

    // The first node that only a plan of version 2 holds, where one does.
    std::optional<int> version2Line() const { return m_version2Line; }

private:
    Plan m_plan;
    std::optional<int> m_version2Line;
    std::vector<std::pair<AnyBlock, AnyBlock>> m_pairings;
    std::vector<Ancestor> m_path;
};

// What the document holds besides its nodes, and where.
struct Heading {
    int line = 1;
    bool isObject = false;
    std::string format;
    std::optional<Member> version;
    std::optional<int> nodesLine;
};

}  // namespace

Parsed<Plan> readPlanFile(std::string_view text)
{
    if (text.starts_with(kByteOrderMark))
        text.remove_prefix(kByteOrderMark.size());
    const auto refused = [](int line, std::string reason) { return Parsed<Plan>::refused({std::move(reason), line}); };
    // The plan is built as its nodes are read, and only it is kept. The text
    // is read to its end whatever a node holds: text that is not JSON is
    // told first, then a file that is no plan, then the node at fault.
    JsonReader reader(text);
    Heading heading;
    PlanBuilder builder;
    std::optional<Damage> damage;
    std::optional<Plan> plan;
    try {
        heading.line = reader.line();
        heading.isObject = reader.peek() == JsonReader::Kind::Object;
        if (heading.isObject) {
            reader.beginObject();
            while (const auto key = reader.nextKey()) {
                const JsonReader::Kind kind = reader.peek();
                if (*key == "format" && kind == JsonReader::Kind::String) {
                    heading.format = reader.readString();
                } else if (*key == "version" && kind == JsonReader::Kind::Number) {
                    heading.version = Member{kind, reader.line(), reader.readNumber()};
                } else if (*key == "nodes" && kind == JsonReader::Kind::Array) {
                    heading.nodesLine = reader.line();
                    try {
                        reader.beginArray();
                        while (reader.nextItem())
                            builder.add(Node(reader));
                        plan = builder.finish(*heading.nodesLine);
                    } catch (const Damage &fault) {
                        damage = fault;
                        reader.skipRest(1);  // back in the document, past the nodes
                    }
                }
            }
        }
        reader.finish();
    } catch (const Refusal &refusal) {
        return Parsed<Plan>::refused(refusal);
    }
    if (!heading.isObject || heading.format != kPlanFormat)
        return refused(heading.line, "is not a Netquill plan (it has no \"format\":\"netquill-plan\")");
    const std::optional<Member> &version = heading.version;
    if (!version || version->text.size() > 9 || version->text.find_first_not_of("0123456789") != std::string::npos)
        return refused(heading.line, "has no \"version\" number");
    if (std::stol(version->text) > kPlanVersion)
        return refused(version->line, "is a plan of version " + version->text +
                                          ", from a newer Netquill; this one reads version " +
                                          std::to_string(kPlanVersion));
    if (!heading.nodesLine)
        return refused(heading.line, "has no \"nodes\" list");
    if (damage)
        return Parsed<Plan>::refused(*damage);
    if (const auto line = builder.version2Line(); line && std::stol(version->text) < 2)
        return refused(*line, "has a status, VLAN or colour, or a split node that carries something, which a "
                              "plan of version 1 does not hold");
    return std::move(*plan);
}

}  // namespace netquill
