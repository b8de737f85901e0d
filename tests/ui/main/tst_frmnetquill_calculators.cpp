// The main window's "Network/Node Calculator" and "Subnet Calculator" tabs:
// each handler reads its fields and lists and writes its results back.
#include "tests/ui/main/mainwindowdriver.h"

#include <QMessageBox>
#include <QSignalSpy>

class tst_frmNetquillCalculators : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_ui = std::make_unique<MainWindowDriver>(); }
    void cleanup() { m_ui.reset(); }

    void maskAndBitsListsFollowEachOther();
    void calculateReadsTheAddressAndTheLastMaskChosen();
    void clearChoosesTheFirstMaskAndCopyPutsEightLines();
    void cidrChoiceStartsTheUndividedPlan();
    void onePlanChoiceMovesEveryListOnce();
    void rfc3021LabelFollowsThePlan();
    void copyPutsTheTabsElevenLinesWithTheSubnetAddress();
    void generateFoldsTheBlockAndNeedsACidrMask();

private:
    MainWindowDriver &ui() { return *m_ui; }
    void planBlock(const QString &address, const QString &cidrMask)
    {
        ui().showTab(2);
        ui().typeAddress(QStringLiteral("txtIPBlock1"), address);
        ui().pick(QStringLiteral("cboCIDRMask"), cidrMask);
    }

    std::unique_ptr<MainWindowDriver> m_ui;
};

namespace {

const QStringList kNetworkResults{"txtHostID", "txtNetworkID", "txtBroadcastAddress", "txtNodesPerSubnet"};
const QStringList kPlanLists{"cboSubnetMask", "cboMaskBits", "cboNumberOfSubnets", "cboHostBits", "cboHostsPerSubnet"};

}  // namespace

void tst_frmNetquillCalculators::maskAndBitsListsFollowEachOther()
{
    const std::tuple<int, const char *, QString, const char *, QString> choices[] = {
        {1, "cboNetworkBits", "24", "cboNetworkSubnetMask", "255.255.255.0"},
        {1, "cboNetworkSubnetMask", "128.0.0.0", "cboNetworkBits", "1"},
        {2, "cboCIDRMask", "255.255.255.255", "cboBits", "32"},
        {2, "cboBits", "8", "cboCIDRMask", "255.0.0.0"}};
    for (const auto &[tab, chosenList, entry, partnerList, partnerEntry] : choices) {
        ui().showTab(tab);
        QCOMPARE(ui().list(partnerList)->count(), 32);
        ui().pick(chosenList, entry);
        QCOMPARE(ui().list(partnerList)->currentText(), partnerEntry);
    }
}

void tst_frmNetquillCalculators::calculateReadsTheAddressAndTheLastMaskChosen()
{
    ui().showTab(1);
    ui().typeAddress(QStringLiteral("txtIP1"), QStringLiteral("192.168.300.10"));
    ui().click(QStringLiteral("btnCalculate"));  // no mask yet: every bit a host bit
    QCOMPARE(ui().shown(kNetworkResults), (QStringList{"192.168.45.10", "0.0.0.0", "255.255.255.255", "4294967294"}));
    QCOMPARE(ui().field("txtIP3")->text(), QStringLiteral("45"));  // folded back into its field
    ui().pick(QStringLiteral("cboNetworkBits"), QStringLiteral("24"));
    QCOMPARE(ui().field("txtNodesPerSubnet")->text(), QStringLiteral("4294967294"));  // a choice does not calculate
    ui().click(QStringLiteral("btnCalculate"));
    QCOMPARE(ui().shown(kNetworkResults), (QStringList{"0.0.0.10", "192.168.45.0", "192.168.45.255", "254"}));
    QVERIFY(ui().field("txtHostID")->isReadOnly());
}

void tst_frmNetquillCalculators::clearChoosesTheFirstMaskAndCopyPutsEightLines()
{
    ui().showTab(1);
    ui().typeAddress(QStringLiteral("txtIP1"), QStringLiteral("192.168.1.10"));
    ui().pick(QStringLiteral("cboNetworkSubnetMask"), QStringLiteral("255.255.255.0"));
    ui().click(QStringLiteral("btnCalculate"));
    ui().click(QStringLiteral("btnCopyTab2ToClipboard"));
    QCOMPARE(MainWindowDriver::clipboardText(),
             QStringLiteral("IPAddress        : 192.168.1.10\r\nSubnet Mask      : 255.255.255.0\r\n"
                            "Subnet Mask Bits : /24\r\n\r\nHost ID          : 0.0.0.10\r\n"
                            "Network ID       : 192.168.1.0\r\nBroadcast Address: 192.168.1.255\r\n"
                            "Nodes in Subnet  : 254\r\n"));
    ui().click(QStringLiteral("btnClearNetwork"));
    QCOMPARE(ui().shown({"cboNetworkSubnetMask", "cboNetworkBits", "txtIP1", "txtHostID"}),
             (QStringList{"128.0.0.0", "1", "", ""}));
    QCOMPARE(MainWindowDriver::focus(), ui().field("txtIP1"));
}

void tst_frmNetquillCalculators::cidrChoiceStartsTheUndividedPlan()
{
    planBlock(QStringLiteral("172.16.0.0"), QStringLiteral("255.255.0.0"));
    ui().pick(QStringLiteral("cboSubnetMask"), QStringLiteral("255.255.255.0"));
    ui().pick(QStringLiteral("cboCIDRMask"), QStringLiteral("255.255.0.0"));  // chosen again: the plan starts over
    QCOMPARE(
        ui().shown(kPlanLists + QStringList{"cboBits", "lblBits", "txtSubnetBitMask"}),
        (QStringList{"255.255.0.0", "16", "1", "16", "65534", "16", "/16", "nnnnnnnn.nnnnnnnn.hhhhhhhh.hhhhhhhh"}));
    QCOMPARE(ui().list("cboHostsPerSubnet")->count(), 17);
}

void tst_frmNetquillCalculators::onePlanChoiceMovesEveryListOnce()
{
    planBlock(QStringLiteral("10.1.2.3"), QStringLiteral("255.255.240.0"));
    QList<std::shared_ptr<QSignalSpy>> moves;
    for (const QString &name : kPlanLists + QStringList{"cboCIDRMask", "cboBits"})
        moves << std::make_shared<QSignalSpy>(ui().list(name), &QComboBox::currentIndexChanged);
    ui().pick(QStringLiteral("cboHostBits"), QStringLiteral("6"));
    QList<int> counts;
    for (const auto &spy : moves)
        counts << spy->count();
    QCOMPARE(counts, (QList<int>{1, 1, 1, 1, 1, 0, 0}));
    QCOMPARE(ui().shown(kPlanLists + QStringList{"txtSubnetBitMask"}),
             (QStringList{"255.255.255.192", "26", "64", "6", "62", "nnnnnnnn.nnnnnnnn.nnnnssss.sshhhhhh"}));
}

void tst_frmNetquillCalculators::rfc3021LabelFollowsThePlan()
{
    auto *label = ui().control<QLabel>("lblRFC3021");
    planBlock(QStringLiteral("192.168.1.0"), QStringLiteral("255.255.255.0"));
    QVERIFY(!label->isVisible());
    ui().pick(QStringLiteral("cboHostsPerSubnet"), QStringLiteral("2 (RFC3021)"));
    QVERIFY(label->isVisible());
    QCOMPARE(label->palette().color(QPalette::Link), QColor(0, 0, 255));
    ui().pick(QStringLiteral("cboHostsPerSubnet"), QStringLiteral("2"));
    QVERIFY(!label->isVisible());
}

void tst_frmNetquillCalculators::copyPutsTheTabsElevenLinesWithTheSubnetAddress()
{
    planBlock(QStringLiteral("10.1.2.3"), QStringLiteral("255.0.0.0"));
    ui().pick(QStringLiteral("cboSubnetMask"), QStringLiteral("255.255.0.0"));
    ui().click(QStringLiteral("btnCopyTab3ToClipboard"));
    QCOMPARE(
        MainWindowDriver::clipboardText(),
        QStringLiteral("IPAddress       : 10.1.2.3\r\nAddress Class    : Classless /8\r\n"
                       "Network Address  : 255.0.0.0\r\n\r\nSubnet Address   : 10.1.0.0\r\n"
                       "Subnet Mask      : 255.255.0.0\r\nSubnet Bit Mask  : nnnnnnnn.ssssssss.hhhhhhhh.hhhhhhhh\r\n"
                       "Subnet Bits      : 16\r\nHost Bits        : 16\r\nPossible Number of Subnets : 256\r\n"
                       "Hosts per Subnet : 65534\r\n"));
}

void tst_frmNetquillCalculators::generateFoldsTheBlockAndNeedsACidrMask()
{
    ui().showTab(2);
    ui().typeAddress(QStringLiteral("txtIPBlock1"), QStringLiteral(".256.999."));
    QString title;
    QString text;
    QTimer::singleShot(0, this, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            title = box->windowTitle();
            text = box->text();
            QTest::keyClick(box, Qt::Key_Return);
        }
    });
    ui().click(QStringLiteral("btnGenerate"));
    QCOMPARE(title, QStringLiteral("Trevantis Netquill"));
    QCOMPARE(text, QStringLiteral("Please set the CIDR Mask of the Primary Address Block."));
    QCOMPARE(ui().shown({"txtIPBlock1", "txtIPBlock2", "txtIPBlock3", "txtIPBlock4"}),
             (QStringList{"0", "1", "234", "0"}));
    QCOMPARE(ui().window()->focusWidget(), ui().list("cboCIDRMask"));
}

QTEST_MAIN(tst_frmNetquillCalculators)
#include "tst_frmnetquill_calculators.moc"
