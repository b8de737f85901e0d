#include "core/lines/rowformat.h"

#include "core/lines/htmltext.h"
#include "core/lines/jsontext.h"

namespace netquill {

std::string htmlTableStart(const std::vector<std::string_view> &headings, std::string_view lineEnd)
{
    const std::string eol(lineEnd);
    std::string start = "<!DOCTYPE html>" + eol + "<html><head><meta charset=\"utf-8\"><title>Subnets</title>" +
                        "</head><body>" + eol + "<table border=\"1\">" + eol + "<tr>";
    for (const std::string_view heading : headings)
        start.append("<th>").append(heading).append("</th>");
    return start + "</tr>" + eol;
}

std::string htmlTableEnd(std::string_view lineEnd)
{
    const std::string eol(lineEnd);
    return "</table>" + eol + "</body></html>" + eol;
}

void appendNameCell(std::string &out, std::string_view name, RowFormat format)
{
    switch (format) {
    case RowFormat::TSV:
    case RowFormat::TXT:
        out.append(name).append("\t");
        break;
    case RowFormat::CSV:
        // RFC 4180: a field with a comma, a quote or a line break is quoted, its quotes doubled.
        if (name.find_first_of(",\"\r\n") == std::string_view::npos) {
            out.append(name);
        } else {
            out += '"';
            for (const char c : name)
                out.append(c == '"' ? 2 : 1, c);
            out += '"';
        }
        out += ',';
        break;
    case RowFormat::HTML:
        out.append("<td>").append(escapeHtml(name)).append("</td>");
        break;
    case RowFormat::JSONL:
        out += "\"name\":";
        appendJsonString(out, name);
        out += ',';
        break;
    }
}

}  // namespace netquill
