#pragma once

#include "core/calculators/ipv6calculator.h"
#include "core/calculators/networknode.h"
#include "core/calculators/subnetcalculator.h"
#include "core/fields/addressconverter.h"
#include "core/lines/subnettable.h"

#include <string>
#include <vector>

// The lines of the three export files around the subnet table: header, the
// section of the shown tab, and the web page's footer.
namespace netquill {

enum class CalculatorTab { Netquill = 0, NetworkNodeCalculator = 1, SubnetCalculator = 2, Ipv6 = 3 };

// What the export reads of the main window's tabs, as the fields show it (UTF-8).
struct ExportFields {
    AddressFields converter;
    NetworkNodeTexts networkNode;
    SubnetTexts subnet;  // its subnetAddress is not exported
    Ipv6Texts ipv6;      // all empty while the tab's text is not an address
    std::string ipv6SubnetLength;
    std::string ipv6SubnetCount;
};

// Where and when: the export's moment in the desktop's general date format,
// and the program's folder, which holds the web page's banner image.
struct ExportSetting {
    std::string timestamp;
    std::string programFolder;
};

// Lines in the file's own bytes, without their CR LF: everything before the
// subnet table (for the first two tabs, everything but the web page's footer).
std::vector<std::string> linesBeforeTable(ExportMode mode, CalculatorTab tab, const ExportFields &fields,
                                          const ExportSetting &setting);

// Everything after the subnet table: the table's end and the footer of a web page.
std::vector<std::string> linesAfterTable(ExportMode mode, CalculatorTab tab, const ExportSetting &setting);

}  // namespace netquill
