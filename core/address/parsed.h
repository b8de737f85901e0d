#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>

// The one shape of a refusal: whatever reads a text or a file, or is asked
// to change a plan, gives its value or says why not, one reason for one
// mistake, with the line where the mistake stands in a file.
namespace netquill {

struct Refusal {
    Refusal(std::string why, int lineNumber = 0) : reason(std::move(why)), line(lineNumber) {}
    Refusal(const char *why, int lineNumber = 0) : reason(why), line(lineNumber) {}

    std::string reason;
    int line = 0;  // 0 where nothing was read from a file

    // "line 3: reason", or the reason alone.
    std::string text() const { return line > 0 ? "line " + std::to_string(line) + ": " + reason : reason; }

    // A refusal reads as its text, and is equal to what reads the same.
    friend bool operator==(const Refusal &refusal, std::string_view text) { return refusal.text() == text; }
    friend std::ostream &operator<<(std::ostream &out, const Refusal &refusal) { return out << refusal.text(); }
};

// An operation's outcome: the refusal, or nothing where it was done.
using Refused = std::optional<Refusal>;

// A value read, or the refusal.
template <typename Value>
class Parsed
{
public:
    Parsed(Value value) : m_value(std::move(value)) {}
    static Parsed refused(Refusal refusal) { return Parsed(std::move(refusal)); }

    explicit operator bool() const { return m_value.has_value(); }
    const Value &operator*() const { return *m_value; }
    Value &operator*() { return *m_value; }
    const Value *operator->() const { return &*m_value; }
    const Refusal &refusal() const { return *m_refusal; }
    // Why it was refused, as its text: "octet 4 is above 255", "line 3: ...".
    std::string reason() const { return m_refusal->text(); }

private:
    explicit Parsed(Refusal refusal) : m_refusal(std::move(refusal)) {}

    std::optional<Value> m_value;
    std::optional<Refusal> m_refusal;
};

}  // namespace netquill
