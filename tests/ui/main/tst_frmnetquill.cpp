// The main window's "Netquill" tab and what every tab shares: layout, the
// address fields' key and paste rules, focus, copying and ending. Driven with
// keys and clicks on the real controls, found by their names.
#include "tests/ui/main/mainwindowdriver.h"

#include <QAccessible>
#include <QInputMethodEvent>
#include <QMenu>
#include <QRadioButton>
#include <QTextDocumentFragment>

class tst_frmNetquill : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_ui = std::make_unique<MainWindowDriver>(); }
    void cleanup() { m_ui.reset(); }

    void everyCaptionFitsAndTheFramesStandInPlace();
    void convertReadsTheChosenNotationAndWritesAll();
    void eachFieldTakesItsNotationsCharactersAndDotMovesOn();
    void aKeyTypingManyCharactersFiltersEachOne();
    void pastingGoesThroughTheFieldsRules();
    void anArrowKeyChoosesANotationAsAClickDoes();
    void tabEntersTheOptionGroupOnTheChosenButton();
    void ctrlCCopiesTheShownTabEvenFromASelection();
    void everyControlHasANameForScreenReaders();
    void everyWayOutEndsTheProgram_data();
    void everyWayOutEndsTheProgram();

private:
    MainWindowDriver &ui() { return *m_ui; }
    void choose(const char *option) { QTest::mouseClick(ui().control<QRadioButton>(option), Qt::LeftButton); }

    std::unique_ptr<MainWindowDriver> m_ui;
};

void tst_frmNetquill::everyCaptionFitsAndTheFramesStandInPlace()
{
    QCOMPARE(ui().window()->centralWidget()->size(), QSize(8310 / 15, 5220 / 15));
    auto *tabs = ui().control<QTabWidget>("SSTab1");
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
            QVERIFY2(control->fontMetrics().horizontalAdvance(caption) <= control->width(), qPrintable(caption));
        }
    }
}

// For each notation, Convert reads that notation's field, and Clear empties them all.
void tst_frmNetquill::convertReadsTheChosenNotationAndWritesAll()
{
    const QStringList fields{"txtDottedQuad1", "txtDottedQuad2", "txtDottedQuad3", "txtDottedQuad4",
                             "txtDecimal",     "txtHexadecimal", "txtOctal",       "txtBinary"};
    const QStringList all{"192",        "168",      "1",           "1",
                          "3232235777", "C0A80101", "30052000401", "11000000101010000000000100000001"};
    const std::pair<const char *, QString> typed[] = {{"optDottedQuad", "192.168.1.1"},
                                                      {"optDecimal", all[4]},
                                                      {"optHexadecimal", "c0a80101"},
                                                      {"optOctal", all[6]},
                                                      {"optBinary", all[7]}};
    for (const auto &[option, text] : typed) {
        ui().click(QStringLiteral("btnClearIP"));
        QCOMPARE(ui().shown(fields), QStringList(8));
        choose(option);
        MainWindowDriver::typeAtFocus(text);
        ui().click(QStringLiteral("btnConvert"));
        QCOMPARE(ui().shown(fields), all);
    }
}

void tst_frmNetquill::eachFieldTakesItsNotationsCharactersAndDotMovesOn()
{
    const struct {
        const char *option, *field, *typed, *shown;
    } rows[] = {
        {"optDottedQuad", "txtDottedQuad1", "1x-2 34", "123"},
        {"optDecimal", "txtDecimal", "1.234567890123", "1234567890"},
        {"optHexadecimal", "txtHexadecimal", "gc0a8010199", "C0A80101"},
        {"optOctal", "txtOctal", "789123456701234", "71234567012"},
        {"optBinary", "txtBinary", "1201", "101"},
        {"optDottedQuad", "txtDecimal", "5", "1234567890"},  // grey: unchanged
    };
    for (const auto &row : rows) {
        choose(row.option);
        MainWindowDriver::clickInto(ui().field(row.field));
        MainWindowDriver::typeAtFocus(QString::fromLatin1(row.typed));
        QCOMPARE(ui().field(row.field)->text(), QString::fromLatin1(row.shown));
    }
    const std::tuple<int, const char *, const char *> moves[] = {{0, "txtDottedQuad1", "txtDottedQuad2"},
                                                                 {0, "txtDottedQuad4", "btnConvert"},
                                                                 {1, "txtIP4", "cboNetworkSubnetMask"},
                                                                 {2, "txtIPBlock4", "cboCIDRMask"}};
    choose("optDottedQuad");
    for (const auto &[tab, from, to] : moves) {
        ui().showTab(tab);
        MainWindowDriver::clickInto(ui().field(from));
        QTest::keyClicks(ui().field(from), QStringLiteral("1."));
        QCOMPARE(MainWindowDriver::focus(), ui().control<QWidget>(to));
    }
}

void tst_frmNetquill::aKeyTypingManyCharactersFiltersEachOne()
{
    const struct {
        bool inputMethod;  // committed by an input method, or the text of one key
        QString typed, octet1, octet2;
    } rows[] = {{false, "ab", "", ""},
                {false, "12", "12", ""},
                {false, QString::fromUtf8("\xF0\x9F\x98\x80"), "", ""},
                {false, "1.25", "1", "25"},
                {true,
                 QString::fromUtf8("1a\xF0\x9F\x98\x80"
                                   "2"),
                 "12", ""}};
    QLineEdit *first = ui().field("txtDottedQuad1");
    for (const auto &row : rows) {
        first->clear();
        ui().field("txtDottedQuad2")->clear();
        first->setFocus();
        if (row.inputMethod) {
            QInputMethodEvent commit;
            commit.setCommitString(row.typed);
            QApplication::sendEvent(first, &commit);
        } else {
            QTest::sendKeyEvent(QTest::Press, first, Qt::Key_unknown, row.typed, Qt::NoModifier);
        }
        QCOMPARE(ui().shown({"txtDottedQuad1", "txtDottedQuad2"}), (QStringList{row.octet1, row.octet2}));
    }
}

// Ctrl+V, Shift+Insert and the context menu all paste through the field's rules.
void tst_frmNetquill::pastingGoesThroughTheFieldsRules()
{
    choose("optHexadecimal");
    QApplication::clipboard()->setText(QStringLiteral("0xc0a80101"));
    QTest::keyClick(ui().field("txtHexadecimal"), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(ui().field("txtHexadecimal")->text(), QStringLiteral("0C0A8010"));
    QTest::keyClick(ui().field("txtDecimal"), Qt::Key_V, Qt::ControlModifier);  // read-only
    QVERIFY(ui().field("txtDecimal")->text().isEmpty());

    ui().showTab(1);
    QApplication::clipboard()->setText(QStringLiteral(" 10.1.2.3/8\n"));
    QTest::keyClick(ui().field("txtIP3"), Qt::Key_Insert, Qt::ShiftModifier);
    QCOMPARE(ui().shown({"txtIP1", "txtIP2", "txtIP3", "txtIP4"}), (QStringList{"10", "1", "2", "3"}));

    QLineEdit *octet = ui().field("txtIPBlock1");
    QApplication::clipboard()->setText(QStringLiteral("x9y9"));
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
    QTRY_COMPARE(octet->text(), QStringLiteral("99"));
}

void tst_frmNetquill::anArrowKeyChoosesANotationAsAClickDoes()
{
    ui().typeAddress(QStringLiteral("txtDottedQuad1"), QStringLiteral("192.168.1.1"));
    ui().click(QStringLiteral("btnConvert"));
    ui().control<QWidget>("optDottedQuad")->setFocus();
    QTest::keyClick(MainWindowDriver::focus(), Qt::Key_Down);
    QVERIFY(ui().control<QRadioButton>("optDecimal")->isChecked());
    QCOMPARE(MainWindowDriver::focus(), ui().field("txtDecimal"));
    QCOMPARE(ui().field("txtDecimal")->selectedText(), QStringLiteral("3232235777"));
    QVERIFY(!ui().field("txtDecimal")->isReadOnly() && ui().field("txtDottedQuad1")->isReadOnly());
    ui().control<QWidget>("optDecimal")->setFocus();
    QTest::keyClick(MainWindowDriver::focus(), Qt::Key_Up);
    QCOMPARE(MainWindowDriver::focus(), ui().field("txtDottedQuad1"));
    QCOMPARE(ui().field("txtDottedQuad1")->selectedText(), QStringLiteral("192"));
}

void tst_frmNetquill::tabEntersTheOptionGroupOnTheChosenButton()
{
    choose("optOctal");
    ui().control<QWidget>("btnConvert")->setFocus();
    QTest::keyClick(MainWindowDriver::focus(), Qt::Key_Backtab);
    QCOMPARE(MainWindowDriver::focus(), ui().control<QWidget>("optOctal"));
    ui().field("txtOctal")->setFocus();
    QTest::keyClick(MainWindowDriver::focus(), Qt::Key_Tab);  // passing the grey Binary field
    QCOMPARE(MainWindowDriver::focus(), ui().control<QWidget>("optOctal"));
    QTest::keyClick(MainWindowDriver::focus(), Qt::Key_Tab);
    QCOMPARE(MainWindowDriver::focus(), ui().control<QWidget>("btnConvert"));
}

void tst_frmNetquill::ctrlCCopiesTheShownTabEvenFromASelection()
{
    const std::tuple<const char *, QString, int> tabs[] = {{"txtDottedQuad1", "IP Address : 1...\r\n", 5},
                                                           {"txtIP1", "IPAddress        : 1...\r\n", 8},
                                                           {"txtIPBlock1", "IPAddress       : 1...\r\n", 11}};
    for (int tab = 0; tab < 3; ++tab) {
        const auto &[field, firstLine, lines] = tabs[tab];
        ui().showTab(tab);
        QTest::keyClicks(ui().field(field), QStringLiteral("1"));
        ui().field(field)->selectAll();
        QTest::keyClick(ui().field(field), Qt::Key_C, Qt::ControlModifier);
        QVERIFY(MainWindowDriver::clipboardText().startsWith(firstLine));
        QCOMPARE(MainWindowDriver::clipboardText().count(QStringLiteral("\r\n")), lines);
    }
}

// Every control a user can reach or read: a name from the caption beside it,
// unique in the window, its label its buddy; result fields read-only.
void tst_frmNetquill::everyControlHasANameForScreenReaders()
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
    QCOMPARE(QAccessible::queryAccessibleInterface(ui().field("txtDottedQuad2"))->text(QAccessible::Name),
             QStringLiteral("Dotted-Quad IP Address, octet 2"));
    QCOMPARE(QAccessible::queryAccessibleInterface(ui().list("cboBits"))->text(QAccessible::Name),
             QStringLiteral("CIDR Mask bits"));
    QCOMPARE(QAccessible::queryAccessibleInterface(ui().field("txtHostID"))->text(QAccessible::Name),
             QStringLiteral("Host ID"));
    QCOMPARE(QAccessible::queryAccessibleInterface(ui().control<QLabel>("lblRFC3021"))->role(), QAccessible::Link);
}

void tst_frmNetquill::everyWayOutEndsTheProgram_data()
{
    QTest::addColumn<QString>("way");
    QTest::newRow("Esc in a field") << "escape";
    QTest::newRow("F3") << "f3";
    QTest::newRow("close box") << "close";
}

void tst_frmNetquill::everyWayOutEndsTheProgram()
{
    QFETCH(QString, way);
    QTimer::singleShot(0, this, [this, way] {
        if (way == QLatin1String("close"))
            ui().window()->close();
        else
            QTest::keyClick(ui().field("txtDottedQuad1"), way == QLatin1String("f3") ? Qt::Key_F3 : Qt::Key_Escape);
    });
    // The program's event loop ends at once; the watchdog's code says it did not.
    QTimer::singleShot(5000, this, [] { QCoreApplication::exit(99); });
    QCOMPARE(QCoreApplication::exec(), 0);
}

QTEST_MAIN(tst_frmNetquill)
#include "tst_frmnetquill.moc"
