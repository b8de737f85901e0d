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

void appendDelimitedField(std::string &out, std::string_view field, char separator)
{
    const char special[] = {separator, '"', '\r', '\n'};
    if (field.find_first_of(std::string_view(special, sizeof special)) == std::string_view::npos) {
        out.append(field);
        return;
    }
    out += '"';
    for (const char c : field)
        out.append(c == '"' ? 2 : 1, c);
    out += '"';
}

void appendNameCell(std::string &out, std::string_view name, RowFormat format)
{
    switch (format) {
    case RowFormat::TSV:
    case RowFormat::TXT:
        out.append(name).append("\t");
        break;
    case RowFormat::CSV:
        appendDelimitedField(out, name, ',');
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
