#pragma once

#include "core/lines/rowformat.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// A table of rows as data, written by one writer per format. A family's table
// is a list of columns (heading, how the text file spaces it, whether a web
// page centres it, what writes its cell) and a list of JSON fields (key,
// string or number, what writes it). `Texts` is what the cells are made from
// besides the row, made once per table; where it has prepare(row), what
// several cells of a row share is made there once for the row.
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

template <typename RowType, typename TextsType, std::size_t ColumnCount, std::size_t FieldCount>
struct RowTable {
    using Row = RowType;
    using Texts = TextsType;
    std::array<Column<Row, Texts>, ColumnCount> columns;
    std::array<JsonField<Row, Texts>, FieldCount> fields;
    std::string_view htmlRowEnd;  // what closes a web page's row before its line end
};

// Copies text in 16-byte pieces of fixed size, which the compiler writes as
// single stores: the row's room takes the overrun, which the next write
// covers. (The fortified memcpy checks each call's size at run time, and a
// row calls it a dozen times; these sizes are bounded by construction.)
// The first piece is copied whatever the length, as most texts are short.
inline char *putPieces(char *to, const char *from, std::size_t length)
{
    std::memcpy(to, from, 16);
    for (std::size_t k = 16; k < length; k += 16)
        std::memcpy(to + k, from + k, 16);
    return to + length;
}

inline char *putText(char *to, std::string_view text) { return std::copy(text.begin(), text.end(), to); }

// The writer of a table known when the program is built: the fixed text
// between cells, and the cells that are the same in every row, are made into
// pieces once, when the table starts; each format's row is then its pieces and
// its other cells in turn, each cell's writer called directly, as if the row
// had been written out by hand (a call through a pointer a cell cost a fifth
// more time a row).
template <const auto &Table>
class RowWriter
{
public:
    using Row = typename std::remove_cvref_t<decltype(Table)>::Row;
    using Texts = typename std::remove_cvref_t<decltype(Table)>::Texts;
    // Room a row is written in, the pieces' overrun included.
    static constexpr std::size_t kLongestRow = 512;

    RowWriter(Texts texts, RowFormat format, LineEnd lineEnd)
        : m_texts(std::move(texts)), m_format(format), m_lineEnd(lineEndText(lineEnd))
    {
        compile();
    }

    const Texts &texts() const { return m_texts; }

    // The heading line of TSV, CSV and TXT, unended; a named table has a "Name" column first.
    std::string headingLine(bool named = false) const
    {
        std::string line = named ? (m_format == RowFormat::CSV ? "Name," : "Name\t") : "";
        for (std::size_t k = 0; k < Table.columns.size(); ++k) {
            const auto &column = Table.columns[k];
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
        for (const auto &column : Table.columns)
            headings.push_back(column.heading);
        return htmlTableStart(headings, m_lineEnd);
    }
    // What closes the table: the end of an HTML page, else nothing.
    std::string tableEnd() const { return m_format == RowFormat::HTML ? htmlTableEnd(m_lineEnd) : std::string(); }

    // A row written at `to`, which has room for kLongestRow bytes; returns
    // its end. For writers of millions of rows into a block of their own.
    char *writeRow(char *to, const Row &row) const { return writeCells(to, row, m_row); }
    // One row's line or lines, each ended as the format ends them.
    void append(std::string &out, const Row &row) const
    {
        char line[kLongestRow];
        out.append(line, writeRow(line, row));
    }
    // The same row of a named table; the name holds no control character (nameProblem).
    void appendNamed(std::string &out, std::string_view name, const Row &row) const
    {
        out.append(m_rowOpen);
        appendNameCell(out, name, m_format);
        char line[kLongestRow];
        out.append(line, writeCells(line, row, m_namedRow));
    }
    // One column's cell alone, as a grid shows it.
    std::string cellText(const Row &row, std::size_t column) const
    {
        char cell[kLongestRow];
        prepare(row);
        return {cell, Table.columns[column].write(cell, row, m_texts)};
    }

private:
    static constexpr std::size_t kCells = std::max(Table.columns.size(), Table.fields.size());

    // A piece of fixed text in m_pieces.
    struct Piece {
        std::size_t at = 0;
        std::size_t size = 0;
    };
    // The pieces of a row: the fixed text before each cell that is not the
    // same in every row, with the cells before it that are; and its end.
    struct Pieces {
        std::array<Piece, kCells> before{};
        Piece end;
    };

    void prepare(const Row &row) const
    {
        if constexpr (requires { m_texts.prepare(row); })
            m_texts.prepare(row);
    }

    char *writeCells(char *to, const Row &row, const Pieces &pieces) const
    {
        prepare(row);
        switch (m_format) {
        case RowFormat::TSV:
        case RowFormat::CSV:
        case RowFormat::HTML:
            return writeColumns<false>(to, row, pieces, std::make_index_sequence<Table.columns.size()>());
        case RowFormat::TXT:
            return writeColumns<true>(to, row, pieces, std::make_index_sequence<Table.columns.size()>());
        case RowFormat::JSONL:
            return writeFields(to, row, pieces, std::make_index_sequence<Table.fields.size()>());
        }
        return to;
    }

    template <bool Padded, std::size_t... K>
    char *writeColumns(char *to, const Row &row, const Pieces &pieces, std::index_sequence<K...>) const
    {
        ((to = writeColumn<Padded, K>(to, row, pieces)), ...);
        return put(to, pieces.end);
    }
    template <bool Padded, std::size_t K>
    char *writeColumn(char *to, const Row &row, const Pieces &pieces) const
    {
        constexpr auto &column = Table.columns[K];
        if constexpr (column.constant) {
            return to;  // in the piece before the next cell
        } else {
            char *const cell = put(to, pieces.before[K]);
            to = column.write(cell, row, m_texts);
            if constexpr (Padded && column.textWidth > 0)
                to = pad(cell, to, column.textWidth);
            return to;
        }
    }
    template <std::size_t... K>
    char *writeFields(char *to, const Row &row, const Pieces &pieces, std::index_sequence<K...>) const
    {
        ((to = writeField<K>(to, row, pieces)), ...);
        return put(to, pieces.end);
    }
    template <std::size_t K>
    char *writeField(char *to, const Row &row, const Pieces &pieces) const
    {
        constexpr auto &field = Table.fields[K];
        if constexpr (field.constant)
            return to;
        else
            return field.write(put(to, pieces.before[K]), row, m_texts);
    }

    char *put(char *to, Piece piece) const { return putPieces(to, m_pieces.data() + piece.at, piece.size); }

    // Blanks after a text file's cell up to its column's width, two at least after a wider one.
    static std::size_t padding(std::size_t written, std::size_t width) { return written < width ? width - written : 2; }
    static char *pad(char *cell, char *to, std::size_t width)
    {
        return std::fill_n(to, padding(static_cast<std::size_t>(to - cell), width), ' ');
    }

    void compile()
    {
        m_rowOpen = m_format == RowFormat::HTML ? "<tr>" : m_format == RowFormat::JSONL ? "{" : "";
        std::string pieces;
        m_row = compile(m_rowOpen, pieces);
        m_namedRow = compile("", pieces);
        // Every piece is read in whole 16-byte blocks.
        m_pieces = pieces + std::string(16, '\0');
    }

    // Makes the format's pieces into `pieces`, the first starting with `opening`.
    Pieces compile(std::string piece, std::string &pieces) const
    {
        Pieces made;
        const auto cell = [&](std::size_t k, CellWriter<Row, Texts> write, bool constant, std::size_t padTo) {
            if (!constant) {
                made.before[k] = {pieces.size(), piece.size()};
                pieces += piece;
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
            for (std::size_t k = 0; k < Table.columns.size(); ++k) {
                piece += k == 0 ? "" : m_format == RowFormat::CSV ? "," : "\t";
                cell(k, Table.columns[k].write, Table.columns[k].constant, 0);
            }
            piece += eol;
            break;
        case RowFormat::TXT:
            for (std::size_t k = 0; k < Table.columns.size(); ++k) {
                cell(k, Table.columns[k].write, Table.columns[k].constant, Table.columns[k].textWidth);
                piece += Table.columns[k].textGap;
            }
            piece += eol;
            break;
        case RowFormat::HTML:
            for (std::size_t k = 0; k < Table.columns.size(); ++k) {
                const auto &column = Table.columns[k];
                piece += std::string(column.lineBefore ? m_lineEnd : "") +
                         (column.centred ? "<td align=\"center\">" : "<td>");
                cell(k, column.write, column.constant, 0);
                piece += "</td>";
            }
            piece += std::string(Table.htmlRowEnd) + eol;
            break;
        case RowFormat::JSONL:
            for (std::size_t k = 0; k < Table.fields.size(); ++k) {
                const auto &field = Table.fields[k];
                piece += std::string(k == 0 ? "\"" : ",\"") + std::string(field.key) + (field.quoted ? "\":\"" : "\":");
                cell(k, field.write, field.constant, 0);
                piece += field.quoted ? "\"" : "";
            }
            piece += "}" + eol;
            break;
        }
        made.end = {pieces.size(), piece.size()};
        pieces += piece;
        return made;
    }

    Texts m_texts;
    RowFormat m_format;
    std::string_view m_lineEnd;
    std::string m_rowOpen;  // what opens a row, before a named row's name
    Pieces m_row;           // an unnamed row's pieces, the opening in its first
    Pieces m_namedRow;      // a named row's, after its name
    std::string m_pieces;
};

}  // namespace netquill
