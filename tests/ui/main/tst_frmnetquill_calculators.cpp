// The main window's "Network/Node Calculator" and "Subnet Calculator" tabs,
// driven through their fields and pick-lists as a user drives them.
#include "tests/ui/main/mainwindowdriver.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>

class tst_frmNetquillCalculators : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    // Mask lists
    void maskListsHoldTheThirtyTwoMasks();
    void maskAndBitsListsFollowEachOther_data();
    void maskAndBitsListsFollowEachOther();
    void closedListFollowsTheArrowKeys();

    // "Network/Node Calculator"
    void calculateShowsHostNetworkBroadcastAndNodes_data();
    void calculateShowsHostNetworkBroadcastAndNodes();
    void choosingAMaskDoesNotRecalculate();
    void calculateKeepsTheLastMaskItWasGiven();
    void clearLeavesTheFirstMaskChosen();
    void copyPutsEightLinesOnTheClipboard();

    // "Subnet Calculator"
    void choosingTheCidrMaskSetsTheUndividedPlan();
    void choosingAPlanEntryMovesTheOtherLists_data();
    void choosingAPlanEntryMovesTheOtherLists();
    void oneChoiceMovesEveryListExactlyOnce();
    void choosingTheCidrMaskAgainStartsThePlanOver();
    void rfc3021LabelFollowsThePlan();
    void slash32IsASingleUndividedAddress();
    void copyPutsElevenLinesOnTheClipboard();
    void copyBeforeAnyCidrChoice();

    // File > Copy to Clipboard on each tab
    void ctrlCCopiesTheShownTab_data();
    void ctrlCCopiesTheShownTab();

private:
    MainWindowDriver &ui() { return *m_ui; }
    QStringList shown(const QStringList &names)
    {
        QStringList texts;
        for (const QString &name : names) {
            QWidget *widget = ui().control<QWidget>(name);
            if (auto *list = qobject_cast<QComboBox *>(widget))
                texts << list->currentText();
            else if (auto *field = qobject_cast<QLineEdit *>(widget))
                texts << field->text();
            else
                texts << qobject_cast<QLabel *>(widget)->text();
        }
        return texts;
    }
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
const QStringList kNetworkOctets{"txtIP1", "txtIP2", "txtIP3", "txtIP4"};
const QStringList kPlanLists{"cboSubnetMask", "cboMaskBits", "cboNumberOfSubnets", "cboHostBits", "cboHostsPerSubnet"};

}  // namespace

void tst_frmNetquillCalculators::init()
{
    QApplication::clipboard()->clear();
    m_ui = std::make_unique<MainWindowDriver>();
}

void tst_frmNetquillCalculators::cleanup()
{
    m_ui.reset();
}

// ---- Mask lists ----

void tst_frmNetquillCalculators::maskListsHoldTheThirtyTwoMasks()
{
    for (const char *name : {"cboNetworkSubnetMask", "cboCIDRMask"}) {
        QComboBox *masks = ui().list(name);
        QCOMPARE(masks->count(), 32);
        QCOMPARE(masks->itemText(0), QStringLiteral("128.0.0.0"));
        QCOMPARE(masks->itemText(23), QStringLiteral("255.255.255.0"));
        QCOMPARE(masks->itemText(31), QStringLiteral("255.255.255.255"));
        QCOMPARE(masks->currentIndex(), -1);
    }
    for (const char *name : {"cboNetworkBits", "cboBits"}) {
        QComboBox *bits = ui().list(name);
        QCOMPARE(bits->count(), 32);
        QCOMPARE(bits->itemText(0), QStringLiteral("1"));
        QCOMPARE(bits->itemText(31), QStringLiteral("32"));
        QCOMPARE(bits->currentIndex(), -1);
    }
    for (const QString &name : kPlanLists)
        QCOMPARE(ui().list(name)->count(), 0);
}

void tst_frmNetquillCalculators::maskAndBitsListsFollowEachOther_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("chosenList");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("partnerList");
    QTest::addColumn<QString>("partnerEntry");

    QTest::newRow("network bits 24") << 1 << "cboNetworkBits" << "24" << "cboNetworkSubnetMask" << "255.255.255.0";
    QTest::newRow("network mask /30") << 1 << "cboNetworkSubnetMask" << "255.255.255.252" << "cboNetworkBits" << "30";
    QTest::newRow("network bits 1") << 1 << "cboNetworkBits" << "1" << "cboNetworkSubnetMask" << "128.0.0.0";
    QTest::newRow("network bits 32") << 1 << "cboNetworkBits" << "32" << "cboNetworkSubnetMask" << "255.255.255.255";
    QTest::newRow("cidr mask /16") << 2 << "cboCIDRMask" << "255.255.0.0" << "cboBits" << "16";
    QTest::newRow("cidr bits 8") << 2 << "cboBits" << "8" << "cboCIDRMask" << "255.0.0.0";
}

void tst_frmNetquillCalculators::maskAndBitsListsFollowEachOther()
{
    QFETCH(int, tab);
    QFETCH(QString, chosenList);
    QFETCH(QString, entry);
    QFETCH(QString, partnerList);
    QFETCH(QString, partnerEntry);
    ui().showTab(tab);
    ui().pick(chosenList, entry);
    QCOMPARE(ui().list(chosenList)->currentText(), entry);
    QCOMPARE(ui().list(partnerList)->currentText(), partnerEntry);
}

void tst_frmNetquillCalculators::closedListFollowsTheArrowKeys()
{
    ui().showTab(1);
    ui().pick(QStringLiteral("cboNetworkBits"), QStringLiteral("24"));
    QCOMPARE(ui().list("cboNetworkSubnetMask")->currentText(), QStringLiteral("255.255.255.0"));
    QTest::keyClick(ui().list("cboNetworkBits"), Qt::Key_Down);
    QCOMPARE(ui().list("cboNetworkBits")->currentText(), QStringLiteral("25"));
    QCOMPARE(ui().list("cboNetworkSubnetMask")->currentText(), QStringLiteral("255.255.255.128"));
}

// ---- "Network/Node Calculator" ----

void tst_frmNetquillCalculators::calculateShowsHostNetworkBroadcastAndNodes_data()
{
    QTest::addColumn<QString>("typed");  // keys into the first octet field
    QTest::addColumn<QString>("mask");   // empty: none chosen
    QTest::addColumn<QStringList>("octets");
    QTest::addColumn<QStringList>("results");

    QTest::newRow("192.168.1.10 /24") << "192.168.1.10" << "255.255.255.0" << QStringList{"192", "168", "1", "10"}
                                      << QStringList{"0.0.0.10", "192.168.1.0", "192.168.1.255", "254"};
    QTest::newRow("10.1.2.3 /1") << "10.1.2.3" << "128.0.0.0" << QStringList{"10", "1", "2", "3"}
                                 << QStringList{"10.1.2.3", "0.0.0.0", "127.255.255.255", "2147483646"};
    QTest::newRow("/31 has no nodes") << "10.0.0.5" << "255.255.255.254" << QStringList{"10", "0", "0", "5"}
                                      << QStringList{"0.0.0.1", "10.0.0.4", "10.0.0.5", "0"};
    QTest::newRow("/32 is the address") << "10.1.2.3" << "255.255.255.255" << QStringList{"10", "1", "2", "3"}
                                        << QStringList{"0.0.0.0", "10.1.2.3", "10.1.2.3", "1"};
    QTest::newRow("no mask chosen") << "10.1.2.3" << "" << QStringList{"10", "1", "2", "3"}
                                    << QStringList{"10.1.2.3", "0.0.0.0", "255.255.255.255", "4294967294"};
    QTest::newRow("empty octets show 0") << "..." << "255.255.0.0" << QStringList{"0", "0", "0", "0"}
                                         << QStringList{"0.0.0.0", "0.0.0.0", "0.0.255.255", "65534"};
    QTest::newRow("256 300 999 fold") << "256.300.999.1" << "255.255.255.255" << QStringList{"1", "45", "234", "1"}
                                      << QStringList{"0.0.0.0", "1.45.234.1", "1.45.234.1", "1"};
    QTest::newRow("all ones /8") << "255.255.255.255" << "255.0.0.0" << QStringList{"255", "255", "255", "255"}
                                 << QStringList{"0.255.255.255", "255.0.0.0", "255.255.255.255", "16777214"};
}

void tst_frmNetquillCalculators::calculateShowsHostNetworkBroadcastAndNodes()
{
    QFETCH(QString, typed);
    QFETCH(QString, mask);
    QFETCH(QStringList, octets);
    QFETCH(QStringList, results);
    ui().showTab(1);
    ui().typeAddress(QStringLiteral("txtIP1"), typed);
    if (!mask.isEmpty())
        ui().pick(QStringLiteral("cboNetworkSubnetMask"), mask);
    ui().click(QStringLiteral("btnCalculate"));
    QCOMPARE(shown(kNetworkOctets), octets);
    QCOMPARE(shown(kNetworkResults), results);
}

void tst_frmNetquillCalculators::choosingAMaskDoesNotRecalculate()
{
    ui().showTab(1);
    ui().typeAddress(QStringLiteral("txtIP1"), QStringLiteral("192.168.1.10"));
    ui().pick(QStringLiteral("cboNetworkBits"), QStringLiteral("24"));
    ui().click(QStringLiteral("btnCalculate"));
    ui().pick(QStringLiteral("cboNetworkSubnetMask"), QStringLiteral("255.255.255.252"));
    QCOMPARE(ui().list("cboNetworkBits")->currentText(), QStringLiteral("30"));
    QCOMPARE(shown(kNetworkResults), (QStringList{"0.0.0.10", "192.168.1.0", "192.168.1.255", "254"}));
}

void tst_frmNetquillCalculators::calculateKeepsTheLastMaskItWasGiven()
{
    ui().showTab(1);
    ui().typeAddress(QStringLiteral("txtIP1"), QStringLiteral("10.1.2.3"));
    ui().pick(QStringLiteral("cboNetworkBits"), QStringLiteral("8"));
    ui().click(QStringLiteral("btnCalculate"));
    QCOMPARE(ui().field("txtNetworkID")->text(), QStringLiteral("10.0.0.0"));
    QVERIFY(ui().field("txtHostID")->isReadOnly());
    QCOMPARE(ui().field("txtHostID")->palette().color(QPalette::Base), QApplication::palette().color(QPalette::Button));
}

void tst_frmNetquillCalculators::clearLeavesTheFirstMaskChosen()
{
    ui().showTab(1);
    ui().typeAddress(QStringLiteral("txtIP1"), QStringLiteral("192.168.1.10"));
    ui().pick(QStringLiteral("cboNetworkBits"), QStringLiteral("24"));
    ui().click(QStringLiteral("btnCalculate"));
    ui().click(QStringLiteral("btnClearNetwork"));
    QCOMPARE(ui().list("cboNetworkSubnetMask")->currentText(), QStringLiteral("128.0.0.0"));
    QCOMPARE(ui().list("cboNetworkBits")->currentText(), QStringLiteral("1"));
    QCOMPARE(shown(kNetworkOctets + kNetworkResults), QStringList(8));
    QCOMPARE(MainWindowDriver::focus(), ui().field("txtIP1"));
    // The next calculation finds the chosen /1.
    ui().typeAddress(QStringLiteral("txtIP1"), QStringLiteral("10.1.2.3"));
    ui().click(QStringLiteral("btnCalculate"));
    QCOMPARE(ui().field("txtBroadcastAddress")->text(), QStringLiteral("127.255.255.255"));
}

void tst_frmNetquillCalculators::copyPutsEightLinesOnTheClipboard()
{
    ui().showTab(1);
    ui().click(QStringLiteral("btnCopyTab2ToClipboard"));
    QCOMPARE(MainWindowDriver::clipboardText(),
             QStringLiteral("IPAddress        : ...\r\nSubnet Mask      : \r\nSubnet Mask Bits : /\r\n\r\n"
                            "Host ID          : \r\nNetwork ID       : \r\nBroadcast Address: \r\n"
                            "Nodes in Subnet  : \r\n"));

    ui().typeAddress(QStringLiteral("txtIP1"), QStringLiteral("192.168.1.10"));
    ui().pick(QStringLiteral("cboNetworkSubnetMask"), QStringLiteral("255.255.255.0"));
    ui().click(QStringLiteral("btnCalculate"));
    ui().click(QStringLiteral("btnCopyTab2ToClipboard"));
    QCOMPARE(MainWindowDriver::clipboardText(),
             QStringLiteral("IPAddress        : 192.168.1.10\r\n"
                            "Subnet Mask      : 255.255.255.0\r\n"
                            "Subnet Mask Bits : /24\r\n"
                            "\r\n"
                            "Host ID          : 0.0.0.10\r\n"
                            "Network ID       : 192.168.1.0\r\n"
                            "Broadcast Address: 192.168.1.255\r\n"
                            "Nodes in Subnet  : 254\r\n"));
}

// ---- "Subnet Calculator" ----

void tst_frmNetquillCalculators::choosingTheCidrMaskSetsTheUndividedPlan()
{
    planBlock(QStringLiteral("172.16.0.0"), QStringLiteral("255.255.0.0"));
    QCOMPARE(ui().list("cboBits")->currentText(), QStringLiteral("16"));
    QCOMPARE(ui().control<QLabel>("lblBits")->text(), QStringLiteral("/16"));
    QCOMPARE(shown(kPlanLists), (QStringList{"255.255.0.0", "16", "1", "16", "65534"}));
    QCOMPARE(ui().field("txtSubnetBitMask")->text(), QStringLiteral("nnnnnnnn.nnnnnnnn.hhhhhhhh.hhhhhhhh"));
    for (const QString &name : kPlanLists)
        QCOMPARE(ui().list(name)->count(), 17);
}

void tst_frmNetquillCalculators::choosingAPlanEntryMovesTheOtherLists_data()
{
    QTest::addColumn<QString>("cidrBits");
    QTest::addColumn<QString>("chosenList");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QStringList>("plan");  // the five plan lists
    QTest::addColumn<QString>("bitMask");
    QTest::addColumn<bool>("rfc3021");

    QTest::newRow("/16 subnet mask 255.255.255.0")
        << "16" << "cboSubnetMask" << "255.255.255.0" << QStringList{"255.255.255.0", "24", "256", "8", "254"}
        << "nnnnnnnn.nnnnnnnn.ssssssss.hhhhhhhh" << false;
    QTest::newRow("/20 host bits 6")
        << "20" << "cboHostBits" << "6" << QStringList{"255.255.255.192", "26", "64", "6", "62"}
        << "nnnnnnnn.nnnnnnnn.nnnnssss.sshhhhhh" << false;
    QTest::newRow("/24 hosts 2 (RFC3021)")
        << "24" << "cboHostsPerSubnet" << "2 (RFC3021)" << QStringList{"255.255.255.254", "31", "128", "1", "2 (RFC3021)"}
        << "nnnnnnnn.nnnnnnnn.nnnnnnnn.sssssssh" << true;
    QTest::newRow("/24 mask bits 30")
        << "24" << "cboMaskBits" << "30" << QStringList{"255.255.255.252", "30", "64", "2", "2"}
        << "nnnnnnnn.nnnnnnnn.nnnnnnnn.sssssshh" << false;
    QTest::newRow("/8 number of subnets 256")
        << "8" << "cboNumberOfSubnets" << "256" << QStringList{"255.255.0.0", "16", "256", "16", "65534"}
        << "nnnnnnnn.ssssssss.hhhhhhhh.hhhhhhhh" << false;
    QTest::newRow("/1 every bit a subnet bit")
        << "1" << "cboNumberOfSubnets" << "2147483648" << QStringList{"255.255.255.255", "32", "2147483648", "0", "1"}
        << "nsssssss.ssssssss.ssssssss.ssssssss" << false;
}

void tst_frmNetquillCalculators::choosingAPlanEntryMovesTheOtherLists()
{
    QFETCH(QString, cidrBits);
    QFETCH(QString, chosenList);
    QFETCH(QString, entry);
    QFETCH(QStringList, plan);
    QFETCH(QString, bitMask);
    QFETCH(bool, rfc3021);
    ui().showTab(2);
    ui().pick(QStringLiteral("cboBits"), cidrBits);
    ui().pick(chosenList, entry);
    QCOMPARE(shown(kPlanLists), plan);
    QCOMPARE(ui().field("txtSubnetBitMask")->text(), bitMask);
    QCOMPARE(ui().control<QLabel>("lblRFC3021")->isVisible(), rfc3021);
    QCOMPARE(ui().control<QLabel>("lblBits")->text(), "/" + cidrBits);
    QCOMPARE(ui().list("cboBits")->currentText(), cidrBits);
}

void tst_frmNetquillCalculators::oneChoiceMovesEveryListExactlyOnce()
{
    planBlock(QStringLiteral("10.1.2.3"), QStringLiteral("255.255.240.0"));
    QList<std::shared_ptr<QSignalSpy>> moves;
    for (const QString &name : kPlanLists + QStringList{"cboCIDRMask", "cboBits", "cboNetworkSubnetMask", "cboNetworkBits"})
        moves << std::make_shared<QSignalSpy>(ui().list(name), &QComboBox::currentIndexChanged);
    QSignalSpy bitMaskRedrawn(ui().field("txtSubnetBitMask"), &QLineEdit::textChanged);

    ui().pick(QStringLiteral("cboHostBits"), QStringLiteral("6"));

    const QList<int> expectedMoves{1, 1, 1, 1, 1, 0, 0, 0, 0};
    for (int k = 0; k < moves.size(); ++k)
        QCOMPARE(moves[k]->count(), expectedMoves[k]);
    QCOMPARE(bitMaskRedrawn.count(), 1);
    QCOMPARE(shown({"txtIPBlock1", "txtIPBlock2", "txtIPBlock3", "txtIPBlock4", "lblBits"}),
             (QStringList{"10", "1", "2", "3", "/20"}));
}

void tst_frmNetquillCalculators::choosingTheCidrMaskAgainStartsThePlanOver()
{
    planBlock(QStringLiteral("10.0.0.0"), QStringLiteral("255.0.0.0"));
    ui().pick(QStringLiteral("cboSubnetMask"), QStringLiteral("255.255.255.0"));
    QCOMPARE(ui().list("cboNumberOfSubnets")->currentText(), QStringLiteral("65536"));
    ui().pick(QStringLiteral("cboCIDRMask"), QStringLiteral("255.0.0.0"));
    QCOMPARE(shown(kPlanLists), (QStringList{"255.0.0.0", "8", "1", "24", "16777214"}));
}

void tst_frmNetquillCalculators::rfc3021LabelFollowsThePlan()
{
    auto *label = ui().control<QLabel>("lblRFC3021");
    planBlock(QStringLiteral("192.168.1.0"), QStringLiteral("255.255.255.0"));
    QVERIFY(!label->isVisible());
    ui().pick(QStringLiteral("cboHostsPerSubnet"), QStringLiteral("2 (RFC3021)"));
    QVERIFY(label->isVisible());
    QVERIFY(label->text().contains(QStringLiteral(">RFC 3021 Compliant</a>")));
    QCOMPARE(label->palette().color(QPalette::Link), QColor(0, 0, 255));
    ui().pick(QStringLiteral("cboHostsPerSubnet"), QStringLiteral("2"));
    QCOMPARE(ui().list("cboSubnetMask")->currentText(), QStringLiteral("255.255.255.252"));
    QVERIFY(!label->isVisible());

    ui().pick(QStringLiteral("cboBits"), QStringLiteral("31"));
    QCOMPARE(shown(kPlanLists), (QStringList{"255.255.255.254", "31", "1", "1", "2 (RFC3021)"}));
    QVERIFY(label->isVisible());
}

void tst_frmNetquillCalculators::slash32IsASingleUndividedAddress()
{
    planBlock(QStringLiteral("10.1.2.3"), QStringLiteral("255.255.255.255"));
    for (const QString &name : kPlanLists)
        QCOMPARE(ui().list(name)->count(), 1);
    QCOMPARE(shown(kPlanLists), (QStringList{"255.255.255.255", "32", "1", "0", "1"}));
    QCOMPARE(ui().field("txtSubnetBitMask")->text(), QStringLiteral("nnnnnnnn.nnnnnnnn.nnnnnnnn.nnnnnnnn"));
    QVERIFY(!ui().control<QLabel>("lblRFC3021")->isVisible());
}

void tst_frmNetquillCalculators::copyPutsElevenLinesOnTheClipboard()
{
    planBlock(QStringLiteral("10.1.2.3"), QStringLiteral("255.0.0.0"));
    ui().pick(QStringLiteral("cboSubnetMask"), QStringLiteral("255.255.0.0"));
    ui().click(QStringLiteral("btnCopyTab3ToClipboard"));
    QCOMPARE(MainWindowDriver::clipboardText(),
             QStringLiteral("IPAddress       : 10.1.2.3\r\n"
                            "Address Class    : Classless /8\r\n"
                            "Network Address  : 255.0.0.0\r\n"
                            "\r\n"
                            "Subnet Address   : 10.1.0.0\r\n"
                            "Subnet Mask      : 255.255.0.0\r\n"
                            "Subnet Bit Mask  : nnnnnnnn.ssssssss.hhhhhhhh.hhhhhhhh\r\n"
                            "Subnet Bits      : 16\r\n"
                            "Host Bits        : 16\r\n"
                            "Possible Number of Subnets : 256\r\n"
                            "Hosts per Subnet : 65534\r\n"));
}

void tst_frmNetquillCalculators::copyBeforeAnyCidrChoice()
{
    ui().showTab(2);
    ui().click(QStringLiteral("btnCopyTab3ToClipboard"));
    QCOMPARE(MainWindowDriver::clipboardText(),
             QStringLiteral("IPAddress       : ...\r\nAddress Class    : Classless /\r\nNetwork Address  : \r\n\r\n"
                            "Subnet Address   : 0.0.0.0\r\nSubnet Mask      : \r\nSubnet Bit Mask  : \r\n"
                            "Subnet Bits      : \r\nHost Bits        : \r\nPossible Number of Subnets : \r\n"
                            "Hosts per Subnet : \r\n"));
}

// ---- File > Copy to Clipboard ----

void tst_frmNetquillCalculators::ctrlCCopiesTheShownTab_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("firstLine");
    QTest::addColumn<int>("lines");

    QTest::newRow("converter") << 0 << "IP Address : ...\r\n" << 5;
    QTest::newRow("network/node") << 1 << "IPAddress        : ...\r\n" << 8;
    QTest::newRow("subnet") << 2 << "IPAddress       : ...\r\n" << 11;
}

void tst_frmNetquillCalculators::ctrlCCopiesTheShownTab()
{
    QFETCH(int, tab);
    QFETCH(QString, firstLine);
    QFETCH(int, lines);
    ui().showTab(tab);
    QTest::keyClick(MainWindowDriver::focus(), Qt::Key_C, Qt::ControlModifier);
    QVERIFY(MainWindowDriver::clipboardText().startsWith(firstLine));
    QCOMPARE(MainWindowDriver::clipboardText().count(QStringLiteral("\r\n")), lines);
}

QTEST_MAIN(tst_frmNetquillCalculators)
#include "tst_frmnetquill_calculators.moc"
