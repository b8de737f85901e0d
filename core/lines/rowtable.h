#pragma once

#include "core/lines/rowformat.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// A table of rows as data, written by one writer per format. A family's table
// is a list of columns (heading, how the text file spaces it, whether a web
// page centres it, what writes its cell) and a list of JSON fields (key,
// string or number, what writes it); `Texts` is what the cells are made from
// besides the row, made once per table.
namespace netquill {

// Writes a cell's text at `to`, in room for at least 40 bytes past it, and returns its end.
template <typename Row, typename Texts>
using CellWriter = char *(*)(char *to, const Row &row, const Texts &texts);

template <typename Row, typename Texts>
struct Column {
    std::string_view heading;
    CellWriter<Row, Texts> write;
    bool constant = false;    // the same text in every row of a table: written once, when the table starts
    bool centred = false;     // in a web page
    bool lineBefore = false;  // a web page's row starts a new line with this cell
    // The text file: tabs after the cell and after its heading, or the width
    // that blanks pad both to (two blanks at least after a wider cell).
    std::string_view textGap = {};
    std::string_view textHeadingGap = {};
    std::size_t textWidth = 0;
};

template <typename Row, typename Texts>
struct JsonField {
    std::string_view key;
    CellWriter<Row, Texts> write;
    bool constant = false;
    bool quoted = true;  // a string; false for a number
};

template <typename Row, typename Texts>
struct RowTable {
    std::span<const Column<Row, Texts>> columns;
    std::span<const JsonField<Row, Texts>> fields;
    std::string_view htmlRowEnd;  // what closes a web page's row before its line end
};

// Copies text in 16-byte pieces of fixed size, which the compiler writes as
// single stores: the row's room takes the overrun, which the next write
// covers. (The fortified memcpy checks each call's size at run time, and a
// row calls it a dozen times; these sizes are bounded by construction.)
inline char *putPieces(char *to, const char *from, std::size_t length)
{
    for (std::size_t k = 0; k < length; k += 16)
        std::memcpy(to + k, from + k, 16);
    return to + length;
}

inline char *putText(char *to, std::string_view text) { return std::copy(text.begin(), text.end(), to); }

template <typename Row, typename Texts>
class RowWriter
{
public:
    // Room a row is written in, the pieces' overrun included.
    static constexpr std::size_t kLongestRow = 512;

    RowWriter(const RowTable<Row, Texts> &table, Texts texts, RowFormat format, LineEnd lineEnd)
        : m_table(table), m_texts(std::move(texts)), m_format(format), m_lineEnd(lineEndText(lineEnd))
    {
        compile();
    }

    const Texts &texts() const { return m_texts; }

    // The heading line of TSV, CSV and TXT, unended; a named table has a "Name" column first.
    std::string headingLine(bool named = false) const
    {
        std::string line = named ? (m_format == RowFormat::CSV ? "Name," : "Name\t") : "";
        for (std::size_t k = 0; k < m_table.columns.size(); ++k) {
            const Column<Row, Texts> &column = m_table.columns[k];
            if (m_format != RowFormat::TXT) {
                line.append(k == 0 ? "" : m_format == RowFormat::CSV ? "," : "\t").append(column.heading);
            } else {
                line.append(column.heading);
                if (column.textWidth > 0)
                    line.append(padding(column.heading.size(), column.textWidth), ' ');
                else
                    line.append(column.textHeadingGap);
            }
        }
        return line;
    }
    // What stands before the rows: the heading line of TSV, CSV and TXT; for
    // HTML a page with a table and its heading row; nothing for JSONL.
    std::string tableStart(bool named = false) const
    {
        if (m_format == RowFormat::JSONL)
            return {};
        if (m_format != RowFormat::HTML)
            return headingLine(named) + std::string(m_lineEnd);
        std::vector<std::string_view> headings;
        if (named)
            headings.push_back("Name");
        for (const Column<Row, Texts> &column : m_table.columns)
            headings.push_back(column.heading);
        return htmlTableStart(headings, m_lineEnd);
    }
    // What closes the table: the end of an HTML page, else nothing.
    std::string tableEnd() const { return m_format == RowFormat::HTML ? htmlTableEnd(m_lineEnd) : std::string(); }

    // A row written at `to`, which has room for kLongestRow bytes; returns
    // its end. For writers of millions of rows into a block of their own.
    char *writeRow(char *to, const Row &row) const
    {
        to = putText(to, m_rowOpen);
        return writeCells(to, row);
    }
    // One row's line or lines, each ended as the format ends them.
    void append(std::string &out, const Row &row) const
    {
        char line[kLongestRow];
        out.append(line, writeRow(line, row));
    }
    // The same row of a named table; the name must suit the format (nameProblem).
    void appendNamed(std::string &out, std::string_view name, const Row &row) const
    {
        out.append(m_rowOpen);
        appendNameCell(out, name, m_format);
        char line[kLongestRow];
        out.append(line, writeCells(line, row));
    }
    // One column's cell alone, as a grid shows it.
    std::string cellText(const Row &row, std::size_t column) const
    {
        char cell[kLongestRow];
        return {cell, m_table.columns[column].write(cell, row, m_texts)};
    }

private:
    // A row is its opening, then steps: each a piece of fixed text, then a
    // cell (none after the last piece), padded in a text file to its width.
    struct Step {
        std::size_t pieceAt;
        std::size_t pieceSize;
        CellWriter<Row, Texts> write;
        std::size_t padTo;
    };

    char *writeCells(char *to, const Row &row) const
    {
        for (const Step &step : m_steps) {
            to = putPieces(to, m_pieces.data() + step.pieceAt, step.pieceSize);
            if (step.write == nullptr)
                break;
            char *const cell = to;
            to = step.write(to, row, m_texts);
            if (step.padTo > 0)
                to = pad(cell, to, step.padTo);
        }
        return to;
    }

    // Blanks after a text file's cell up to its column's width, two at least after a wider one.
    static std::size_t padding(std::size_t written, std::size_t width) { return written < width ? width - written : 2; }
    static char *pad(char *cell, char *to, std::size_t width)
    {
        return std::fill_n(to, padding(static_cast<std::size_t>(to - cell), width), ' ');
    }

    // Turns the table into the steps of the format: the fixed text between
    // cells, and the cells that are the same in every row, become pieces.
    void compile()
    {
        std::string piece;
        const auto cell = [&](CellWriter<Row, Texts> write, bool constant, std::size_t padTo) {
            if (!constant) {
                m_steps.push_back({m_pieces.size(), piece.size(), write, padTo});
                m_pieces += piece;
                piece.clear();
                return;
            }
            char text[kLongestRow];
            char *end = write(text, Row{}, m_texts);
            piece.append(text, padTo > 0 ? pad(text, end, padTo) : end);
        };
        const std::string eol(m_lineEnd);
        switch (m_format) {
        case RowFormat::TSV:
        case RowFormat::CSV:
            for (std::size_t k = 0; k < m_table.columns.size(); ++k) {
                piece += k == 0 ? "" : m_format == RowFormat::CSV ? "," : "\t";
                cell(m_table.columns[k].write, m_table.columns[k].constant, 0);
            }
            piece += eol;
            break;
        case RowFormat::TXT:
            for (const Column<Row, Texts> &column : m_table.columns) {
                cell(column.write, column.constant, column.textWidth);
                piece += column.textGap;
            }
            piece += eol;
            break;
        case RowFormat::HTML:
            m_rowOpen = "<tr>";
            for (const Column<Row, Texts> &column : m_table.columns) {
                piece += std::string(column.lineBefore ? m_lineEnd : "") + (column.centred ? "<td align=\"center\">" : "<td>");
                cell(column.write, column.constant, 0);
                piece += "</td>";
            }
            piece += std::string(m_table.htmlRowEnd) + eol;
            break;
        case RowFormat::JSONL:
            m_rowOpen = "{";
            for (std::size_t k = 0; k < m_table.fields.size(); ++k) {
                const JsonField<Row, Texts> &field = m_table.fields[k];
                piece += std::string(k == 0 ? "\"" : ",\"") + std::string(field.key) + (field.quoted ? "\":\"" : "\":");
                cell(field.write, field.constant, 0);
                piece += field.quoted ? "\"" : "";
            }
            piece += "}" + eol;
            break;
        }
        m_steps.push_back({m_pieces.size(), piece.size(), nullptr, 0});
        m_pieces += piece;
        // Every piece is read in whole 16-byte blocks.
        m_pieces.append(16, '\0');
    }

    RowTable<Row, Texts> m_table;
    Texts m_texts;
    RowFormat m_format;
    std::string_view m_lineEnd;
    std::string m_rowOpen;
    std::vector<Step> m_steps;
    std::string m_pieces;
};

}  // namespace netquill
