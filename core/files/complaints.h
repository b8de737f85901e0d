#pragma once

#include <cstddef>
#include <string>

// The mistakes found in an input, reported once it has all been read: the
// first kMostReported each on a line of its own, then how many more.
namespace netquill {

class Complaints
{
public:
    static constexpr std::size_t kMostReported = 20;

    // Each line starts with `prefix` ("netquill-cli: ").
    explicit Complaints(std::string prefix = {}) : m_prefix(std::move(prefix)) {}

    void add(const std::string &message);
    // Mistakes counted but not told, found after the ones already told by
    // the part of the input that found them.
    void addUntold(std::size_t count) { m_count += count; }
    bool any() const { return m_count > 0; }
    std::size_t count() const { return m_count; }
    // The lines to print, each ended by a line feed.
    std::string report() const;

private:
    std::string m_prefix;
    std::string m_lines;
    std::size_t m_count = 0;
};

}  // namespace netquill
