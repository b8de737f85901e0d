// The main window's "Netquill" tab and what every tab shares: layout, menus,
// the address fields' key and paste rules, focus, copying and ending. Driven
// with keys and clicks on the real controls, found by their names.
#include "tests/ui/main/mainwindowdriver.h"

#include <QAction>
#include <QInputMethodEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
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
    void clearEmptiesTheTabAndCopyPutsFiveLines();
    void eachFieldTakesItsNotationsCharacters();
    void dotMovesToTheNextControl_data();
    void dotMovesToTheNextControl();
    void aKeyTypingManyCharactersFiltersEachOne_data();
    void aKeyTypingManyCharactersFiltersEachOne();
    void pastingGoesThroughTheFieldsRules();
    void anArrowKeyChoosesANotationAsAClickDoes();
    void tabEntersTheOptionGroupOnTheChosenButton();
    void ctrlCCopiesTheShownTabEvenFromASelection_data();
    void ctrlCCopiesTheShownTabEvenFromASelection();
    void everyWayOutEndsTheProgram_data();
    void everyWayOutEndsTheProgram();

private:
    MainWindowDriver &ui() { return *m_ui; }
    void choose(const char *option) { QTest::mouseClick(ui().control<QRadioButton>(option), Qt::LeftButton); }

    std::unique_ptr<MainWindowDriver> m_ui;
};

namespace {

const char *const kConverterFields[] = {"txtDottedQuad1", "txtDottedQuad2", "txtDottedQuad3", "txtDottedQuad4",
                                        "txtDecimal",     "txtHexadecimal", "txtOctal",       "txtBinary"};

}  // namespace

void tst_frmNetquill::everyCaptionFitsAndTheFramesStandInPlace()
{
    QCOMPARE(ui().window()->windowTitle(), QStringLiteral("Trevantis Netquill"));
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
    QVERIFY(ui().control<QWidget>("Frame1")->font().bold());
}

// For each notation, Convert reads that notation's field and writes all eight.
void tst_frmNetquill::convertReadsTheChosenNotationAndWritesAll()
{
    const QStringList all{"192", "168", "1", "1", "3232235777", "C0A80101", "30052000401", "11000000101010000000000100000001"};
    const std::pair<const char *, QString> typed[] = {{"optDottedQuad", "192.168.1.1"}, {"optDecimal", all[4]},
                                                      {"optHexadecimal", "c0a80101"},   {"optOctal", all[6]},
                                                      {"optBinary", all[7]}};
    for (const auto &[option, text] : typed) {
        ui().click(QStringLiteral("btnClearIP"));
        choose(option);
        MainWindowDriver::typeAtFocus(text);
        ui().click(QStringLiteral("btnConvert"));
        QCOMPARE(ui().shown({std::begin(kConverterFields), std::end(kConverterFields)}), all);
    }
}

void tst_frmNetquill::clearEmptiesTheTabAndCopyPutsFiveLines()
{
    MainWindowDriver::typeAtFocus(QStringLiteral("10.1.2.3."));
    QTest::keyClick(MainWindowDriver::focus(), Qt::Key_Return);  // "." took the focus on to Convert
    ui().click(QStringLiteral("btnCopyTab1ToClipboard"));
    QCOMPARE(MainWindowDriver::clipboardText(),
             QStringLiteral("IP Address : 10.1.2.3\r\nDecimal    : 167838211\r\nHexadecimal: A010203\r\n"
                            "Octal      : 1200201003\r\nBinary     : 00001010000000010000001000000011\r\n"));
    choose("optOctal");
    ui().click(QStringLiteral("btnClearIP"));
    for (const char *name : kConverterFields)
        QVERIFY2(ui().field(name)->text().isEmpty(), name);
    QCOMPARE(MainWindowDriver::focus(), ui().field("txtOctal"));
}

// Each kind of field takes its notation's characters, up to its length.
void tst_frmNetquill::eachFieldTakesItsNotationsCharacters()
{
    const struct {
        const char *option, *field, *typed, *shown;
    } rows[] = {
        {"optDottedQuad", "txtDottedQuad1", "1x-2 34", "123"},  {"optDecimal", "txtDecimal", "1.234567890123", "1234567890"},
        {"optHexadecimal", "txtHexadecimal", "gc0a8010199", "C0A80101"}, {"optOctal", "txtOctal", "789123456701234", "71234567012"},
        {"optBinary", "txtBinary", "1201", "101"},                {"optDottedQuad", "txtDecimal", "123", ""},
    };
    for (const auto &row : rows) {
        choose(row.option);
        ui().field(row.field)->clear();
        MainWindowDriver::clickInto(ui().field(row.field));
        MainWindowDriver::typeAtFocus(QString::fromLatin1(row.typed));
        QCOMPARE(ui().field(row.field)->text(), QString::fromLatin1(row.shown));
    }
}

void tst_frmNetquill::dotMovesToTheNextControl_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::newRow("octet to octet") << 0 << "txtDottedQuad1" << "txtDottedQuad2";
    QTest::newRow("last octet to Convert") << 0 << "txtDottedQuad4" << "btnConvert";
    QTest::newRow("network octet to the mask list") << 1 << "txtIP4" << "cboNetworkSubnetMask";
    QTest::newRow("block octet to the CIDR list") << 2 << "txtIPBlock4" << "cboCIDRMask";
}

void tst_frmNetquill::dotMovesToTheNextControl()
{
    QFETCH(int, tab);
    QFETCH(QString, from);
    QFETCH(QString, to);
    ui().showTab(tab);
    MainWindowDriver::clickInto(ui().field(from));
    QTest::keyClicks(ui().field(from), QStringLiteral("1."));
    QCOMPARE(ui().field(from)->text(), QStringLiteral("1"));
    QCOMPARE(MainWindowDriver::focus(), ui().control<QWidget>(to));
}

void tst_frmNetquill::aKeyTypingManyCharactersFiltersEachOne_data()
{
    QTest::addColumn<bool>("inputMethod");  // committed by an input method, or the text of one key
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("octet1");
    QTest::addColumn<QString>("octet2");
    QTest::newRow("letters") << false << "ab" << "" << "";
    QTest::newRow("digits") << false << "12" << "12" << "";
    QTest::newRow("emoji") << false << QString::fromUtf8("\xF0\x9F\x98\x80") << "" << "";
    QTest::newRow("digits and a dot") << false << "1.25" << "1" << "25";
    QTest::newRow("input method mix") << true << QString::fromUtf8("1a\xF0\x9F\x98\x80" "2") << "12" << "";
}

void tst_frmNetquill::aKeyTypingManyCharactersFiltersEachOne()
{
    QFETCH(bool, inputMethod);
    QFETCH(QString, typed);
    QFETCH(QString, octet1);
    QFETCH(QString, octet2);
    QLineEdit *first = ui().field("txtDottedQuad1");
    first->setFocus();
    if (inputMethod) {
        QInputMethodEvent commit;
        commit.setCommitString(typed);
        QApplication::sendEvent(first, &commit);
    } else {
        QTest::sendKeyEvent(QTest::Press, first, Qt::Key_unknown, typed, Qt::NoModifier);
    }
    QCOMPARE(first->text(), octet1);
    QCOMPARE(ui().field("txtDottedQuad2")->text(), octet2);
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
        for (QAction *entry : menu ? menu->actions() : QList<QAction *>()) {
            if (entry->text().startsWith(QLineEdit::tr("&Paste")))
                entry->trigger();
        }
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
    QVERIFY(!ui().field("txtDecimal")->isReadOnly());
    QVERIFY(ui().field("txtDottedQuad1")->isReadOnly());

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
    QTest::keyClick(MainWindowDriver::focus(), Qt::Key_Space);
    QVERIFY(ui().control<QRadioButton>("optOctal")->isChecked());
    ui().field("txtOctal")->setFocus();
    QTest::keyClick(MainWindowDriver::focus(), Qt::Key_Tab);  // passing the grey Binary field
    QCOMPARE(MainWindowDriver::focus(), ui().control<QWidget>("optOctal"));
    QTest::keyClick(MainWindowDriver::focus(), Qt::Key_Tab);
    QCOMPARE(MainWindowDriver::focus(), ui().control<QWidget>("btnConvert"));
}

void tst_frmNetquill::ctrlCCopiesTheShownTabEvenFromASelection_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("firstLine");
    QTest::addColumn<int>("lines");
    QTest::newRow("converter") << 0 << "txtDottedQuad1" << "IP Address : 1..." << 5;
    QTest::newRow("network/node") << 1 << "txtIP1" << "IPAddress        : 1..." << 8;
    QTest::newRow("subnet") << 2 << "txtIPBlock1" << "IPAddress       : 1..." << 11;
}

void tst_frmNetquill::ctrlCCopiesTheShownTabEvenFromASelection()
{
    QFETCH(int, tab);
    QFETCH(QString, field);
    QFETCH(QString, firstLine);
    QFETCH(int, lines);
    ui().showTab(tab);
    QTest::keyClicks(ui().field(field), QStringLiteral("1"));
    ui().field(field)->selectAll();
    QTest::keyClick(ui().field(field), Qt::Key_C, Qt::ControlModifier);
    QVERIFY2(MainWindowDriver::clipboardText().startsWith(firstLine + "\r\n"), qPrintable(MainWindowDriver::clipboardText()));
    QCOMPARE(MainWindowDriver::clipboardText().count(QStringLiteral("\r\n")), lines);
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
    QVERIFY(!ui().window()->isVisible());
}

QTEST_MAIN(tst_frmNetquill)
#include "tst_frmnetquill.moc"
