// The subnet list window: opened from the "Subnet Calculator" tab as a user
// opens it, and driven through its buttons, menus and keys.
#include "tests/ui/main/mainwindowdriver.h"
#include "ui/subnets/frmsubnets.h"

class tst_frmSubnets : public QObject
{
    Q_OBJECT

private:
    MainWindowDriver &ui() { return *m_ui; }
    // A list shown in front; by default of 2048 rows, 10.0.0.0/8 in subnets of /19.
    std::unique_ptr<frmSubnets> showList(std::uint32_t block = 0x0A000000, int cidrBits = 8, int subnetBits = 19)
    {
        using namespace netquill;
        return show(std::make_unique<frmSubnets>(
            subnetListing(Split<Ipv4Address>(Ipv4Block::containing(Ipv4Address(block), cidrBits), subnetBits)),
            ui().window()));
    }
    std::unique_ptr<frmSubnets> show(std::unique_ptr<frmSubnets> list)
    {
        list->show();
        list->activateWindow();
        if (!QTest::qWaitFor([&list] { return QGuiApplication::focusWindow() == list->windowHandle(); }))
            qFatal("the subnet list never took the keyboard");
        return list;
    }
    static QTableView *grid(QWidget *list) { return list->findChild<QTableView *>("mfgSubnets"); }
    static QString cell(QWidget *list, int row, int column)
    {
        return grid(list)->model()->index(row, column).data().toString();
    }
    static QPushButton *button(QWidget *list, const char *name) { return list->findChild<QPushButton *>(name); }

    std::unique_ptr<MainWindowDriver> m_ui;

private slots:
    void init() { m_ui = std::make_unique<MainWindowDriver>(); }
    void cleanup() { m_ui.reset(); }

    // The list shows the tab's plan, modal over the main window only: the
    // help opened from it takes keys, which travel through the window system
    // here, where a window blocked by a modal one loses them.
    void generateOpensTheTabsPlanBesideAUsableHelp()
    {
        ui().showTab(2);
        ui().typeAddress("txtIPBlock1", "192.168.1.9");
        ui().pick("cboCIDRMask", "255.255.255.0");
        ui().pick("cboSubnetMask", "255.255.255.192");
        QStringList seen;
        QTimer::singleShot(0, this, [&] {
            if (auto *list = qobject_cast<frmSubnets *>(QApplication::activeModalWidget())) {
                QAbstractItemModelTester tester(grid(list)->model(),
                                                QAbstractItemModelTester::FailureReportingMode::QtTest);
                seen << cell(list, 3, 0) << cell(list, 3, 4) << list->parentWidget()->objectName();
                seen << (list->windowModality() == Qt::WindowModal ? "window modal" : "other modality");
                seen << MainWindowDriver::typeIntoHelpIndex("rf");
                list->close();
            }
        });
        ui().click("btnGenerate");
        QCOMPARE(seen,
                 (QStringList{"192.168.1.192", "192.168.1.193 to 192.168.1.254", "frmNetquill", "window modal", "rf"}));
    }

    // Shrunk as far as it goes, the list still shows every control whole.
    void neverSmallerThanItsControls()
    {
        auto list = showList();
        list->resize(1, 1);
        for (const QWidget *control : list->findChild<QWidget *>("client")->findChildren<QWidget *>())
            QVERIFY2(list->rect().contains(QRect(control->mapTo(list.get(), QPoint()), control->size())),
                     qPrintable(control->objectName()));
    }

    // Tab and Shift+Tab go from control to control, past a disabled button;
    // the arrow keys move inside the grid.
    void tabLeavesTheGridArrowsMoveInIt()
    {
        auto list = showList();
        QTableView *view = grid(list.get());
        QTest::keyClick(view, Qt::Key_Down);
        QCOMPARE(view->currentIndex().row(), 1);
        QStringList visited;
        for (const Qt::KeyboardModifier modifier : {Qt::NoModifier, Qt::NoModifier, Qt::NoModifier, Qt::ShiftModifier,
                                                    Qt::ShiftModifier, Qt::ShiftModifier}) {
            QTest::keyClick(list->focusWidget(), Qt::Key_Tab, modifier);
            visited << list->focusWidget()->objectName();
        }
        QCOMPARE(visited, (QStringList{"btnGenerate", "btnCopyToClipboard", "btnOK", "btnCopyToClipboard",
                                       "btnGenerate", "mfgSubnets"}));
        QCOMPARE(view->currentIndex().row(), 1);
        QTest::keyClick(list.get(), Qt::Key_G, Qt::ControlModifier);
        view->setFocus();
        QTest::keyClick(view, Qt::Key_Tab);
        QCOMPARE(list->focusWidget(), button(list.get(), "btnCopyToClipboard"));
    }

    void exitClosesOnlyTheList()
    {
        for (const Qt::Key key : {Qt::Key_F3, Qt::Key_Escape, Qt::Key_Return}) {
            auto list = showList();
            if (key == Qt::Key_Return)
                button(list.get(), "btnOK")->setFocus();
            QTest::keyClick(list->focusWidget(), key);
            QVERIFY(!list->isVisible());
            QVERIFY(ui().window()->isVisible());
        }
    }

    // No button is the default: Enter works only on a focused button; Copy puts every row so far;
    // the last batch disables Generate and its key.
    void keysAndButtonsLoadAndCopyBatches()
    {
        auto list = showList();
        QCOMPARE(list->focusWidget(), grid(list.get()));
        for (const char *name : {"btnGenerate", "btnCopyToClipboard", "btnOK"})
            QVERIFY2(!button(list.get(), name)->isDefault(), name);  // drawn as no default
        QTest::keyClick(grid(list.get()), Qt::Key_Return);
        QTest::keyClick(grid(list.get()), Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(cell(list.get(), 0, 0), "10.0.0.0");
        button(list.get(), "btnCopyToClipboard")->setFocus();
        QTest::keyClick(list->focusWidget(), Qt::Key_Return);
        QVERIFY(MainWindowDriver::clipboardText().startsWith(
            QStringLiteral("Subnet\tMask\tInverse Mask\tSubnet Size\tHost Range\tBroadcast\r\n"
                           "10.0.0.0\t255.255.224.0\t0.0.31.255\t8190\t10.0.0.1 to 10.0.31.254\t10.0.31.255\r\n")));
        QCOMPARE(MainWindowDriver::clipboardText().count("\r\n"), 1025);
        button(list.get(), "btnGenerate")->setFocus();
        QTest::keyClick(list->focusWidget(), Qt::Key_Return);
        QCOMPARE(cell(list.get(), 0, 0), "10.128.0.0");  // row 1025
        QVERIFY(!button(list.get(), "btnGenerate")->isEnabled());
        QCOMPARE(list->focusWidget(), button(list.get(), "btnCopyToClipboard"));
        QTest::keyClick(list.get(), Qt::Key_G, Qt::ControlModifier);  // nothing more
        QTest::keyClick(grid(list.get()), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(MainWindowDriver::clipboardText().count("\r\n"), 2049);
        QCOMPARE(cell(list.get(), 0, 0), "10.128.0.0");
    }

    // Each column is at least as wide as Qt's own measure of its heading and
    // of the rows shown. The second batch's second octets have three digits,
    // the first batch's fewer; the widest plans have three digits everywhere.
    void columnsStandStillAndShowEveryTextWhole()
    {
        const auto widths = [](QTableView *view) {
            QList<int> columns;
            for (int column = 0; column < 6; ++column) {
                const int needed = std::max(static_cast<QAbstractItemView *>(view)->sizeHintForColumn(column),
                                            view->horizontalHeader()->sectionSizeHint(column));
                columns << (needed <= view->columnWidth(column) ? view->columnWidth(column) : -needed);
            }
            return columns;
        };
        auto list = showList();
        const QList<int> firstBatch = widths(grid(list.get()));
        QVERIFY(std::all_of(firstBatch.begin(), firstBatch.end(), [](int width) { return width > 0; }));
        QTest::keyClick(list.get(), Qt::Key_G, Qt::ControlModifier);
        QCOMPARE(cell(list.get(), 0, 0), "10.128.0.0");
        QCOMPARE(widths(grid(list.get())), firstBatch);

        for (const std::uint32_t block : {0xC0A86400u, 0xFFFFFF00u}) {
            auto widest = showList(block, 24, 30);
            const QList<int> shown = widths(grid(widest.get()));
            QVERIFY2(std::all_of(shown.begin(), shown.end(), [](int width) { return width > 0; }),
                     qPrintable(cell(widest.get(), 63, 0)));
            QCOMPARE(grid(widest.get())->horizontalScrollBar()->maximum(), 0);
        }
    }

    // The IPv6 tab's Generate lists its split; Find (Ctrl+F, and the grid's
    // menu) starts again at a row or at an address's subnet, that row
    // current, Generate going on from there; Copy holds the rows since the
    // Find, as netquill-cli list writes them from that row.
    void findStartsAgainAtARowOrAnAddressBothFamilies()
    {
        ui().showTab(3);
        QTest::keyClicks(ui().focus(), "2001:db8::/32");
        ui().pick("cboIPv6SubnetPrefix", "64");
        QStringList seen;
        const auto find = [&seen](frmSubnets *list, const QString &text) {
            QTimer::singleShot(0, list, [&seen, text] {
                auto *box = QApplication::activeModalWidget();
                QTest::keyClicks(box->findChild<QLineEdit *>("txtFind"), text);
                seen << box->findChild<QLabel *>("lblReason")->text();
                box->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
            });
        };
        QTimer::singleShot(0, this, [&] {
            auto *list = qobject_cast<frmSubnets *>(QApplication::activeModalWidget());
            const auto active = [list] {
                return QTest::qWaitFor([list] { return QGuiApplication::focusWindow() == list->windowHandle(); });
            };
            QVERIFY(active());
            find(list, "4294967296");
            QTest::keyClick(grid(list), Qt::Key_F, Qt::ControlModifier);
            seen << cell(list, 0, 0) << QString::number(grid(list)->currentIndex().row());
            find(list, "2001:db8:1:2::3");
            grid(list)->actions().at(0)->trigger();  // the grid's menu: Find
            QVERIFY(active());
            QTest::keyClick(list, Qt::Key_G, Qt::ControlModifier);
            seen << cell(list, 0, 0) << cell(list, 0, 4);
            button(list, "btnCopyToClipboard")->click();
            list->close();
        });
        ui().click("btnIPv6Generate");
        QCOMPARE(seen,
                 (QStringList{"", "2001:db8:ffff:ffff::/64", "0", "", "2001:db8:1:402::/64", "18446744073709551616"}));
        QCOMPARE(MainWindowDriver::clipboardText(),
                 MainWindowDriver::cli(
                     {"list", "2001:db8::/32", "--mask-bits", "64", "--from", "65539", "--count", "2048", "--crlf"}));

        auto list = showList();
        QTimer::singleShot(0, list.get(), [&seen] {
            auto *box = QApplication::activeModalWidget();
            for (const char *text : {"0", "10.1.0.0", "11.0.0.1"}) {
                box->findChild<QLineEdit *>("txtFind")->setText(text);
                seen << box->findChild<QLabel *>("lblReason")->text();
            }
            box->close();
        });
        QTest::keyClick(grid(list.get()), Qt::Key_F, Qt::ControlModifier);
        QCOMPARE(seen.mid(6), (QStringList{"rows are numbered 1 to 2048", "", "is outside 10.0.0.0/8"}));
    }

    void screenReadersHearTheGridAndItsButtons()
    {
        auto list = showList();
        QAccessibleInterface *grid = QAccessible::queryAccessibleInterface(list->findChild<QTableView *>());
        QCOMPARE(grid->text(QAccessible::Name), "Subnets");
        QAccessibleTableInterface *table = grid->tableInterface();
        QVERIFY(table);
        QCOMPARE(table->columnCount(), 6);
        QCOMPARE(table->columnDescription(5), "Broadcast");
        QCOMPARE(table->cellAt(0, 4)->text(QAccessible::Name), "10.0.0.1 to 10.0.31.254");
        QCOMPARE(QAccessible::queryAccessibleInterface(button(list.get(), "btnGenerate"))->text(QAccessible::Name),
                 "Generate Next 1024 Subnets");
    }
};

QTEST_MAIN(tst_frmSubnets)
#include "tst_frmsubnets.moc"
