// The main window driven with keys and clicks on its real controls, found by
// their names: each tab's handlers read their fields and write their results
// back, the rules only a window has (focus, keys, paste, names for screen
// readers), copying, exporting through the save dialog, and ending.
#include "tests/ui/main/dialoganswerer.h"
#include "tests/ui/main/mainwindowdriver.h"
#include "ui/shell/hyperjump.h"

#include <csignal>
#include <sys/resource.h>

namespace {

const QStringList kConverterFields{"txtDottedQuad1", "txtDottedQuad2", "txtDottedQuad3", "txtDottedQuad4",
                                   "txtDecimal",     "txtHexadecimal", "txtOctal",       "txtBinary"};
const QStringList kNetworkResults{"txtHostID", "txtNetworkID", "txtBroadcastAddress", "txtNodesPerSubnet"};
const QStringList kPlanLists{"cboSubnetMask", "cboMaskBits", "cboNumberOfSubnets", "cboHostBits", "cboHostsPerSubnet"};

}  // namespace

class tst_frmNetquill : public QObject
{
    Q_OBJECT

private:
    MainWindowDriver &ui() { return *m_ui; }
    // Types Space and x into the help window while the dialog waits, hears
    // what the help took and whether the dialog is still open, then answers it.
    static DialogAnswerer::Handler besideHelp(const DialogAnswerer::Handler &answer, QStringList *heard)
    {
        return [=](QWidget *dialog) {
            const QString typed = MainWindowDriver::typeIntoHelpIndex(" x");
            *heard << typed + (QApplication::activeModalWidget() == dialog ? "" : " and the dialog closed");
            return answer(dialog);
        };
    }
    void choose(const char *option) { QTest::mouseClick(ui().control<QRadioButton>(option), Qt::LeftButton); }
    void planBlock(const QString &address, const QString &cidrMask)
    {
        ui().showTab(2);
        ui().typeAddress("txtIPBlock1", address);
        ui().pick("cboCIDRMask", cidrMask);
    }

    std::unique_ptr<MainWindowDriver> m_ui;
    std::unique_ptr<QTemporaryDir> m_folder;
    QList<QUrl> m_opened;
    UrlOpener m_desktopOpener;

private slots:
    void init()
    {
        m_opened.clear();
        m_folder = std::make_unique<QTemporaryDir>();
        m_desktopOpener = replaceUrlOpener([this](const QUrl &url) { m_opened << url; });
        m_ui = std::make_unique<MainWindowDriver>();
    }
    void cleanup()
    {
        m_ui.reset();
        replaceUrlOpener(m_desktopOpener);
    }

    // A palette the desktop changes to while the program runs: the read-only
    // fields take its colours, not those of the start.
    void aNewPaletteIsFollowed()
    {
        const QPalette before = QApplication::palette();
        QPalette dark = before;
        dark.setColor(QPalette::Button, QColor(0x35, 0x35, 0x35));
        dark.setColor(QPalette::Base, QColor(0x20, 0x20, 0x20));
        QApplication::setPalette(dark);
        const QColor shown = ui().control<QLineEdit>("txtHostID")->palette().color(QPalette::Base);
        QApplication::setPalette(before);
        QCOMPARE(shown, QColor(0x35, 0x35, 0x35));
    }

    void everyCaptionFitsAndTheFramesStandInPlace()
    {
        auto *tabs = ui().control<QTabWidget>("SSTab1");
        QTest::keyClicks(ui().field("txtIPv6Address"), "2001:0:4136:e378:8000:63bf:3fff:fdd2/124");
        for (int tab = 0; tab < tabs->count(); ++tab) {
            tabs->setCurrentIndex(tab);
            const QWidget *frame = tabs->widget(tab)->findChild<QGroupBox *>();
            QCOMPARE(QRect(frame->mapTo(tabs, QPoint(0, 0)), frame->size()), QRect(16, 32, 505, 225));
            for (const QWidget *control : frame->findChildren<QWidget *>()) {
                QString caption;
                if (const auto *button = qobject_cast<const QAbstractButton *>(control))
                    caption = button->text().remove(QLatin1Char('&'));
                else if (const auto *label = qobject_cast<const QLabel *>(control))
                    caption = QTextDocumentFragment::fromHtml(label->text()).toPlainText();
                // An answer's text within the field's frame and margins.
                const auto *answer = qobject_cast<const QLineEdit *>(control);
                const int room = answer ? control->width() - 8 : control->width();
                if (answer && answer->isReadOnly())
                    caption = answer->text();
                QVERIFY2(control->fontMetrics().horizontalAdvance(caption) <= room, qPrintable(caption));
            }
        }
    }

    // Shrunk as far as it goes, the window still shows every control whole.
    void neverSmallerThanItsControls()
    {
        frmNetquill *window = ui().window();
        window->resize(1, 1);
        for (const QWidget *control : window->centralWidget()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            QVERIFY2(window->rect().contains(QRect(control->mapTo(window, QPoint()), control->size())),
                     qPrintable(control->objectName()));
    }

    // ---- The "Netquill" tab ----

    // Each notation's field keeps only its own characters up to its length;
    // Convert reads the chosen one and writes all, Clear empties them.
    void convertReadsTheChosenNotationAndWritesAll()
    {
        const QStringList all{"192",        "168",      "1",           "1",
                              "3232235777", "C0A80101", "30052000401", "11000000101010000000000100000001"};
        const std::pair<const char *, QString> typed[] = {{"optDottedQuad", "19x2.168.1.1"},
                                                          {"optDecimal", "3232235777-1"},
                                                          {"optHexadecimal", "gc0a80101"},
                                                          {"optOctal", "30058920004019"},
                                                          {"optBinary", all[7] + "12"}};
        for (const auto &[option, text] : typed) {
            ui().click("btnClearIP");
            QCOMPARE(ui().shown(kConverterFields), QStringList(8));
            choose(option);
            MainWindowDriver::typeAtFocus(text);
            ui().click("btnConvert");
            QCOMPARE(ui().shown(kConverterFields), all);
        }
        MainWindowDriver::clickInto(ui().field("txtDecimal"));  // grey: takes nothing
        MainWindowDriver::typeAtFocus("5");
        QCOMPARE(ui().field("txtDecimal")->text(), all[4]);
    }

    void dotMovesOnFromAnOctet()
    {
        const std::tuple<int, const char *, const char *> moves[] = {{0, "txtDottedQuad4", "btnConvert"},
                                                                     {1, "txtIP4", "cboNetworkSubnetMask"},
                                                                     {2, "txtIPBlock4", "cboCIDRMask"}};
        for (const auto &[tab, from, to] : moves) {
            ui().showTab(tab);
            MainWindowDriver::clickInto(ui().field(from));
            QTest::keyClicks(ui().field(from), "1.");
            QCOMPARE(MainWindowDriver::focus(), ui().control<QWidget>(to));
        }
    }

    // A key's text or an input method's commit of several characters: each
    // goes through the rule, a character outside the plane whole.
    void aKeyTypingManyCharactersFiltersEachOne()
    {
        QLineEdit *first = ui().field("txtDottedQuad1");
        first->setFocus();
        QTest::sendKeyEvent(QTest::Press, first, Qt::Key_unknown, "1.25", Qt::NoModifier);
        QCOMPARE(ui().shown({"txtDottedQuad1", "txtDottedQuad2"}), (QStringList{"1", "25"}));
        first->clear();
        first->setFocus();
        QInputMethodEvent commit;
        commit.setCommitString(QString::fromUtf8("1a\xF0\x9F\x98\x80"
                                                 "2"));
        QApplication::sendEvent(first, &commit);
        QCOMPARE(first->text(), "12");
    }

    // Ctrl+V, Shift+Insert and the context menu all paste a whole number or
    // nothing: a paste is never cut into another address.
    void pastingTakesAWholeNumberOrNothing()
    {
        choose("optHexadecimal");
        QLineEdit *hexadecimal = ui().field("txtHexadecimal");
        for (const auto &[pasted, held] :
             {std::pair{"0xC0A80101", "C0A80101"}, {" c0a80101 ", "C0A80101"}, {"0xC0A8010101", "C0A80101"}}) {
            QApplication::clipboard()->setText(pasted);
            hexadecimal->selectAll();
            QTest::keyClick(hexadecimal, Qt::Key_V, Qt::ControlModifier);
            QCOMPARE(hexadecimal->text(), held);
        }
        ui().click("btnConvert");
        QCOMPARE(ui().field("txtDottedQuad3")->text(), "1");

        ui().showTab(1);
        QApplication::clipboard()->setText(" 10.1.2.3/8\n");
        QTest::keyClick(ui().field("txtIP3"), Qt::Key_Insert, Qt::ShiftModifier);
        QCOMPARE(ui().shown({"txtIP1", "txtIP2", "txtIP3", "txtIP4"}), (QStringList{"10", "1", "2", "3"}));

        QLineEdit *octet = ui().field("txtIPBlock1");
        octet->setText("7");
        for (const auto &[pasted, held] : {std::pair{"x9y9", "7"}, {"42", "42"}}) {
            octet->selectAll();
            QApplication::clipboard()->setText(pasted);
            QTimer::singleShot(0, this, [] {
                auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
                for (QAction *entry : menu ? menu->actions() : QList<QAction *>())
                    if (entry->text().startsWith(QLineEdit::tr("&Paste")))
                        entry->trigger();
                if (menu)
                    menu->close();
            });
            QContextMenuEvent request(QContextMenuEvent::Keyboard, QPoint(5, 5), octet->mapToGlobal(QPoint(5, 5)));
            QApplication::sendEvent(octet, &request);
            QTRY_VERIFY(!QApplication::activePopupWidget());
            QCOMPARE(octet->text(), held);
        }
    }

    // An arrow key on an option clicks its neighbour; Tab enters the group on the chosen one.
    void anArrowKeyChoosesANotationAndTabFindsIt()
    {
        ui().typeAddress("txtDottedQuad1", "192.168.1.1");
        ui().click("btnConvert");
        ui().control<QWidget>("optDottedQuad")->setFocus();
        QTest::keyClick(MainWindowDriver::focus(), Qt::Key_Down);
        QVERIFY(ui().control<QRadioButton>("optDecimal")->isChecked());
        QCOMPARE(MainWindowDriver::focus(), ui().field("txtDecimal"));
        QCOMPARE(ui().field("txtDecimal")->selectedText(), "3232235777");
        QVERIFY(!ui().field("txtDecimal")->isReadOnly() && ui().field("txtDottedQuad1")->isReadOnly());
        ui().control<QWidget>("optDecimal")->setFocus();
        QTest::keyClick(MainWindowDriver::focus(), Qt::Key_Up);
        QCOMPARE(MainWindowDriver::focus(), ui().field("txtDottedQuad1"));
        QCOMPARE(ui().field("txtDottedQuad1")->selectedText(), "192");
        ui().field("txtDottedQuad4")->setFocus();
        QTest::keyClick(MainWindowDriver::focus(), Qt::Key_Tab);  // passing the grey fields
        QCOMPARE(MainWindowDriver::focus(), ui().control<QWidget>("optDottedQuad"));
        ui().control<QWidget>("btnConvert")->setFocus();
        QTest::keyClick(MainWindowDriver::focus(), Qt::Key_Backtab);
        QCOMPARE(MainWindowDriver::focus(), ui().control<QWidget>("optDottedQuad"));
    }

    void ctrlCCopiesTheShownTabEvenFromASelection()
    {
        const std::tuple<const char *, QString, int> tabs[] = {{"txtDottedQuad1", "IP Address : 1...\r\n", 5},
                                                               {"txtIP1", "IPAddress        : 1...\r\n", 8},
                                                               {"txtIPBlock1", "IPAddress       : 1.0.0.0\r\n", 11}};
        for (int tab = 0; tab < 3; ++tab) {
            const auto &[field, firstLine, lines] = tabs[tab];
            ui().showTab(tab);
            QTest::keyClicks(ui().field(field), "1");
            ui().field(field)->selectAll();
            QTest::keyClick(ui().field(field), Qt::Key_C, Qt::ControlModifier);
            QVERIFY(MainWindowDriver::clipboardText().startsWith(firstLine));
            QCOMPARE(MainWindowDriver::clipboardText().count("\r\n"), lines);
        }
    }

    // Every control a user can reach or read: a name from the caption beside
    // it, unique in the window, its label its buddy; result fields read-only.
    void everyControlHasANameForScreenReaders()
    {
        QStringList names;
        QList<QWidget *> controls{ui().control<QWidget>("btnExit")};
        for (const QGroupBox *frame : ui().control<QTabWidget>("SSTab1")->findChildren<QGroupBox *>())
            controls += frame->findChildren<QWidget *>();
        for (QWidget *control : controls) {
            if (!qobject_cast<QLineEdit *>(control) && !qobject_cast<QComboBox *>(control) &&
                !qobject_cast<QAbstractButton *>(control))
                continue;
            QAccessibleInterface *reader = QAccessible::queryAccessibleInterface(control);
            const QString name = reader->text(QAccessible::Name);
            QVERIFY2(!name.isEmpty() && !names.contains(name), qPrintable(control->objectName() + ": " + name));
            names << name;
            if (auto *field = qobject_cast<QLineEdit *>(control))
                QCOMPARE(reader->state().readOnly, field->isReadOnly());
            for (const QLabel *label : ui().window()->findChildren<QLabel *>())
                if (label->buddy() == control)
                    QVERIFY2(name.startsWith(label->text().chopped(1)) || label->text() == QLatin1String("or /"),
                             qPrintable(name));
        }
        QVERIFY(names.contains("Dotted-Quad IP Address, octet 2") && names.contains("CIDR Mask bits") &&
                names.contains("Host ID"));
        QCOMPARE(QAccessible::queryAccessibleInterface(ui().control<QLabel>("lblRFC3021"))->role(), QAccessible::Link);
    }

    // Esc in a field, F3 and the close box each end the program's event loop
    // at once; the watchdog's code says it did not.
    void everyWayOutEndsTheProgram()
    {
        for (const int key : {int(Qt::Key_Escape), int(Qt::Key_F3), 0}) {
            m_ui = std::make_unique<MainWindowDriver>();
            QTimer::singleShot(0, ui().window(), [this, key] {
                if (key)
                    QTest::keyClick(ui().field("txtDottedQuad1"), Qt::Key(key));
                else
                    ui().window()->close();
            });
            QTimer watchdog;
            watchdog.callOnTimeout([] { QCoreApplication::exit(99); });
            watchdog.start(5000);
            QCOMPARE(QCoreApplication::exec(), 0);
        }
    }

    // Esc in an open list, opened by F4 or by the mouse, closes the list and nothing more.
    void escapeClosesAnOpenListOnly()
    {
        ui().showTab(2);
        QComboBox *list = ui().list("cboCIDRMask");
        for (const bool byMouse : {false, true}) {
            if (byMouse)
                QTest::mouseClick(list, Qt::LeftButton);
            else
                QTest::keyClick(list, Qt::Key_F4);
            QVERIFY(QTest::qWaitForWindowExposed(list->view()->window()));
            QTest::keyClick(list->view(), Qt::Key_Escape);
            QTRY_VERIFY(!list->view()->window()->isVisible());
            QVERIFY(ui().window()->isVisible());
        }
    }

    // ---- The "Network/Node Calculator" tab ----

    void maskAndBitsListsFollowEachOther()
    {
        const std::tuple<int, const char *, QString, const char *, QString> choices[] = {
            {1, "cboNetworkBits", "24", "cboNetworkSubnetMask", "255.255.255.0"},
            {2, "cboCIDRMask", "255.255.255.255", "cboBits", "32"}};
        for (const auto &[tab, chosenList, entry, partnerList, partnerEntry] : choices) {
            ui().showTab(tab);
            QCOMPARE(ui().list(partnerList)->count(), 32);
            ui().pick(chosenList, entry);
            QCOMPARE(ui().list(partnerList)->currentText(), partnerEntry);
        }
    }

    // Calculate reads the address and the last mask chosen; Copy puts what
    // the tab shows; Clear empties it and chooses the first mask.
    void calculateCopyAndClear()
    {
        ui().showTab(1);
        ui().typeAddress("txtIP1", "192.168.300.10");
        ui().click("btnCalculate");  // no mask yet: every bit a host bit
        QCOMPARE(ui().shown(kNetworkResults),
                 (QStringList{"192.168.45.10", "0.0.0.0", "255.255.255.255", "4294967294"}));
        QCOMPARE(ui().field("txtIP3")->text(), "45");  // folded back into its field
        ui().pick("cboNetworkSubnetMask", "255.255.255.0");
        QCOMPARE(ui().field("txtNodesPerSubnet")->text(), "4294967294");  // a choice does not calculate
        ui().click("btnCalculate");
        ui().click("btnCopyTab2ToClipboard");
        QCOMPARE(MainWindowDriver::clipboardText(),
                 QStringLiteral("IPAddress        : 192.168.45.10\r\nSubnet Mask      : 255.255.255.0\r\n"
                                "Subnet Mask Bits : /24\r\n\r\nHost ID          : 0.0.0.10\r\n"
                                "Network ID       : 192.168.45.0\r\nBroadcast Address: 192.168.45.255\r\n"
                                "Nodes in Subnet  : 254\r\n"));
        ui().click("btnClearNetwork");
        QCOMPARE(ui().shown({"cboNetworkSubnetMask", "cboNetworkBits", "txtIP1", "txtHostID"}),
                 (QStringList{"128.0.0.0", "1", "", ""}));
        QCOMPARE(MainWindowDriver::focus(), ui().field("txtIP1"));
    }

    // ---- The "Subnet Calculator" tab ----

    // One choice moves every plan list once; choosing the CIDR mask again
    // starts over at the undivided block.
    void planChoicesMoveTheOtherListsOnce()
    {
        planBlock("10.1.2.3", "255.255.240.0");
        QList<std::shared_ptr<QSignalSpy>> moves;
        for (const QString &name : kPlanLists + QStringList{"cboCIDRMask", "cboBits"})
            moves << std::make_shared<QSignalSpy>(ui().list(name), &QComboBox::currentIndexChanged);
        ui().pick("cboHostBits", "6");
        QList<int> counts;
        for (const auto &spy : moves)
            counts << spy->count();
        QCOMPARE(counts, (QList<int>{1, 1, 1, 1, 1, 0, 0}));
        QCOMPARE(ui().shown(kPlanLists + QStringList{"txtSubnetBitMask"}),
                 (QStringList{"255.255.255.192", "26", "64", "6", "62", "nnnnnnnn.nnnnnnnn.nnnnssss.sshhhhhh"}));
        ui().pick("cboCIDRMask", "255.255.240.0");
        QCOMPARE(ui().shown(kPlanLists + QStringList{"cboBits", "lblBits", "txtSubnetBitMask"}),
                 (QStringList{"255.255.240.0", "20", "1", "12", "4094", "20", "/20",
                              "nnnnnnnn.nnnnnnnn.nnnnhhhh.hhhhhhhh"}));
        QCOMPARE(ui().list("cboHostsPerSubnet")->count(), 13);
    }

    // Copy folds an octet above 255 where the user sees it, as Generate does,
    // and copies the block the list and the exports name.
    void copyPutsElevenLinesWithTheSubnetAddress()
    {
        planBlock("265.1.2.3", "255.0.0.0");
        ui().pick("cboSubnetMask", "255.255.0.0");
        ui().click("btnCopyTab3ToClipboard");
        QCOMPARE(ui().field("txtIPBlock1")->text(), "10");
        QCOMPARE(MainWindowDriver::clipboardText(),
                 QStringLiteral("IPAddress       : 10.1.2.3\r\nAddress Class    : Classless /8\r\n"
                                "Network Address  : 255.0.0.0\r\n\r\nSubnet Address   : 10.1.0.0\r\n"
                                "Subnet Mask      : 255.255.0.0\r\n"
                                "Subnet Bit Mask  : nnnnnnnn.ssssssss.hhhhhhhh.hhhhhhhh\r\n"
                                "Subnet Bits      : 16\r\nHost Bits        : 16\r\n"
                                "Possible Number of Subnets : 256\r\nHosts per Subnet : 65534\r\n"));
    }

    // The box waits beside a working help window, whose keys stay its own.
    void generateFoldsTheBlockAndNeedsACidrMask()
    {
        ui().showTab(2);
        ui().typeAddress("txtIPBlock1", ".256.999.");
        QString shown;
        QStringList heard;
        DialogAnswerer answerer({besideHelp(DialogAnswerer::acceptMessage(&shown), &heard)});
        ui().click("btnGenerate");
        QCOMPARE(heard, QStringList{" x"});
        QCOMPARE(shown, "Trevantis Netquill: Please set the CIDR Mask of the Primary Address Block.");
        QCOMPARE(ui().shown({"txtIPBlock1", "txtIPBlock2", "txtIPBlock3", "txtIPBlock4"}),
                 (QStringList{"0", "1", "234", "0"}));
        QCOMPARE(ui().window()->focusWidget(), ui().list("cboCIDRMask"));
    }

    // ---- File > Export ----

    // One export per kind, each of another tab: the shown tab goes into the
    // file, which then opens; the dialog shows the kind's filter as it reads,
    // matching every pattern behind it.
    void eachExportWritesTheShownTabAndOpensIt()
    {
        const std::tuple<const char *, const char *, QString, QByteArray> kinds[] = {
            {"mnuCSV", "txtDottedQuad1", "CSV (Comma delimited) (*.csv)",
             "#,Netquill\r\n#\r\nIP Address:,10.1.2.3\r\nDecimal:,\"167838211\xA0\"\r\n"},
            {"mnuTXT", "txtIP1", "Text (*.txt)", "#\t\tNetwork/Node Calculator\r\n#\r\nIP Address:\t\t10.1.2.3\r\n"},
            {"mnuHTML", "txtIPBlock1", "Web Page (*.htm; *html)",
             "<tr><td>Address Block</td><td>10.1.2.3/24</td></tr>\r\n"}};
        for (int tab = 0; tab < 3; ++tab) {
            const auto &[entry, firstOctet, filter, expected] = kinds[tab];
            ui().showTab(tab);
            // The Subnet Calculator's export folds 265 to 10 first, as its list does.
            ui().typeAddress(firstOctet, tab == 2 ? "265.1.2.3" : "10.1.2.3");
        }
        ui().pick("cboBits", "24");
        for (int tab = 0; tab < 3; ++tab) {
            const auto &[entry, firstOctet, filter, expected] = kinds[tab];
            ui().showTab(tab);
            if (tab == 0)
                ui().click("btnConvert");
            const QString path = m_folder->filePath(entry);
            QStringList seen;
            DialogAnswerer answerer({DialogAnswerer::saveAs(path, &seen)});
            ui().control<QAction>(entry)->trigger();
            QVERIFY(answerer.allAnswered());
            QCOMPARE(seen.at(1), filter);
            QVERIFY(seen.at(2).endsWith(tab == 2 ? "(*.htm *.html)" : filter.right(7)));
            QFile file(path);
            const QByteArray written = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
            QVERIFY2(written.contains(expected), written.constData());
            QCOMPARE(m_opened.takeFirst(), QUrl::fromLocalFile(path));
        }
    }

    // ---- The "IPv6" tab ----

    // Alt+6 shows the tab with the focus in its field, Ctrl+Tab reaches it
    // from the tab before; the answer follows the text as typed, the prefix
    // list follows a typed prefix, and a text that is no address leaves its
    // reason and empty answers.
    void ipv6AnswersAsTypedAndExplainsARefusal()
    {
        QTest::keyClick(ui().focus(), Qt::Key_6, Qt::AltModifier);
        QCOMPARE(ui().focus(), ui().field("txtIPv6Address"));
        ui().showTab(2);
        QTest::keyClick(ui().focus(), Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(ui().focus(), ui().field("txtIPv6Address"));
        const QStringList answers{"txtIPv6Compressed", "txtIPv6Ipv4",         "txtIPv6Network",
                                  "txtIPv6Last",       "txtIPv6AddressPower", "txtIPv6Subnets64",
                                  "cboIPv6Prefix",     "txtIPv6SubnetCount",  "lblIPv6Reason"};
        QTest::keyClicks(ui().focus(), "::FFFF:192.0.2.1/123");
        QCOMPARE(ui().shown(answers), (QStringList{"::ffff:192.0.2.1", "192.0.2.1", "::ffff:192.0.2.0/123",
                                                   "::ffff:192.0.2.31", "2^5", "", "123", "2", ""}));
        QVERIFY(ui().list("cboIPv6ReverseZones")->isVisible() && ui().list("cboIPv6ReverseZones")->count() == 2);
        ui().field("txtIPv6Address")->setText("2001:db8::1::2");
        QCOMPARE(ui().shown(answers),
                 (QStringList{"", "", "", "", "", "", "123", "",
                              "has '::' more than once: it may stand once, for one zero group or more"}));
        QVERIFY(!ui().control<QPushButton>("btnIPv6Generate")->isEnabled());
        ui().field("txtIPv6Address")->setText("192.0.2.1");
        QCOMPARE(ui().shown({"lblIPv6Reason"}).front(), QString::fromLatin1(netquill::kIpv4OnIpv6Tab));
        // A line pasted from a terminal, with its blanks and line end.
        ui().field("txtIPv6Address")->clear();
        QApplication::clipboard()->setText(" 2001:db8::1/48 \n");
        QTest::keyClick(ui().field("txtIPv6Address"), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(ui().shown({"txtIPv6Network", "lblIPv6Reason"}), (QStringList{"2001:db8::/48", ""}));
        // What an address is made of: a unique local address's IDs, a MAC, its solicited-node group.
        ui().field("txtIPv6Address")->setText("fd12:3456:789a:1:21a:2bff:fe3c:4d5e");
        QCOMPARE(ui().shown({"txtIPv6Type", "txtIPv6SolicitedNode"}),
                 (QStringList{"Unique-Local (RFC 4193), Global ID 123456789a, subnet 0001, MAC 00:1a:2b:3c:4d:5e",
                              "ff02::1:ff3c:4d5e"}));
    }

    // Choosing a prefix from the list rewrites the one typed; the subnet
    // prefix list runs from the block's prefix, at the next nibble.
    void ipv6PrefixListsRewriteTheFieldAndCountSubnets()
    {
        ui().showTab(3);
        QTest::keyClicks(ui().focus(), "2001:db8::/30");
        ui().pick("cboIPv6Prefix", "48");
        QCOMPARE(ui().shown({"txtIPv6Address", "txtIPv6Network", "cboIPv6SubnetPrefix", "txtIPv6SubnetCount"}),
                 (QStringList{"2001:db8::/48", "2001:db8::/48", "52", "16"}));
        ui().pick("cboIPv6SubnetPrefix", "128");
        QCOMPARE(ui().shown({"txtIPv6SubnetCount"}).front(), "1208925819614629174706176");
    }

    // With "NAT64" checked the block typed is the prefix: the IPv4
    // field shows what the address carries under it (RFC 6052's example at
    // /64), takes an IPv4 address typed to make the address, and says why a
    // block of another length is none.
    void ipv6Nat64PrefixOfAnyLength()
    {
        ui().showTab(3);
        QTest::keyClicks(ui().focus(), "2001:db8:122:344:c0:2:2100:0/64");
        QCOMPARE(ui().shown({"txtIPv6Ipv4"}).front(), "");
        ui().control<QCheckBox>("chkIPv6Nat64")->click();
        QCOMPARE(ui().shown({"txtIPv6Ipv4"}).front(), "192.0.2.33");
        QLineEdit *ipv4 = ui().field("txtIPv6Ipv4");
        ipv4->setFocus();
        ipv4->selectAll();
        QTest::keyClicks(ipv4, "198.51.100.7");
        QTest::keyClick(ipv4, Qt::Key_Return);
        QCOMPARE(ui().shown({"txtIPv6Address", "txtIPv6Ipv4"}),
                 (QStringList{"2001:db8:122:344:c6:3364:700:0/64", "198.51.100.7"}));
        ui().pick("cboIPv6Prefix", "60");
        QCOMPARE(ui().shown({"txtIPv6Ipv4"}).front(), "");
        QCOMPARE(ui().control<QLabel>("lblIPv6Reason")->toolTip(),
                 "NAT64: a NAT64 prefix is /32, /40, /48, /56, /64 or /96 (RFC 6052)");
    }

    // Copy, by button and by Ctrl+C, is netquill-cli calc's text with CR LF;
    // with a text that is no address it leaves the clipboard alone.
    void ipv6CopyIsTheCommandLinesText()
    {
        ui().showTab(3);
        QTest::keyClicks(ui().focus(), "fe80::1%eth0");
        QCOMPARE(ui().shown({"txtIPv6Compressed"}).front(), "fe80::1%eth0");  // as the copy has it
        ui().click("btnCopyTab4ToClipboard");
        QCOMPARE(MainWindowDriver::clipboardText(), MainWindowDriver::cli({"calc", "fe80::1%eth0/64", "--crlf"}));
        QApplication::clipboard()->setText("kept");
        ui().field("txtIPv6Address")->setText("fe80::1%");
        QTest::keyClick(ui().focus(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(MainWindowDriver::clipboardText(), "kept");
    }

    // With the IPv6 tab shown, the export holds its fields and its split's rows.
    void ipv6ExportWritesTheTabAndItsSplit()
    {
        ui().showTab(3);
        QTest::keyClicks(ui().focus(), "2001:db8::1/62");
        const QString path = m_folder->filePath("ipv6.csv");
        DialogAnswerer answerer({DialogAnswerer::saveAs(path)});
        ui().control<QAction>("mnuCSV")->trigger();
        QFile file(path);
        const QByteArray written = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        QVERIFY2(written.contains("#,IPv6\r\n#\r\nIPv6 Address:,2001:db8::1\r\n") &&
                     written.endsWith("2001:db8:0:3::/64,64,2001:db8:0:3::,2001:db8:0:3:ffff:ffff:ffff:ffff,"
                                      "18446744073709551616\r\n"),
                 written.constData());
    }

    // An export no disk could hold (::/0 in /128s) is refused before it
    // starts, with both sizes; nothing is written or opened.
    void anExportLargerThanTheDiskIsRefusedBeforeItStarts()
    {
        ui().showTab(3);
        QTest::keyClicks(ui().focus(), "::/0");
        ui().pick("cboIPv6SubnetPrefix", "128");
        QString error;
        DialogAnswerer answerer(
            {DialogAnswerer::saveAs(m_folder->filePath("all.csv")), DialogAnswerer::acceptMessage(&error)});
        ui().control<QAction>("mnuCSV")->trigger();
        QVERIFY(answerer.allAnswered());
        QVERIFY2(error.startsWith("Error: Err # 61 - The export would take about ") &&
                     error.contains(" free on the disk of "),
                 qPrintable(error));
        QVERIFY(QDir(m_folder->path()).isEmpty());
        QVERIFY(m_opened.isEmpty());
    }

    // Every row of a plan goes into the file, which is written whole or not
    // at all: a cancelled export and a failed one leave the file from before
    // as it was, and nothing beside it.
    void anExportHoldsEveryRowOrNothing()
    {
        planBlock("10.0.0.0", "255.0.0.0");
        ui().pick("cboSubnetMask", "255.255.255.0");
        const QString path = m_folder->filePath("plan.csv");
        // The save dialog asks before it replaces a file.
        const DialogAnswerer::Handler replace = [](QWidget *dialog) {
            auto *box = qobject_cast<QMessageBox *>(dialog);
            if (box)
                box->button(QMessageBox::Yes)->click();
            return box != nullptr;
        };
        const auto exportPlan = [&](const DialogAnswerer::Handler &afterwards = {}) {
            std::deque<DialogAnswerer::Handler> answers{DialogAnswerer::saveAs(path)};
            if (QFile::exists(path))
                answers.push_back(replace);
            if (afterwards)
                answers.push_back(afterwards);
            DialogAnswerer answerer(answers);
            ui().control<QAction>("mnuCSV")->trigger();
            QFile file(path);
            if (!answerer.allAnswered() || !file.open(QIODevice::ReadOnly))
                return QByteArray("(unanswered or unreadable)");
            return file.readAll();
        };
        QCOMPARE(exportPlan().count("\r\n10."), 65536);
        QCOMPARE(m_opened.size(), 1);

        QFile(path).remove();
        QFile earlier(path);
        QVERIFY(earlier.open(QIODevice::WriteOnly) && earlier.write("earlier") == 7);
        earlier.close();
        QTimer canceller;
        canceller.callOnTimeout(this, [this] {
            if (auto *progress = ui().window()->findChild<QProgressDialog *>("exportProgress"))
                progress->findChild<QPushButton *>()->click();
        });
        canceller.start(0);
        QCOMPARE(exportPlan(), "earlier");
        canceller.stop();

        // A file may grow to 1 MiB here, and the table needs more.
        const rlimit unlimited{RLIM_INFINITY, RLIM_INFINITY};
        const rlimit oneMebibyte{1 << 20, RLIM_INFINITY};
        std::signal(SIGXFSZ, SIG_IGN);
        QVERIFY(setrlimit(RLIMIT_FSIZE, &oneMebibyte) == 0);
        QString error;
        const QByteArray afterFailure = exportPlan(DialogAnswerer::acceptMessage(&error));
        setrlimit(RLIMIT_FSIZE, &unlimited);
        QCOMPARE(afterFailure, "earlier");
        QVERIFY2(error.startsWith("Error: Err # 57 - ") && error.endsWith("File too large."), qPrintable(error));
        QCOMPARE(QDir(m_folder->path()).entryList(QDir::Files), QStringList{"plan.csv"});
        QCOMPARE(m_opened.size(), 1);
    }

    // The first export opens in the working folder proposing nothing; the
    // next proposes the last name saved, not one typed and cancelled. A
    // failure shows the error box, and neither opens anything. The dialog and
    // the box wait beside a working help window, whose keys stay its own.
    void theSaveDialogProposesTheLastSavedNameAndFailuresAreShown()
    {
        const QString workingFolder = QDir::currentPath();
        QVERIFY(QDir::setCurrent(m_folder->path()));
        const QString missing = m_folder->filePath("missing/x.csv");
        QStringList first;
        QStringList third;
        QString error;
        QStringList heard;
        DialogAnswerer answerer({besideHelp(DialogAnswerer::saveAs("kept.htm", &first), &heard),
                                 DialogAnswerer::saveAs("typed.txt", nullptr, true),
                                 DialogAnswerer::saveAs(missing, &third),
                                 besideHelp(DialogAnswerer::acceptMessage(&error), &heard)});
        ui().control<QAction>("mnuHTML")->trigger();
        ui().control<QAction>("mnuTXT")->trigger();
        ui().control<QAction>("mnuCSV")->trigger();
        QDir::setCurrent(workingFolder);
        QVERIFY(answerer.allAnswered());
        QCOMPARE(heard, (QStringList{" x", " x"}));
        QCOMPARE(first.at(0), "");
        QCOMPARE(third.at(0), "kept.htm");
        QCOMPARE(error, QString("Error: Err # 76 - The folder of \"%1\" does not exist.").arg(missing));
        QCOMPARE(m_opened, QList<QUrl>{QUrl::fromLocalFile(m_folder->filePath("kept.htm"))});
    }
};

QTEST_MAIN(tst_frmNetquill)
#include "tst_frmnetquill.moc"
