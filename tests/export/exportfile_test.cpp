#include "exportfile.h"

#include "exporttimestamp.h"
#include "masktable.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <QLocale>

#include <fstream>
#include <sstream>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using netquill::ExportFailure;
using netquill::ExportMode;
using netquill::ExportRequest;
using netquill::ExportTab;

std::string bytesOf(const fs::path &path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

std::size_t lineCount(const std::string &bytes)
{
    return static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n'));
}

// A scratch folder of the test's own, removed with it.
class ExportFileTest : public testing::Test
{
protected:
    void SetUp() override
    {
        m_folder = fs::temp_directory_path() / ("netquill-export-" + std::to_string(::getpid()) + "-" +
                                                testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_folder);
        fs::create_directories(m_folder);
    }
    void TearDown() override
    {
        fs::permissions(m_folder, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(m_folder);
    }

    fs::path m_folder;
};

// The window as the golden files were taken: the "Netquill" tab empty, the
// "Network/Node Calculator" tab after calculating 192.168.1.10 with /24, and the
// "Subnet Calculator" tab planning 192.168.1.0/24 in subnets of /26.
ExportRequest goldenRequest(ExportMode mode, ExportTab tab)
{
    ExportRequest request;
    request.mode = mode;
    request.tab = tab;
    request.fields.networkNode = {{"192", "168", "1", "10"}, "255.255.255.0", "24", "0.0.0.10",
                                  "192.168.1.0", "192.168.1.255", "254"};
    netquill::SubnetTexts &subnet = request.fields.subnet;
    subnet.blockOctets = {"192", "168", "1", "0"};
    subnet.cidrBits = "24";
    subnet.cidrMask = "255.255.255.0";
    subnet.subnetMask = "255.255.255.192";
    subnet.subnetBitMask = "nnnnnnnn.nnnnnnnn.nnnnnnnn.sshhhhhh";
    subnet.maskBits = "26";
    subnet.hostBits = "6";
    subnet.numberOfSubnets = "4";
    subnet.hostsPerSubnet = "62";
    request.plan = {subnet.blockOctets, netquill::MaskTable(24).binary, "255.255.255.192", "0.0.0.63", "62", "4"};
    request.setting = {"12/5/2026 4:15:22 PM", "/opt/Trevantis Netquill"};
    return request;
}

// ---- Golden files: three formats × three tabs ----

struct Golden {
    const char *name;
    ExportMode mode;
    ExportTab tab;
    const char *file;
};

void PrintTo(const Golden &golden, std::ostream *out) { *out << golden.file; }

class GoldenExport : public ExportFileTest, public testing::WithParamInterface<Golden> {};

TEST_P(GoldenExport, WritesTheFileByteForByte)
{
    const fs::path written = m_folder / GetParam().file;
    ASSERT_EQ(netquill::writeExportFile(written, goldenRequest(GetParam().mode, GetParam().tab)), std::nullopt);
    EXPECT_EQ(bytesOf(written), bytesOf(fs::path(NETQUILL_GOLDEN_DIR) / GetParam().file));
}

INSTANTIATE_TEST_SUITE_P(Files, GoldenExport, testing::Values(
    Golden{"CsvNetquill", ExportMode::CSV, ExportTab::Netquill, "netquill.csv"},
    Golden{"CsvNetworkNode", ExportMode::CSV, ExportTab::NetworkNodeCalculator, "networknode.csv"},
    Golden{"CsvSubnet", ExportMode::CSV, ExportTab::SubnetCalculator, "subnet.csv"},
    Golden{"TxtNetquill", ExportMode::TXT, ExportTab::Netquill, "netquill.txt"},
    Golden{"TxtNetworkNode", ExportMode::TXT, ExportTab::NetworkNodeCalculator, "networknode.txt"},
    Golden{"TxtSubnet", ExportMode::TXT, ExportTab::SubnetCalculator, "subnet.txt"},
    Golden{"HtmlNetquill", ExportMode::HTML, ExportTab::Netquill, "netquill.htm"},
    Golden{"HtmlNetworkNode", ExportMode::HTML, ExportTab::NetworkNodeCalculator, "networknode.htm"},
    Golden{"HtmlSubnet", ExportMode::HTML, ExportTab::SubnetCalculator, "subnet.htm"}
), [](const auto &info) { return std::string(info.param.name); });

// ---- What the Parts say of particular lines ----

TEST_F(ExportFileTest, EmptyNetquillTabQuotesEachValueWithANoBreakSpace)
{
    const fs::path written = m_folder / "empty.csv";
    ASSERT_EQ(netquill::writeExportFile(written, goldenRequest(ExportMode::CSV, ExportTab::Netquill)), std::nullopt);
    const std::string bytes = bytesOf(written);
    EXPECT_NE(bytes.find("IP Address:,...\r\nDecimal:,\"\xA0\"\r\nHexadecimal:,\"\xA0\"\r\nOctal:,\"\xA0\"\r\n"
                         "Binary:,\"\xA0\"\r\n"),
              std::string::npos);
    EXPECT_EQ(lineCount(bytes), 11u);
    EXPECT_EQ(bytes.substr(0, 3), "# G");  // no byte-order mark
}

TEST_F(ExportFileTest, NetworkNodeTextFileHasFourHeaderAndTenSectionLines)
{
    const fs::path written = m_folder / "network.txt";
    ASSERT_EQ(netquill::writeExportFile(written, goldenRequest(ExportMode::TXT, ExportTab::NetworkNodeCalculator)),
              std::nullopt);
    std::istringstream lines(bytesOf(written));
    std::vector<std::string> all;
    for (std::string line; std::getline(lines, line);)
        all.push_back(line);
    ASSERT_EQ(all.size(), 14u);
    EXPECT_EQ(all[9], "\r");  // the section's sixth line is empty
    EXPECT_EQ(all[8], "Subnet Mask Bits:\t/24\r");
}

TEST_F(ExportFileTest, AnExistingFileIsReplacedNotAppendedTo)
{
    const fs::path written = m_folder / "again.csv";
    std::ofstream(written) << std::string(100000, 'x');
    ASSERT_EQ(netquill::writeExportFile(written, goldenRequest(ExportMode::CSV, ExportTab::Netquill)), std::nullopt);
    EXPECT_EQ(bytesOf(written), bytesOf(fs::path(NETQUILL_GOLDEN_DIR) / "netquill.csv"));
}

TEST_F(ExportFileTest, SixteenThousandSubnetsAreAllWritten)
{
    ExportRequest request = goldenRequest(ExportMode::CSV, ExportTab::SubnetCalculator);
    request.plan = {{"10", "0", "0", "0"}, netquill::MaskTable(8).binary, "255.255.252.0", "0.0.3.255", "1022", "16384"};
    const fs::path written = m_folder / "big.csv";
    ASSERT_EQ(netquill::writeExportFile(written, request), std::nullopt);
    EXPECT_EQ(lineCount(bytesOf(written)), 16u + 16384u);
}

TEST_F(ExportFileTest, MoreSubnetsThanAnExportHoldsStopsBeforeTheTable)
{
    ExportRequest request = goldenRequest(ExportMode::HTML, ExportTab::SubnetCalculator);
    request.plan = {{"10", "0", "0", "0"}, netquill::MaskTable(8).binary, "255.255.254.0", "0.0.1.255", "510", "32768"};
    const fs::path written = m_folder / "toobig.htm";
    const auto failure = netquill::writeExportFile(written, request);
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->code, ExportFailure::TooManySubnets);
    EXPECT_NE(failure->description.find("32768"), std::string::npos);
    const std::string bytes = bytesOf(written);
    EXPECT_TRUE(bytes.ends_with("Broadcast</td></tr>\r\n")) << bytes.substr(bytes.size() - 60);
    EXPECT_EQ(bytes.find("</html>"), std::string::npos);
}

TEST_F(ExportFileTest, HtmlValuesAreEscapedAndTheFixedMarkupKept)
{
    ExportRequest request = goldenRequest(ExportMode::HTML, ExportTab::Netquill);
    request.fields.converter.decimal = "<b>&\"x\"</b>";
    request.setting.programFolder = "/opt/R&D <tools>";
    const fs::path written = m_folder / "escaped.htm";
    ASSERT_EQ(netquill::writeExportFile(written, request), std::nullopt);
    const std::string bytes = bytesOf(written);
    EXPECT_NE(bytes.find("<tr><td>Decimal:</td><td>&lt;b&gt;&amp;&quot;x&quot;&lt;/b&gt;</td></tr>"), std::string::npos);
    EXPECT_NE(bytes.find("<img src=\"/opt/R&amp;D &lt;tools&gt;/TrevantisBanner.jpg\" border=0>"), std::string::npos);
    EXPECT_EQ(bytes.find("<b>"), std::string::npos);
}

TEST_F(ExportFileTest, CharactersBeyondLatin1BecomeQuestionMarksOrReferences)
{
    ExportRequest request = goldenRequest(ExportMode::TXT, ExportTab::Netquill);
    request.fields.converter.decimal = "12\xE2\x82\xAC" "3";  // a euro sign
    request.fields.converter.octal = "\xC3\xA9";             // é, which Latin-1 holds
    ASSERT_EQ(netquill::writeExportFile(m_folder / "a.txt", request), std::nullopt);
    EXPECT_NE(bytesOf(m_folder / "a.txt").find("Decimal:\t12?3\r\nHexadecimal:\t\r\nOctal:\t\t\xE9\r\n"), std::string::npos);

    request.mode = ExportMode::HTML;
    ASSERT_EQ(netquill::writeExportFile(m_folder / "a.htm", request), std::nullopt);
    EXPECT_NE(bytesOf(m_folder / "a.htm").find("<td>12&#8364;3</td>"), std::string::npos);
}

TEST_F(ExportFileTest, APathWithCharactersBeyondLatin1IsCreatedUnderThatName)
{
    const fs::path written = m_folder / fs::u8path("\xE5\xAD\x90\xE7\xBD\x91 subnets.csv");  // 子网
    ASSERT_EQ(netquill::writeExportFile(written, goldenRequest(ExportMode::CSV, ExportTab::Netquill)), std::nullopt);
    EXPECT_TRUE(fs::exists(written));
    EXPECT_EQ(std::distance(fs::directory_iterator(m_folder), fs::directory_iterator{}), 1);
}

// ---- Failures ----

TEST_F(ExportFileTest, AMissingFolderIsReported)
{
    const fs::path written = m_folder / "no such folder" / "x.csv";
    const auto failure = netquill::writeExportFile(written, goldenRequest(ExportMode::CSV, ExportTab::Netquill));
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->code, ExportFailure::PathNotFound);
    EXPECT_NE(failure->description.find(written.string()), std::string::npos);
    EXPECT_FALSE(fs::exists(written));
}

TEST_F(ExportFileTest, AFolderIsNoFile)
{
    const auto failure = netquill::writeExportFile(m_folder, goldenRequest(ExportMode::TXT, ExportTab::Netquill));
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->code, ExportFailure::PathIsFolder);
    EXPECT_NE(failure->description.find("is a folder"), std::string::npos);
}

TEST_F(ExportFileTest, AReadOnlyFolderIsReported)
{
    // The superuser writes into any folder it owns, but not into /sys.
    fs::path written = "/sys/netquill-export.csv";
    if (::geteuid() != 0) {
        fs::permissions(m_folder, fs::perms::owner_read | fs::perms::owner_exec);
        written = m_folder / "x.csv";
    }
    const auto failure = netquill::writeExportFile(written, goldenRequest(ExportMode::CSV, ExportTab::Netquill));
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->code, ExportFailure::PermissionDenied);
    EXPECT_NE(failure->description.find("Permission denied"), std::string::npos);
}

TEST_F(ExportFileTest, AFullDiskIsReported)
{
    const auto failure = netquill::writeExportFile("/dev/full", goldenRequest(ExportMode::HTML, ExportTab::SubnetCalculator));
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->code, ExportFailure::DiskFull);
    EXPECT_NE(failure->description.find("disk is full"), std::string::npos);
}

// ---- The timestamp ----

struct TimestampCase {
    const char *name;
    QLocale locale;
    const char *expected;
};

class ExportTimestamp : public testing::TestWithParam<TimestampCase>
{
};

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
                    TimestampCase{"en_GB", QLocale(QLocale::English, QLocale::UnitedKingdom), "05/12/2026 16:15:22"},
                    TimestampCase{"de_DE", QLocale(QLocale::German, QLocale::Germany), "05.12.2026 16:15:22"},
                    TimestampCase{"C", QLocale::c(), "5 Dec 2026 16:15:22"},
                    TimestampCase{"ko_KR", QLocale(QLocale::Korean, QLocale::SouthKorea), "2026-12-05 16:15:22"},
                    TimestampCase{"ar_EG", QLocale(QLocale::Arabic, QLocale::Egypt), "2026-12-05 16:15:22"},
                    TimestampCase{"ja_JP", QLocale(QLocale::Japanese, QLocale::Japan), "2026-12-05 16:15:22"}),
    [](const testing::TestParamInfo<TimestampCase> &info) { return std::string(info.param.name); });

}  // namespace
