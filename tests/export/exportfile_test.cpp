#include "export/exportfile.h"

#include "export/exporttimestamp.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <QLocale>

#include <fstream>
#include <sstream>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using netquill::CalculatorTab;
using netquill::ExportFailure;
using netquill::ExportMode;
using netquill::ExportRequest;

std::string bytesOf(const fs::path &path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// Each test writes into a folder of its own, under one removed when the run ends.
const fs::path kScratch = fs::path(testing::TempDir()) / ("netquill-export-" + std::to_string(::getpid()));

class RemoveScratch : public testing::Environment
{
    void TearDown() override { fs::remove_all(kScratch); }
};
const testing::Environment *const kRemoveScratch = testing::AddGlobalTestEnvironment(new RemoveScratch);

fs::path scratchFolder()
{
    const fs::path folder = kScratch / testing::UnitTest::GetInstance()->current_test_info()->name();
    fs::create_directories(folder);
    return folder;
}

// The window as the golden files were taken: the "Netquill" tab empty, the
// "Network/Node Calculator" tab after calculating 192.168.1.10 with /24, and the
// "Subnet Calculator" tab planning 192.168.1.0/24 in subnets of /26, and the
// "IPv6" tab holding 2001:db8::1/62, split into /64s.
ExportRequest goldenRequest(ExportMode mode, CalculatorTab tab)
{
    ExportRequest request;
    request.mode = mode;
    request.tab = tab;
    request.fields.networkNode = {
        {"192", "168", "1", "10"}, "255.255.255.0", "24", "0.0.0.10", "192.168.1.0", "192.168.1.255", "254"};
    request.fields.subnet = {
        {}, "24", "255.255.255.0", "", "255.255.255.192", "nnnnnnnn.nnnnnnnn.nnnnnnnn.sshhhhhh", "26", "6", "4", "62"};
    request.fields.subnet.blockOctets = {"192", "168", "1", "0"};
    using namespace netquill;
    request.plan = SubnetPlan(Ipv4Block::containing(Ipv4Address(0xC0A80100), 24), Prefix(26));
    request.fields.ipv6 = CalculateIpv6(*parseZonedIpv6Address("2001:db8::1"), 62);
    request.fields.ipv6SubnetLength = "64";
    request.fields.ipv6SubnetCount = "4";
    request.ipv6Split = Split<Ipv6Address>(*parseBlock<Ipv6Address>("2001:db8::/62"), 64);
    request.setting = {"12/5/2026 4:15:22 PM", "/opt/Trevantis Netquill"};
    return request;
}

// ---- Golden files: three formats × three tabs ----

using GoldenExport = testing::TestWithParam<std::tuple<ExportMode, CalculatorTab>>;

std::string goldenFile(const std::tuple<ExportMode, CalculatorTab> &kind)
{
    const char *tabs[] = {"netquill", "networknode", "subnet", "ipv6"};
    const char *extensions[] = {"csv", "txt", "htm"};
    return std::string(tabs[static_cast<int>(std::get<1>(kind))]) + "." +
           extensions[static_cast<int>(std::get<0>(kind))];
}

TEST_P(GoldenExport, WritesTheFileByteForByte)
{
    const fs::path written = scratchFolder() / goldenFile(GetParam());
    std::ofstream(written) << std::string(100000, 'x');  // an existing file is replaced, not appended to
    ASSERT_EQ(netquill::writeExportFile(written, goldenRequest(std::get<0>(GetParam()), std::get<1>(GetParam()))),
              std::nullopt);
    EXPECT_EQ(bytesOf(written), bytesOf(fs::path(NETQUILL_GOLDEN_DIR) / goldenFile(GetParam())));
}

INSTANTIATE_TEST_SUITE_P(Files, GoldenExport,
                         testing::Combine(testing::Values(ExportMode::CSV, ExportMode::TXT, ExportMode::HTML),
                                          testing::Values(CalculatorTab::Netquill, CalculatorTab::NetworkNodeCalculator,
                                                          CalculatorTab::SubnetCalculator, CalculatorTab::Ipv6)),
                         [](const auto &info) {
                             std::string name = goldenFile(info.param);
                             name[name.find('.')] = '_';
                             return name;
                         });

// Field texts are escaped in a web page; a character beyond Latin-1 becomes
// "?" in a text file and a character reference in a web page.
TEST(ExportFile, FieldTextsAreEscapedAndKeptInLatin1)
{
    ExportRequest request = goldenRequest(ExportMode::HTML, CalculatorTab::Netquill);
    request.fields.converter.decimal = "<b>&\"x\"</b>";
    request.fields.converter.hexadecimal = "12\xE2\x82\xAC"
                                           "3";   // a euro sign
    request.fields.converter.octal = "\xC3\xA9";  // é, which Latin-1 holds
    request.setting.programFolder = "/opt/R&D <tools>";
    const fs::path page = scratchFolder() / "escaped.htm";
    ASSERT_EQ(netquill::writeExportFile(page, request), std::nullopt);
    const std::string bytes = bytesOf(page);
    EXPECT_NE(bytes.find("<td>&lt;b&gt;&amp;&quot;x&quot;&lt;/b&gt;</td></tr>"), std::string::npos);
    EXPECT_NE(bytes.find("<img src=\"/opt/R&amp;D &lt;tools&gt;/TrevantisBanner.jpg\" border=0>"), std::string::npos);
    EXPECT_NE(bytes.find("<td>12&#8364;3</td>"), std::string::npos);
    EXPECT_EQ(bytes.find("<b>"), std::string::npos);

    request.mode = ExportMode::TXT;
    ASSERT_EQ(netquill::writeExportFile(scratchFolder() / "a.txt", request), std::nullopt);
    EXPECT_NE(bytesOf(scratchFolder() / "a.txt").find("Hexadecimal:\t12?3\r\nOctal:\t\t\xE9\r\n"), std::string::npos);
}

// A comma-delimited field with a comma, a quote or a line break stays one
// cell (RFC 4180, section 2.6): a zone is the user's text.
TEST(ExportFile, AFieldWithACommaOrQuoteIsQuoted)
{
    ExportRequest request = goldenRequest(ExportMode::CSV, CalculatorTab::Ipv6);
    request.fields.ipv6.zone = "a,b\"c";
    ASSERT_EQ(netquill::writeExportFile(scratchFolder() / "zone.csv", request), std::nullopt);
    EXPECT_NE(bytesOf(scratchFolder() / "zone.csv").find("\r\nIPv6 Address:,\"2001:db8::1%a,b\"\"c\"\r\n"),
              std::string::npos);
}

// ---- Failures ----

struct FailureCase {
    const char *name;
    const char *path;  // %s is the scratch folder
    ExportFailure::Code code;
    const char *says;
};

using ExportFailures = testing::TestWithParam<FailureCase>;

TEST_P(ExportFailures, NameTheFileAndWhy)
{
    std::string path = GetParam().path;
    if (const auto at = path.find("%s"); at != std::string::npos)
        path.replace(at, 2, scratchFolder().string());
    const auto failure =
        netquill::writeExportFile(path, goldenRequest(ExportMode::HTML, CalculatorTab::SubnetCalculator));
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->code, GetParam().code);
    EXPECT_NE(failure->description.find(GetParam().says), std::string::npos) << failure->description;
}

// The superuser writes into any folder it owns, but not into /sys.
INSTANTIATE_TEST_SUITE_P(Paths, ExportFailures,
                         testing::Values(FailureCase{"MissingFolder", "%s/no such folder/x.csv",
                                                     ExportFailure::PathNotFound, "no such folder/x.csv"},
                                         FailureCase{"Folder", "%s", ExportFailure::PathIsFolder, "is a folder"},
                                         FailureCase{"ReadOnlyFolder", "/sys/netquill-export.csv",
                                                     ExportFailure::PermissionDenied, "Permission denied"},
                                         FailureCase{"FullDisk", "/dev/full", ExportFailure::DiskFull, "disk is full"}),
                         [](const auto &info) { return std::string(info.param.name); });

// ::/0 in /128s (2^128 rows, each at least a dozen bytes) fills any disk:
// refused before a byte is written, with both sizes and the way round it;
// a list that fits in 2^8 rows is written.
TEST(ExportFile, ATableLargerThanTheDiskIsRefusedBeforeItStarts)
{
    ExportRequest request = goldenRequest(ExportMode::CSV, CalculatorTab::Ipv6);
    request.ipv6Split =
        netquill::Split<netquill::Ipv6Address>(*netquill::parseBlock<netquill::Ipv6Address>("::/0"), 128);
    const fs::path path = scratchFolder() / "all.csv";
    const auto failure = netquill::writeExportFile(path, request);
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->code, ExportFailure::DiskFull);
    EXPECT_TRUE(failure->description.starts_with("The export would take about ")) << failure->description;
    EXPECT_NE(failure->description.find("e+39 bytes, more than the "), std::string::npos) << failure->description;
    EXPECT_NE(failure->description.find("netquill-cli list --from ROW --count ROWS"), std::string::npos);
    EXPECT_FALSE(fs::exists(path));
    EXPECT_TRUE(fs::is_empty(scratchFolder()));
    request.ipv6Split = netquill::Split<netquill::Ipv6Address>(*netquill::parseBlock<netquill::Ipv6Address>("::/0"), 8);
    EXPECT_EQ(netquill::writeExportFile(path, request), std::nullopt);
}

// ---- The timestamp ----

struct TimestampCase {
    const char *name;
    QLocale locale;
    const char *expected;
};

using ExportTimestamp = testing::TestWithParam<TimestampCase>;

// 5 December 2026, 16:15:22. Latin-script locales keep their general date
// format with a four-digit year; the others, which would come out as question
// marks in a Latin-1 file, get ISO 8601.
TEST_P(ExportTimestamp, GeneralDateFormatOrIso8601)
{
    const QDateTime moment(QDate(2026, 12, 5), QTime(16, 15, 22));
    EXPECT_EQ(exportTimestamp(moment, GetParam().locale).toStdString(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Locales, ExportTimestamp,
    testing::Values(TimestampCase{"en_US", QLocale(QLocale::English, QLocale::UnitedStates), "12/5/2026 4:15:22 PM"},
                    TimestampCase{"de_DE", QLocale(QLocale::German, QLocale::Germany), "05.12.2026 16:15:22"},
                    TimestampCase{"C", QLocale::c(), "5 Dec 2026 16:15:22"},
                    TimestampCase{"ko_KR", QLocale(QLocale::Korean, QLocale::SouthKorea), "2026-12-05 16:15:22"},
                    TimestampCase{"ar_EG", QLocale(QLocale::Arabic, QLocale::Egypt), "2026-12-05 16:15:22"}),
    [](const testing::TestParamInfo<TimestampCase> &info) { return std::string(info.param.name); });

}  // namespace
