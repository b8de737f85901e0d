// The subnet list window: opened from the "Subnet Calculator" tab as a user
// opens it, and driven through its buttons, menus and keys.
#include "ui/subnets/frmsubnets.h"
#include "tests/ui/main/mainwindowdriver.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTableView>

#include <functional>

namespace {

netquill::SubnetPlan planOf(std::array<std::string, 4> block, int cidrBits, int subnetBits)
{
    using namespace netquill;
    return SubnetPlan(Block::containing(Ipv4Address::fromOctetTexts(block), Prefix(cidrBits)), Prefix(subnetBits));
}

}  // namespace

class tst_frmSubnets : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    // Opening from the main window
    void withoutACidrMaskAMessageSaysSo();
    void generateNormalisesTheBlockFields();
    void opensModallyWithTheFirstBatch();
    void exitClosesOnlyTheList_data();
    void exitClosesOnlyTheList();
    void openingTwiceGivesTheSameFirstBatch();

    // The list itself
    void gridHasItsSixHeadingsAndAlignments();
    void fourSubnetsCopyAsFiveLines();
    void nextBatchReplacesTheGridAndKeepsEveryRowForTheClipboard();
    void enterLoadsABatchOnlyThroughItsButton();
    void columnsStandStillAndShowEveryTextWhole();
    void aTotalOfOneBatchStartsDisabled();
    void ctrlGDoesNothingOnceDisabled();
    void rfc3021PlanListsTwoAddressSubnets();
    void layoutAndMenus();
    void modelPassesQtsChecks();

private:
    MainWindowDriver &ui() { return *m_ui; }
    void planOnTab(const QString &block, const QString &cidrMask, const QString &subnetMask);
    // Clicks "Generate Subnets" and runs whileOpen on the list once it shows.
    void openListAndThen(const std::function<void(frmSubnets *)> &whileOpen);
    static QStringList rowTexts(const QTableView *grid, int row);
    // A dialog counts as active while its owner is, so wait for the keyboard itself.
    static bool hasKeyboard(QWidget *window)
    {
        return QTest::qWaitFor([window] { return QGuiApplication::focusWindow() == window->windowHandle(); });
    }
    // Shows the list on its own, in front, as the user sees it.
    static bool showActive(frmSubnets &list)
    {
        list.show();
        list.activateWindow();
        return hasKeyboard(&list);
    }

    std::unique_ptr<MainWindowDriver> m_ui;
};

void tst_frmSubnets::init()
{
    QApplication::clipboard()->clear();
    m_ui = std::make_unique<MainWindowDriver>();
}

void tst_frmSubnets::cleanup()
{
    m_ui.reset();
}

void tst_frmSubnets::planOnTab(const QString &block, const QString &cidrMask, const QString &subnetMask)
{
    ui().showTab(2);
    ui().typeAddress(QStringLiteral("txtIPBlock1"), block);
    ui().pick(QStringLiteral("cboCIDRMask"), cidrMask);
    ui().pick(QStringLiteral("cboSubnetMask"), subnetMask);
}

void tst_frmSubnets::openListAndThen(const std::function<void(frmSubnets *)> &whileOpen)
{
    bool opened = false;
    QTimer::singleShot(0, this, [&] {
        auto *list = qobject_cast<frmSubnets *>(QApplication::activeModalWidget());
        opened = list != nullptr && hasKeyboard(list);
        if (opened) {
            whileOpen(list);
            if (list->isVisible())
                list->close();
        }
    });
    ui().click(QStringLiteral("btnGenerate"));
    QVERIFY2(opened, "the subnet list did not open");
}

QStringList tst_frmSubnets::rowTexts(const QTableView *grid, int row)
{
    QStringList texts;
    for (int column = 0; column < grid->model()->columnCount(); ++column)
        texts << grid->model()->index(row, column).data().toString();
    return texts;
}

// ---- Opening from the main window ----

void tst_frmSubnets::withoutACidrMaskAMessageSaysSo()
{
    ui().showTab(2);
    QString title;
    QString text;
    QMessageBox::StandardButtons buttons;
    QTimer::singleShot(0, this, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        title = box->windowTitle();
        text = box->text();
        buttons = box->standardButtons();
        QTest::keyClick(box, Qt::Key_Return);
    });
    ui().click(QStringLiteral("btnGenerate"));
    QCOMPARE(title, QStringLiteral("Trevantis Netquill"));
    QCOMPARE(text, QStringLiteral("Please set the CIDR Mask of the Primary Address Block."));
    QCOMPARE(buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(ui().window()->focusWidget(), ui().list("cboCIDRMask"));
    QVERIFY(!ui().window()->findChild<frmSubnets *>());
}

void tst_frmSubnets::generateNormalisesTheBlockFields()
{
    ui().showTab(2);
    ui().typeAddress(QStringLiteral("txtIPBlock1"), QStringLiteral(".256.999."));
    QTimer::singleShot(0, this, [] {
        if (QWidget *box = QApplication::activeModalWidget())
            box->close();
    });
    ui().click(QStringLiteral("btnGenerate"));
    QCOMPARE(ui().field("txtIPBlock1")->text(), QStringLiteral("0"));
    QCOMPARE(ui().field("txtIPBlock2")->text(), QStringLiteral("1"));
    QCOMPARE(ui().field("txtIPBlock3")->text(), QStringLiteral("234"));
    QCOMPARE(ui().field("txtIPBlock4")->text(), QStringLiteral("0"));
}

void tst_frmSubnets::opensModallyWithTheFirstBatch()
{
    planOnTab(QStringLiteral("10.0.0.0"), QStringLiteral("255.0.0.0"), QStringLiteral("255.255.255.252"));
    QStringList firstRow;
    int rows = 0;
    bool modal = false;
    QWidget *owner = nullptr;
    openListAndThen([&](frmSubnets *list) {
        auto *grid = list->findChild<QTableView *>(QStringLiteral("mfgSubnets"));
        rows = grid->model()->rowCount();
        firstRow = rowTexts(grid, 0);
        modal = list->isModal();
        owner = list->parentWidget();
    });
    QCOMPARE(rows, 1024);
    QCOMPARE(firstRow, (QStringList{"10.0.0.0", "255.255.255.252", "0.0.0.3", "2", "10.0.0.1 to 10.0.0.2", "10.0.0.3"}));
    QVERIFY(modal);
    QCOMPARE(owner, ui().window());
}

void tst_frmSubnets::exitClosesOnlyTheList_data()
{
    QTest::addColumn<QString>("way");
    QTest::newRow("OK") << "ok";
    QTest::newRow("F3") << "f3";
    QTest::newRow("File > Exit") << "menu";
    QTest::newRow("close box") << "close";
}

void tst_frmSubnets::exitClosesOnlyTheList()
{
    QFETCH(QString, way);
    planOnTab(QStringLiteral("192.168.1.0"), QStringLiteral("255.255.255.0"), QStringLiteral("255.255.255.192"));
    bool closed = false;
    openListAndThen([&](frmSubnets *list) {
        if (way == QLatin1String("ok"))
            QTest::mouseClick(list->findChild<QPushButton *>(QStringLiteral("btnOK")), Qt::LeftButton);
        else if (way == QLatin1String("f3"))
            QTest::keyClick(list, Qt::Key_F3);
        else if (way == QLatin1String("menu"))
            list->findChild<QAction *>(QStringLiteral("mnuExit"))->trigger();
        else
            list->close();
        closed = !list->isVisible();
    });
    QVERIFY(closed);
    QVERIFY(ui().window()->isVisible());
    QCOMPARE(ui().field("txtIPBlock1")->text(), QStringLiteral("192"));
    QCOMPARE(ui().list("cboSubnetMask")->currentText(), QStringLiteral("255.255.255.192"));
}

void tst_frmSubnets::openingTwiceGivesTheSameFirstBatch()
{
    planOnTab(QStringLiteral("10.0.0.0"), QStringLiteral("255.255.224.0"), QStringLiteral("255.255.255.252"));
    QList<QStringList> firstBatches;
    QList<int> clicksUntilDisabled;
    for (int opening = 0; opening < 2; ++opening) {
        openListAndThen([&](frmSubnets *list) {
            auto *grid = list->findChild<QTableView *>(QStringLiteral("mfgSubnets"));
            firstBatches << rowTexts(grid, 0) + rowTexts(grid, 1023);
            auto *next = list->findChild<QPushButton *>(QStringLiteral("btnGenerate"));
            int clicks = 0;
            while (next->isEnabled() && clicks < 10) {
                QTest::mouseClick(next, Qt::LeftButton);
                ++clicks;
            }
            clicksUntilDisabled << clicks;
        });
    }
    QCOMPARE(firstBatches.size(), 2);
    QCOMPARE(firstBatches[0], firstBatches[1]);
    QCOMPARE(clicksUntilDisabled, (QList<int>{1, 1}));
}

// ---- The list itself ----

void tst_frmSubnets::gridHasItsSixHeadingsAndAlignments()
{
    frmSubnets list(planOf({"192", "168", "1", "0"}, 24, 26), ui().window());
    list.show();
    auto *grid = list.findChild<QTableView *>(QStringLiteral("mfgSubnets"));
    QStringList headings;
    for (int column = 0; column < grid->model()->columnCount(); ++column)
        headings << grid->model()->headerData(column, Qt::Horizontal).toString();
    QCOMPARE(headings, (QStringList{"Subnet", "Mask", "Inverse Mask", "Subnet Size", "Host Range", "Broadcast"}));
    const QList<Qt::Alignment> alignments{Qt::AlignLeft | Qt::AlignVCenter, Qt::AlignCenter, Qt::AlignCenter,
                                          Qt::AlignCenter, Qt::AlignLeft | Qt::AlignVCenter,
                                          Qt::AlignLeft | Qt::AlignVCenter};
    for (int column = 0; column < 6; ++column) {
        QCOMPARE(grid->model()->index(0, column).data(Qt::TextAlignmentRole).value<Qt::Alignment>(), alignments[column]);
        QCOMPARE(grid->model()->headerData(column, Qt::Horizontal, Qt::TextAlignmentRole).value<Qt::Alignment>(),
                 alignments[column]);
    }
    // Every column shows its widest text whole, and all six fit the grid.
    int allColumns = 0;
    for (int column = 0; column < 6; ++column) {
        int widest = grid->fontMetrics().horizontalAdvance(headings[column]);
        for (int row = 0; row < grid->model()->rowCount(); ++row)
            widest = std::max(widest, grid->fontMetrics().horizontalAdvance(grid->model()->index(row, column).data().toString()));
        QVERIFY2(grid->columnWidth(column) >= widest + 6, qPrintable(headings[column]));
        allColumns += grid->columnWidth(column);
    }
    QVERIFY(allColumns <= grid->viewport()->width());
}

void tst_frmSubnets::fourSubnetsCopyAsFiveLines()
{
    frmSubnets list(planOf({"192", "168", "1", "0"}, 24, 26), ui().window());
    QVERIFY(showActive(list));
    QTest::mouseClick(list.findChild<QPushButton *>(QStringLiteral("btnCopyToClipboard")), Qt::LeftButton);
    const QString copied = MainWindowDriver::clipboardText();
    QCOMPARE(copied.count(QStringLiteral("\r\n")), 5);
    QVERIFY(copied.startsWith(QStringLiteral("Subnet\tMask\tInverse Mask\tSubnet Size\tHost Range\tBroadcast\r\n"
                                             "192.168.1.0\t255.255.255.192\t0.0.0.63\t62\t192.168.1.1 to 192.168.1.62\t192.168.1.63\r\n")));
    QVERIFY(copied.endsWith(QStringLiteral("192.168.1.192\t255.255.255.192\t0.0.0.63\t62\t192.168.1.193 to 192.168.1.254\t192.168.1.255\r\n")));

    // Ctrl+C from the grid copies the same, not the grid's current cell.
    QApplication::clipboard()->clear();
    auto *grid = list.findChild<QTableView *>(QStringLiteral("mfgSubnets"));
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(MainWindowDriver::clipboardText(), copied);
}

void tst_frmSubnets::nextBatchReplacesTheGridAndKeepsEveryRowForTheClipboard()
{
    frmSubnets list(planOf({"10", "0", "0", "0"}, 8, 19), ui().window());
    QVERIFY(showActive(list));
    auto *grid = list.findChild<QTableView *>(QStringLiteral("mfgSubnets"));
    auto *next = list.findChild<QPushButton *>(QStringLiteral("btnGenerate"));
    QVERIFY(next->isEnabled());
    QCOMPARE(grid->model()->rowCount(), 1024);

    QTest::mouseClick(next, Qt::LeftButton);
    QCOMPARE(grid->model()->rowCount(), 1024);
    QCOMPARE(rowTexts(grid, 0).front(), QStringLiteral("10.128.0.0"));  // row 1025
    QCOMPARE(rowTexts(grid, 1023).back(), QStringLiteral("10.255.255.255"));  // row 2048
    QVERIFY(!next->isEnabled());
    QVERIFY(!list.findChild<QAction *>(QStringLiteral("mnuGenerate"))->isEnabled());
    QCOMPARE(list.focusWidget(), list.findChild<QWidget *>(QStringLiteral("btnCopyToClipboard")));

    QTest::keyClick(list.focusWidget(), Qt::Key_Space);
    QCOMPARE(MainWindowDriver::clipboardText().count(QStringLiteral("\r\n")), 2049);
}

void tst_frmSubnets::enterLoadsABatchOnlyThroughItsButton()
{
    frmSubnets list(planOf({"10", "0", "0", "0"}, 8, 19), ui().window());
    QVERIFY(showActive(list));
    auto *grid = list.findChild<QTableView *>(QStringLiteral("mfgSubnets"));
    QCOMPARE(list.focusWidget(), grid);
    QTest::keyClick(grid, Qt::Key_Return);
    QTest::keyClick(grid, Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(rowTexts(grid, 0).front(), QStringLiteral("10.0.0.0"));

    auto *copy = list.findChild<QPushButton *>(QStringLiteral("btnCopyToClipboard"));
    copy->setFocus();
    QTest::keyClick(copy, Qt::Key_Return);
    QCOMPARE(MainWindowDriver::clipboardText().count(QStringLiteral("\r\n")), 1025);
    QCOMPARE(rowTexts(grid, 0).front(), QStringLiteral("10.0.0.0"));

    auto *next = list.findChild<QPushButton *>(QStringLiteral("btnGenerate"));
    next->setFocus();
    QTest::keyClick(next, Qt::Key_Return);
    QCOMPARE(rowTexts(grid, 0).front(), QStringLiteral("10.128.0.0"));
}

void tst_frmSubnets::columnsStandStillAndShowEveryTextWhole()
{
    // The second batch's second octets have three digits, the first batch's fewer.
    frmSubnets list(planOf({"10", "0", "0", "0"}, 8, 19), ui().window());
    QVERIFY(showActive(list));
    auto *grid = list.findChild<QTableView *>(QStringLiteral("mfgSubnets"));
    const auto widths = [grid] {
        QList<int> columns;
        for (int column = 0; column < 6; ++column)
            columns << grid->columnWidth(column);
        return columns;
    };
    const auto everyTextFits = [grid] {
        for (int column = 0; column < 6; ++column)
            for (int row = 0; row < grid->model()->rowCount(); ++row)
                if (grid->fontMetrics().horizontalAdvance(grid->model()->index(row, column).data().toString()) + 6 >
                    grid->columnWidth(column))
                    return false;
        return true;
    };
    const QList<int> firstBatch = widths();
    QVERIFY(everyTextFits());
    QTest::keyClick(&list, Qt::Key_G, Qt::ControlModifier);
    QCOMPARE(rowTexts(grid, 0).front(), QStringLiteral("10.128.0.0"));
    QCOMPARE(widths(), firstBatch);
    QVERIFY(everyTextFits());
}

void tst_frmSubnets::aTotalOfOneBatchStartsDisabled()
{
    frmSubnets list(planOf({"10", "0", "0", "0"}, 14, 24), ui().window());
    list.show();
    QCOMPARE(list.findChild<QTableView *>(QStringLiteral("mfgSubnets"))->model()->rowCount(), 1024);
    QVERIFY(!list.findChild<QPushButton *>(QStringLiteral("btnGenerate"))->isEnabled());
    QVERIFY(!list.findChild<QAction *>(QStringLiteral("mnuGenerate"))->isEnabled());
}

void tst_frmSubnets::ctrlGDoesNothingOnceDisabled()
{
    frmSubnets list(planOf({"10", "0", "0", "0"}, 8, 19), ui().window());
    QVERIFY(showActive(list));
    auto *grid = list.findChild<QTableView *>(QStringLiteral("mfgSubnets"));
    QTest::keyClick(&list, Qt::Key_G, Qt::ControlModifier);
    QCOMPARE(rowTexts(grid, 0).front(), QStringLiteral("10.128.0.0"));
    QTest::keyClick(&list, Qt::Key_G, Qt::ControlModifier);
    QCOMPARE(rowTexts(grid, 0).front(), QStringLiteral("10.128.0.0"));
    QTest::mouseClick(list.findChild<QPushButton *>(QStringLiteral("btnCopyToClipboard")), Qt::LeftButton);
    QCOMPARE(MainWindowDriver::clipboardText().count(QStringLiteral("\r\n")), 2049);
}

void tst_frmSubnets::rfc3021PlanListsTwoAddressSubnets()
{
    frmSubnets list(planOf({"10", "0", "0", "0"}, 30, 31), ui().window());
    list.show();
    auto *grid = list.findChild<QTableView *>(QStringLiteral("mfgSubnets"));
    QCOMPARE(grid->model()->rowCount(), 2);
    QCOMPARE(rowTexts(grid, 0), (QStringList{"10.0.0.0", "255.255.255.254", "0.0.0.1", "2", "10.0.0.0 to 10.0.0.1", "10.0.0.1"}));
    QCOMPARE(rowTexts(grid, 1), (QStringList{"10.0.0.2", "255.255.255.254", "0.0.0.1", "2", "10.0.0.2 to 10.0.0.3", "10.0.0.3"}));
}

void tst_frmSubnets::layoutAndMenus()
{
    frmSubnets list(planOf({"10", "0", "0", "0"}, 24, 24), ui().window());
    list.show();
    QCOMPARE(list.windowTitle(), QStringLiteral("Subnets"));
    QCOMPARE(list.findChild<QWidget *>(QStringLiteral("client"))->size(), QSize(617, 253));
    QCOMPARE(list.findChild<QWidget *>(QStringLiteral("mfgSubnets"))->geometry(), QRect(16, 16, 585, 177));
    const QStringList buttons{"btnGenerate", "btnCopyToClipboard", "btnOK"};
    const QStringList captions{"Generate Next 1024 Subnets", "Copy to Clipboard", "OK"};
    for (int k = 0; k < 3; ++k) {
        auto *button = list.findChild<QPushButton *>(buttons[k]);
        QCOMPARE(button->text(), captions[k]);
        QVERIFY(button->fontMetrics().horizontalAdvance(captions[k]) < button->width());
    }
    QCOMPARE(list.findChild<QAction *>(QStringLiteral("mnuGenerate"))->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_G));
    QCOMPARE(list.findChild<QAction *>(QStringLiteral("mnuCopyToClipboard"))->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_C));
    QCOMPARE(list.findChild<QAction *>(QStringLiteral("mnuExit"))->shortcut(), QKeySequence(Qt::Key_F3));
    QCOMPARE(list.findChild<QAction *>(QStringLiteral("mnuContents"))->shortcut(), QKeySequence(Qt::Key_F1));
    QStringList fileMenu;
    for (const QAction *entry : list.findChild<QMenu *>(QStringLiteral("mnuFile"))->actions())
        fileMenu << (entry->isSeparator() ? QStringLiteral("-") : entry->text());
    QCOMPARE(fileMenu, (QStringList{"&Generate Next 1024 Subnets", "&Copy to Clipboard", "-", "E&xit"}));
    QStringList helpMenu;
    for (const QAction *entry : list.findChild<QMenu *>(QStringLiteral("mnuHelp"))->actions())
        helpMenu << entry->text();
    QCOMPARE(helpMenu, (QStringList{"&Contents", "&Index", "Trevantis Software on the Web", "About..."}));
}

void tst_frmSubnets::modelPassesQtsChecks()
{
    frmSubnets list(planOf({"10", "0", "0", "0"}, 8, 19), ui().window());
    auto *grid = list.findChild<QTableView *>(QStringLiteral("mfgSubnets"));
    QAbstractItemModelTester tester(grid->model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    QTest::mouseClick(list.findChild<QPushButton *>(QStringLiteral("btnGenerate")), Qt::LeftButton);
    QCOMPARE(grid->model()->rowCount(), 1024);
}

QTEST_MAIN(tst_frmSubnets)
#include "tst_frmsubnets.moc"
