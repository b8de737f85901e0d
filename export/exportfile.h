#pragma once

#include "core/lines/exportlines.h"
#include "core/planning/subnetplan.h"

#include <filesystem>
#include <optional>
#include <string>

// Writes one export file: the header, the shown tab's section, for the
// "Subnet Calculator" tab its whole subnet table, and a web page's footer;
// every line ended by CR LF, no byte-order mark.
namespace netquill {

struct ExportRequest {
    ExportMode mode = ExportMode::CSV;
    CalculatorTab tab = CalculatorTab::Netquill;
    ExportFields fields;
    std::optional<SubnetPlan> plan;  // the subnet table's; none before a CIDR mask is chosen
    ExportSetting setting;
};

// Why an export stopped, as "Err # code - description" shows it. The codes are
// stable, one per kind of failure, numbered as users of the old tool know them.
struct ExportFailure {
    enum Code {
        TooManySubnets = 6,
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

// Creates the file, or empties an existing one, and writes it line by line.
// On a failure it stops: the lines already written stay in the file.
std::optional<ExportFailure> writeExportFile(const std::filesystem::path &path, const ExportRequest &request);

}  // namespace netquill
