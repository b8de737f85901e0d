#pragma once

#include "core/lines/exportlines.h"
#include "core/planning/subnetplan.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

// Writes one export file: the header, the shown tab's section, for the
// "Subnet Calculator" and "IPv6" tabs their whole subnet table, and a web page's footer;
// every line ended by CR LF, no byte-order mark.
namespace netquill {

struct ExportRequest {
    ExportMode mode = ExportMode::CSV;
    CalculatorTab tab = CalculatorTab::Netquill;
    ExportFields fields;
    std::optional<SubnetPlan> plan;               // the subnet table's; none before a CIDR mask is chosen
    std::optional<Split<Ipv6Address>> ipv6Split;  // the "IPv6" tab's; none while its text is not an address
    ExportSetting setting;
};

// Why an export stopped, as "Err # code - description" shows it. The codes are
// stable, one per kind of failure, numbered as users of the old tool know them.
struct ExportFailure {
    enum Code {
        Cancelled = 18,  // the user stopped it: nothing to show
        WriteFailed = 57,
        DiskFull = 61,
        PermissionDenied = 70,
        PathIsFolder = 75,
        PathNotFound = 76,
    };
    int code;
    std::string description;

    bool operator==(const ExportFailure &) const = default;
};

// Told how much of the subnet table is written, in thousandths; returns
// false to cancel the export.
using ExportProgress = std::function<bool(int thousandths)>;

// Writes the whole file or nothing: the lines go to a temporary file beside
// it, which replaces the file only once every line is written. After a
// failure or a cancel, a file of that name stays as it was. (A device, such
// as /dev/null, is written directly.)
std::optional<ExportFailure> writeExportFile(const std::filesystem::path &path, const ExportRequest &request,
                                             const ExportProgress &progress = {});

}  // namespace netquill
