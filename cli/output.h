#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace netquill::cli {

// Where the command's text goes: collected in large blocks and written in
// one go, never flushed per row. A reader that went away (`| head`) stops the
// output quietly; any other failure is kept for the error report.
class Output
{
public:
    virtual ~Output() = default;

    void append(std::string_view text)
    {
        // A whole block of rows goes out as it is, not copied into the buffer first.
        if (text.size() >= kDirect) {
            flush();
            send(text);
            return;
        }
        m_buffer += text;
        flushWhenFull();
    }
    // For writers that append to the buffer themselves, then call flushWhenFull.
    std::string &buffer() { return m_buffer; }
    void flushWhenFull()
    {
        if (m_buffer.size() >= kBlock)
            flush();
    }
    void flush();

    // False once the reader has gone or a write failed: stop producing.
    bool open() const { return !m_readerGone && m_error == 0; }
    int error() const { return m_error; }
    // The file descriptor the text goes to; none (-1) for text kept in memory.
    virtual int descriptor() const { return -1; }

    // Writers that build rows in blocks of their own hand on blocks at least this large.
    static constexpr std::size_t kDirect = 1 << 16;

protected:
    static constexpr std::size_t kBlock = 1 << 20;

    // Writes the whole block; false with errno set when it could not.
    virtual bool writeBlock(std::string_view block) = 0;

private:
    void send(std::string_view block);

    std::string m_buffer;
    bool m_readerGone = false;
    int m_error = 0;
};

// Rows built where they go out: in a block of their own with room for a row
// at room(), handed to the output a whole block at a time, not copied.
class RowBlock
{
public:
    RowBlock(Output &out, std::size_t longestRow)
        : m_out(out), m_block(Output::kDirect + 2 * longestRow), m_full(m_block.data() + m_block.size() - longestRow),
          m_at(m_block.data())
    {}
    // A copy's pointers would point into the original's block.
    RowBlock(const RowBlock &) = delete;
    RowBlock &operator=(const RowBlock &) = delete;

    char *room() { return m_at; }
    // The row written up to `end`; a full block goes out.
    void took(char *end)
    {
        m_at = end;
        if (m_at >= m_full)
            send();
    }
    // What the block holds goes out.
    void send()
    {
        m_out.append(std::string_view(m_block.data(), static_cast<std::size_t>(m_at - m_block.data())));
        m_at = m_block.data();
    }

private:
    Output &m_out;
    std::vector<char> m_block;
    char *m_full;
    char *m_at;
};

// A file descriptor, standard output in the program.
class FileOutput : public Output
{
public:
    explicit FileOutput(int descriptor) : m_descriptor(descriptor) {}
    int descriptor() const override { return m_descriptor; }

protected:
    bool writeBlock(std::string_view block) override;

private:
    int m_descriptor;
};

// Text kept in memory, for tests.
class TextOutput : public Output
{
public:
    const std::string &text()
    {
        flush();
        return m_text;
    }

protected:
    bool writeBlock(std::string_view block) override
    {
        m_text += block;
        return true;
    }

private:
    std::string m_text;
};

}  // namespace netquill::cli
