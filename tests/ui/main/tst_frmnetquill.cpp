// The main window driven as a user drives it: keys and clicks on the real
// controls, found by their names, and what the user would then see.
#include "tests/ui/main/mainwindowdriver.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTextDocumentFragment>
#include <QTimer>
#include <QtTest>

#include <memory>

class tst_frmNetquill : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    // Start-up and layout
    void startsOnTheConverterTabWithDottedQuadChosen();
    void clientAreaAndCaption();
    void controlsHaveTheirCaptionsAndLengthLimits_data();
    void controlsHaveTheirCaptionsAndLengthLimits();
    void dropDownListsArePickListsWithNoChoice();
    void menusHoldTheirEntriesInOrder();

    // Keystroke filters and the "." moves
    void typingKeepsOnlyTheFieldsCharacters_data();
    void typingKeepsOnlyTheFieldsCharacters();
    void dotMovesToTheNextControl_data();
    void dotMovesToTheNextControl();
    void backspaceDeletes();
    void aKeyTypingManyCharactersFiltersEachOne_data();
    void aKeyTypingManyCharactersFiltersEachOne();
    void typingAnAddressWithDotsFillsTheFourOctets();

    // Pasting
    void pastingKeepsOnlyTheFieldsCharacters_data();
    void pastingKeepsOnlyTheFieldsCharacters();
    void pastingADottedAddressFillsTheTabsOctets_data();
    void pastingADottedAddressFillsTheTabsOctets();
    void pastingIntoAReadOnlyFieldChangesNothing();
    void contextMenuPasteIsFiltered();

    // Notation options, focus and selection
    void choosingANotationSwitchesEditableFields_data();
    void choosingANotationSwitchesEditableFields();
    void tabKeySkipsReadOnlyFields();
    void tabEntersTheOptionGroupOnTheChosenButton();
    void anArrowKeyChoosesANotationAsAClickDoes();
    void enteringAFieldSelectsItOnlyForTheChosenNotation();
    void changingTabMovesTheFocus_data();
    void changingTabMovesTheFocus();

    // Convert, Clear, Copy
    void convertShowsEveryNotation_data();
    void convertShowsEveryNotation();
    void enterAndSpaceOnAFocusedButtonClickIt_data();
    void enterAndSpaceOnAFocusedButtonClickIt();
    void clearEmptiesTheTabAndKeepsTheNotation();
    void copyPutsFiveLinesOnTheClipboard();
    void ctrlCCopiesTheTabEvenFromASelection();

    // Ending the program
    void everyWayOutEndsTheProgram_data();
    void everyWayOutEndsTheProgram();

private:
    MainWindowDriver &ui() { return *m_ui; }
    void choose(const QString &option) { QTest::mouseClick(ui().control<QRadioButton>(option), Qt::LeftButton); }
    static QColor background(QLineEdit *target) { return target->palette().color(QPalette::Base); }

    std::unique_ptr<MainWindowDriver> m_ui;
};

namespace {

const QString kBinary192_168_1_1 = QStringLiteral("11000000101010000000000100000001");

using Driver = MainWindowDriver;

}  // namespace

void tst_frmNetquill::init()
{
    QApplication::clipboard()->clear();
    m_ui = std::make_unique<MainWindowDriver>();
}

void tst_frmNetquill::cleanup()
{
    m_ui.reset();
}

// ---- Start-up and layout ----

void tst_frmNetquill::startsOnTheConverterTabWithDottedQuadChosen()
{
    QCOMPARE(ui().control<QTabWidget>("SSTab1")->currentIndex(), 0);
    QVERIFY(ui().control<QRadioButton>("optDottedQuad")->isChecked());
    QCOMPARE(QApplication::focusWidget(), ui().field("txtDottedQuad1"));
    for (const char *name : {"txtDottedQuad1", "txtDottedQuad2", "txtDottedQuad3", "txtDottedQuad4"}) {
        QVERIFY(!ui().field(name)->isReadOnly());
        QVERIFY(ui().field(name)->text().isEmpty());
    }
    const QColor grey = QApplication::palette().color(QPalette::Button);
    for (const char *name : {"txtDecimal", "txtHexadecimal", "txtOctal", "txtBinary"}) {
        QVERIFY2(ui().field(name)->isReadOnly(), name);
        QCOMPARE(background(ui().field(name)), grey);
        QVERIFY(ui().field(name)->text().isEmpty());
    }
    QVERIFY(!ui().control<QLabel>("lblRFC3021")->isVisible());
    QVERIFY(ui().control<QWidget>("Frame1")->font().bold());
    QVERIFY(!ui().control<QLabel>("Label1")->font().bold());
}

void tst_frmNetquill::clientAreaAndCaption()
{
    QCOMPARE(ui().window()->windowTitle(), QStringLiteral("Trevantis Netquill"));
    QCOMPARE(ui().window()->centralWidget()->size(), QSize(8310 / 15, 5220 / 15));
    QCOMPARE(ui().control<QTabWidget>("SSTab1")->geometry(), QRect(8, 8, 537, 273));
    QCOMPARE(ui().control<QPushButton>("btnExit")->geometry(), QRect(232, 296, 89, 41));
    const QTabWidget *tabs = ui().control<QTabWidget>("SSTab1");
    QCOMPARE(tabs->count(), 3);
    QCOMPARE(tabs->tabText(0), QStringLiteral("Netquill"));
    QCOMPARE(tabs->tabText(1), QStringLiteral("Network/Node Calculator"));
    QCOMPARE(tabs->tabText(2), QStringLiteral("Subnet Calculator"));
    for (const char *frame : {"Frame1", "Frame2", "Frame3"}) {
        ui().control<QTabWidget>("SSTab1")->setCurrentWidget(ui().control<QWidget>(frame)->parentWidget());
        const auto *shown = ui().control<QWidget>(frame);
        QCOMPARE(QRect(shown->mapTo(tabs, QPoint(0, 0)), shown->size()), QRect(16, 32, 505, 225));
    }
}

void tst_frmNetquill::controlsHaveTheirCaptionsAndLengthLimits_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("maxLength");  // 0 where the control is no text field
    QTest::addColumn<QRect>("geometry"); // pixels, relative to the tab's frame

    QTest::newRow("octet 1") << "txtDottedQuad1" << "" << 3 << QRect(152, 32, 33, 19);
    QTest::newRow("octet 4") << "txtDottedQuad4" << "" << 3 << QRect(296, 32, 33, 19);
    QTest::newRow("decimal") << "txtDecimal" << "" << 10 << QRect(152, 56, 129, 19);
    QTest::newRow("hexadecimal") << "txtHexadecimal" << "" << 8 << QRect(152, 80, 129, 19);
    QTest::newRow("octal") << "txtOctal" << "" << 11 << QRect(152, 104, 129, 19);
    QTest::newRow("binary") << "txtBinary" << "" << 32 << QRect(152, 128, 233, 19);
    QTest::newRow("network octet") << "txtIP1" << "" << 3 << QRect(120, 32, 33, 19);
    QTest::newRow("block octet") << "txtIPBlock4" << "" << 3 << QRect(256, 32, 33, 19);
    QTest::newRow("dotted-quad label") << "Label1" << "Dotted-Quad IP Address:" << 0 << QRect(16, 32, 137, 17);
    QTest::newRow("convert") << "btnConvert" << "Convert" << 0 << QRect(96, 168, 89, 38);
    QTest::newRow("copy tab 1") << "btnCopyTab1ToClipboard" << "Copy To Clipboard" << 0 << QRect(320, 168, 89, 38);
    QTest::newRow("octal option") << "optOctal" << "Octal" << 0 << QRect(400, 104, 73, 17);
    QTest::newRow("calculate") << "btnCalculate" << "Calculate" << 0 << QRect(296, 112, 89, 41);
    QTest::newRow("copy tab 2") << "btnCopyTab2ToClipboard" << "Copy to Clipboard" << 0 << QRect(296, 168, 193, 41);
    QTest::newRow("nodes label") << "Label16" << "Nodes in Subnet:" << 0 << QRect(16, 184, 97, 17);
    QTest::newRow("generate") << "btnGenerate" << "Generate Subnets" << 0 << QRect(392, 104, 97, 41);
    QTest::newRow("rfc 3021 link") << "lblRFC3021" << "RFC 3021 Compliant" << 0 << QRect(392, 168, 105, 17);
    QTest::newRow("subnet bit mask") << "txtSubnetBitMask" << "" << 32767 << QRect(112, 192, 265, 22);
}

void tst_frmNetquill::controlsHaveTheirCaptionsAndLengthLimits()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(int, maxLength);
    QFETCH(QRect, geometry);
    QWidget *widget = ui().control<QWidget>(name);
    QCOMPARE(widget->geometry(), geometry);
    if (auto *button = qobject_cast<QAbstractButton *>(widget))
        QCOMPARE(button->text(), caption);
    if (auto *label = qobject_cast<QLabel *>(widget))
        QCOMPARE(QTextDocumentFragment::fromHtml(label->text()).toPlainText(), caption);
    if (auto *edit = qobject_cast<QLineEdit *>(widget))
        QCOMPARE(edit->maxLength(), maxLength);
    // Nothing is clipped: the caption's text fits the control.
    if (!caption.isEmpty()) {
        const int textWidth = widget->fontMetrics().horizontalAdvance(caption);
        QVERIFY2(textWidth <= widget->width(), qPrintable(name));
    }
}

void tst_frmNetquill::dropDownListsArePickListsWithNoChoice()
{
    const auto lists = ui().window()->findChildren<QComboBox *>();
    QCOMPARE(lists.size(), 9);
    for (const QComboBox *list : lists) {
        QVERIFY2(!list->isEditable(), qPrintable(list->objectName()));
        QCOMPARE(list->currentIndex(), -1);
        QVERIFY(list->currentText().isEmpty());
    }
}

void tst_frmNetquill::menusHoldTheirEntriesInOrder()
{
    const auto menuTitles = [](const QList<QAction *> &actions) {
        QStringList titles;
        for (const QAction *action : actions)
            titles << (action->isSeparator() ? QStringLiteral("-") : action->text());
        return titles;
    };
    QCOMPARE(menuTitles(ui().window()->menuBar()->actions()), (QStringList{"&File", "&Help"}));
    QCOMPARE(menuTitles(ui().control<QMenu>("mnuFile")->actions()),
             (QStringList{"&Copy to Clipboard", "&Export", "-", "E&xit"}));
    QCOMPARE(menuTitles(ui().control<QMenu>("mnuExport")->actions()),
             (QStringList{"Export to &Comma Delimited File...", "Export to &Text File...", "Export to &HTML File..."}));
    QCOMPARE(menuTitles(ui().control<QMenu>("mnuHelp")->actions()),
             (QStringList{"&Contents", "&Index", "Trevantis Software on the Web", "&About..."}));
    QCOMPARE(ui().control<QAction>("mnuCopyToClipboard")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_C));
    QCOMPARE(ui().control<QAction>("mnuExit")->shortcut(), QKeySequence(Qt::Key_F3));
    QCOMPARE(ui().control<QAction>("mnuContents")->shortcut(), QKeySequence(Qt::Key_F1));
    QVERIFY(ui().control<QAction>("mnuSpacer1")->isSeparator());
}

// ---- Keystroke filters and the "." moves ----

void tst_frmNetquill::typingKeepsOnlyTheFieldsCharacters_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("shown");

    QTest::newRow("octet digits") << "optDottedQuad" << "txtDottedQuad1" << "192" << "192";
    QTest::newRow("octet refuses x - : blank") << "optDottedQuad" << "txtDottedQuad2" << "1x-: 2" << "12";
    QTest::newRow("octet stops at three") << "optDottedQuad" << "txtDottedQuad3" << "1234" << "123";
    QTest::newRow("decimal digits") << "optDecimal" << "txtDecimal" << "3232235777" << "3232235777";
    QTest::newRow("decimal refuses dot") << "optDecimal" << "txtDecimal" << "1.5" << "15";
    QTest::newRow("decimal stops at ten") << "optDecimal" << "txtDecimal" << "12345678901" << "1234567890";
    QTest::newRow("hex lower case becomes upper") << "optHexadecimal" << "txtHexadecimal" << "c0a8" << "C0A8";
    QTest::newRow("hex refuses g and G") << "optHexadecimal" << "txtHexadecimal" << "gG1" << "1";
    QTest::newRow("hex stops at eight") << "optHexadecimal" << "txtHexadecimal" << "fffffffff" << "FFFFFFFF";
    QTest::newRow("octal refuses 8 and 9") << "optOctal" << "txtOctal" << "789" << "7";
    QTest::newRow("binary refuses 2") << "optBinary" << "txtBinary" << "1201" << "101";
    QTest::newRow("read-only field takes nothing") << "optDottedQuad" << "txtDecimal" << "123" << "";
}

void tst_frmNetquill::typingKeepsOnlyTheFieldsCharacters()
{
    QFETCH(QString, option);
    QFETCH(QString, name);
    QFETCH(QString, keys);
    QFETCH(QString, shown);
    choose(option);
    QLineEdit *target = ui().field(name);
    Driver::clickInto(target);
    Driver::typeAtFocus(keys);
    QCOMPARE(target->text(), shown);
}

void tst_frmNetquill::dotMovesToTheNextControl_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");  // empty: the focus stays

    QTest::newRow("octet 1 to 2") << 0 << "optDottedQuad" << "txtDottedQuad1" << "txtDottedQuad2";
    QTest::newRow("octet 3 to 4") << 0 << "optDottedQuad" << "txtDottedQuad3" << "txtDottedQuad4";
    QTest::newRow("octet 4 to Convert") << 0 << "optDottedQuad" << "txtDottedQuad4" << "btnConvert";
    QTest::newRow("decimal stays") << 0 << "optDecimal" << "txtDecimal" << "";
    QTest::newRow("network octet 1 to 2") << 1 << "" << "txtIP1" << "txtIP2";
    QTest::newRow("network octet 4 to mask list") << 1 << "" << "txtIP4" << "cboNetworkSubnetMask";
    QTest::newRow("block octet 2 to 3") << 2 << "" << "txtIPBlock2" << "txtIPBlock3";
    QTest::newRow("block octet 4 to CIDR list") << 2 << "" << "txtIPBlock4" << "cboCIDRMask";
}

void tst_frmNetquill::dotMovesToTheNextControl()
{
    QFETCH(int, tab);
    QFETCH(QString, option);
    QFETCH(QString, from);
    QFETCH(QString, to);
    ui().control<QTabWidget>("SSTab1")->setCurrentIndex(tab);
    if (!option.isEmpty())
        choose(option);
    QLineEdit *start = ui().field(from);
    Driver::clickInto(start);
    QTest::keyClicks(start, QStringLiteral("1."));
    QCOMPARE(start->text(), QStringLiteral("1"));
    QWidget *expected = to.isEmpty() ? start : ui().control<QWidget>(to);
    QCOMPARE(QApplication::focusWidget(), expected);
}

void tst_frmNetquill::backspaceDeletes()
{
    QLineEdit *octet = ui().field("txtDottedQuad1");
    QTest::keyClicks(octet, QStringLiteral("123"));
    QTest::keyClick(octet, Qt::Key_Backspace);
    QCOMPARE(octet->text(), QStringLiteral("12"));
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

void tst_frmNetquill::typingAnAddressWithDotsFillsTheFourOctets()
{
    // Each "." moves on, and the next field's old text is selected and replaced.
    for (const char *name : {"txtDottedQuad1", "txtDottedQuad2", "txtDottedQuad3", "txtDottedQuad4"})
        ui().field(name)->setText(QStringLiteral("99"));
    ui().control<QWidget>("btnClearIP")->setFocus();
    Driver::clickInto(ui().field("txtDottedQuad1"));
    Driver::typeAtFocus(QStringLiteral("192.168.1.1."));
    QCOMPARE(ui().field("txtDottedQuad1")->text(), QStringLiteral("192"));
    QCOMPARE(ui().field("txtDottedQuad2")->text(), QStringLiteral("168"));
    QCOMPARE(ui().field("txtDottedQuad3")->text(), QStringLiteral("1"));
    QCOMPARE(ui().field("txtDottedQuad4")->text(), QStringLiteral("1"));
    QCOMPARE(QApplication::focusWidget(), ui().control<QWidget>("btnConvert"));
}

// ---- Pasting ----

void tst_frmNetquill::pastingKeepsOnlyTheFieldsCharacters_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("shown");

    QTest::newRow("octet drops letters before cutting") << "optDottedQuad" << "txtDottedQuad1" << "ab12c3" << "123";
    QTest::newRow("decimal drops blanks") << "optDecimal" << "txtDecimal" << " 32 3223 5777 " << "3232235777";
    QTest::newRow("hex upper-cases and drops 0x") << "optHexadecimal" << "txtHexadecimal" << "0xc0a80101" << "0C0A8010";
    QTest::newRow("octal drops 8 9 and emoji") << "optOctal" << "txtOctal" << QString::fromUtf8("1\xF0\x9F\x98\x80" "89\xE2\x80\x8F" "7") << "17";
    QTest::newRow("binary drops control characters") << "optBinary" << "txtBinary" << "1\t0\r\n1\x01" << "101";
    QTest::newRow("octet text without four parts") << "optDottedQuad" << "txtDottedQuad2" << "10.1" << "101";
}

void tst_frmNetquill::pastingKeepsOnlyTheFieldsCharacters()
{
    QFETCH(QString, option);
    QFETCH(QString, name);
    QFETCH(QString, pasted);
    QFETCH(QString, shown);
    choose(option);
    QLineEdit *target = ui().field(name);
    Driver::clickInto(target);
    QApplication::clipboard()->setText(pasted);
    QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(target->text(), shown);
}

void tst_frmNetquill::pastingADottedAddressFillsTheTabsOctets_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QStringList>("octets");

    QTest::newRow("converter") << 0 << QStringList{"txtDottedQuad1", "txtDottedQuad2", "txtDottedQuad3", "txtDottedQuad4"};
    QTest::newRow("network") << 1 << QStringList{"txtIP1", "txtIP2", "txtIP3", "txtIP4"};
    QTest::newRow("subnet") << 2 << QStringList{"txtIPBlock1", "txtIPBlock2", "txtIPBlock3", "txtIPBlock4"};
}

void tst_frmNetquill::pastingADottedAddressFillsTheTabsOctets()
{
    QFETCH(int, tab);
    QFETCH(QStringList, octets);
    ui().control<QTabWidget>("SSTab1")->setCurrentIndex(tab);
    // Pasted into the third field, the address still fills all four.
    QLineEdit *third = ui().field(octets[2]);
    Driver::clickInto(third);
    QApplication::clipboard()->setText(QStringLiteral(" 10.1.2.3/8\n"));
    QTest::keyClick(third, Qt::Key_Insert, Qt::ShiftModifier);
    const QStringList expected{"10", "1", "2", "3"};
    for (int k = 0; k < 4; ++k)
        QCOMPARE(ui().field(octets[k])->text(), expected[k]);
}

void tst_frmNetquill::pastingIntoAReadOnlyFieldChangesNothing()
{
    QLineEdit *decimal = ui().field("txtDecimal");
    Driver::clickInto(decimal);
    QApplication::clipboard()->setText(QStringLiteral("12345"));
    QTest::keyClick(decimal, Qt::Key_V, Qt::ControlModifier);
    QVERIFY(decimal->text().isEmpty());
}

void tst_frmNetquill::contextMenuPasteIsFiltered()
{
    QLineEdit *octet = ui().field("txtDottedQuad1");
    QApplication::clipboard()->setText(QStringLiteral("x9y9"));
    QTimer::singleShot(0, this, [] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QVERIFY(menu);
        for (QAction *entry : menu->actions()) {
            if (entry->text().startsWith(QLineEdit::tr("&Paste")))
                entry->trigger();
        }
        menu->close();
    });
    QContextMenuEvent request(QContextMenuEvent::Keyboard, QPoint(5, 5), octet->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(octet, &request);
    QTRY_COMPARE(octet->text(), QStringLiteral("99"));
}

// ---- Notation options, focus and selection ----

void tst_frmNetquill::choosingANotationSwitchesEditableFields_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QStringList>("editable");

    QTest::newRow("dotted-quad") << "optDottedQuad"
                                 << QStringList{"txtDottedQuad1", "txtDottedQuad2", "txtDottedQuad3", "txtDottedQuad4"};
    QTest::newRow("decimal") << "optDecimal" << QStringList{"txtDecimal"};
    QTest::newRow("hexadecimal") << "optHexadecimal" << QStringList{"txtHexadecimal"};
    QTest::newRow("octal") << "optOctal" << QStringList{"txtOctal"};
    QTest::newRow("binary") << "optBinary" << QStringList{"txtBinary"};
}

void tst_frmNetquill::choosingANotationSwitchesEditableFields()
{
    QFETCH(QString, option);
    QFETCH(QStringList, editable);
    for (const char *name : {"txtDottedQuad1", "txtDecimal", "txtHexadecimal", "txtOctal", "txtBinary"})
        ui().field(name)->setText(QStringLiteral("1"));
    // Go through another notation first, so every switch is seen both ways.
    choose(option == QLatin1String("optBinary") ? "optDecimal" : "optBinary");
    choose(option);

    const QColor white = QApplication::palette().color(QPalette::Base);
    const QColor grey = QApplication::palette().color(QPalette::Button);
    for (const char *name : {"txtDottedQuad1", "txtDottedQuad2", "txtDottedQuad3", "txtDottedQuad4", "txtDecimal",
                             "txtHexadecimal", "txtOctal", "txtBinary"}) {
        const bool chosen = editable.contains(QLatin1String(name));
        QCOMPARE(ui().field(name)->isReadOnly(), !chosen);
        QCOMPARE(background(ui().field(name)), chosen ? white : grey);
        QCOMPARE(ui().field(name)->focusPolicy() == Qt::StrongFocus, chosen);
    }
    QCOMPARE(QApplication::focusWidget(), ui().field(editable.front()));
    QCOMPARE(ui().field("txtDecimal")->text(), QStringLiteral("1"));  // texts are kept
}

void tst_frmNetquill::tabKeySkipsReadOnlyFields()
{
    choose("optOctal");
    QCOMPARE(QApplication::focusWidget(), ui().field("txtOctal"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), ui().control<QWidget>("optOctal"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), ui().field("txtOctal"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QVERIFY(QApplication::focusWidget() != ui().field("txtHexadecimal"));
    QVERIFY(QApplication::focusWidget() != ui().field("txtDottedQuad4"));
}

void tst_frmNetquill::tabEntersTheOptionGroupOnTheChosenButton()
{
    choose("optOctal");
    ui().control<QWidget>("btnConvert")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), ui().control<QWidget>("optOctal"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QVERIFY(ui().control<QRadioButton>("optOctal")->isChecked());
    ui().field("txtOctal")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), ui().control<QWidget>("optOctal"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), ui().control<QWidget>("btnConvert"));
}

void tst_frmNetquill::anArrowKeyChoosesANotationAsAClickDoes()
{
    ui().typeAddress(QStringLiteral("txtDottedQuad1"), QStringLiteral("192.168.1.1"));
    ui().click(QStringLiteral("btnConvert"));
    ui().control<QWidget>("optDottedQuad")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QVERIFY(ui().control<QRadioButton>("optDecimal")->isChecked());
    QCOMPARE(QApplication::focusWidget(), ui().field("txtDecimal"));
    QCOMPARE(ui().field("txtDecimal")->selectedText(), QStringLiteral("3232235777"));
    QVERIFY(!ui().field("txtDecimal")->isReadOnly());

    ui().control<QWidget>("optDecimal")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
    QVERIFY(ui().control<QRadioButton>("optDottedQuad")->isChecked());
    QCOMPARE(QApplication::focusWidget(), ui().field("txtDottedQuad1"));
    QCOMPARE(ui().field("txtDottedQuad1")->selectedText(), QStringLiteral("192"));
}

void tst_frmNetquill::enteringAFieldSelectsItOnlyForTheChosenNotation()
{
    QLineEdit *decimal = ui().field("txtDecimal");
    decimal->setText(QStringLiteral("3232235777"));
    Driver::clickInto(decimal);
    QCOMPARE(QApplication::focusWidget(), decimal);
    QVERIFY(!decimal->hasSelectedText());

    ui().field("txtDottedQuad1")->setFocus();
    choose("optDecimal");  // by choosing the notation
    QCOMPARE(decimal->selectedText(), decimal->text());

    ui().control<QWidget>("btnConvert")->setFocus();
    Driver::clickInto(decimal);  // by a click
    QCOMPARE(decimal->selectedText(), decimal->text());

    ui().control<QWidget>("optDecimal")->setFocus();
    QTest::keyClick(ui().control<QWidget>("optDecimal"), Qt::Key_Backtab);  // by the Tab key
    QCOMPARE(QApplication::focusWidget(), decimal);
    QCOMPARE(decimal->selectedText(), decimal->text());

    // Octet fields of the other tabs select on every entry.
    ui().control<QTabWidget>("SSTab1")->setCurrentIndex(1);
    ui().field("txtIP2")->setText(QStringLiteral("168"));
    Driver::clickInto(ui().field("txtIP2"));
    QCOMPARE(ui().field("txtIP2")->selectedText(), QStringLiteral("168"));
}

void tst_frmNetquill::changingTabMovesTheFocus_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("focus");

    QTest::newRow("network tab") << "optDottedQuad" << 1 << "txtIP1";
    QTest::newRow("subnet tab") << "optDottedQuad" << 2 << "txtIPBlock1";
    QTest::newRow("back to converter, hexadecimal chosen") << "optHexadecimal" << 0 << "txtHexadecimal";
}

void tst_frmNetquill::changingTabMovesTheFocus()
{
    QFETCH(QString, option);
    QFETCH(int, tab);
    QFETCH(QString, focus);
    choose(option);
    QTabWidget *tabs = ui().control<QTabWidget>("SSTab1");
    if (tab == 0)
        tabs->setCurrentIndex(2);
    QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {}, tabs->tabBar()->tabRect(tab).center());
    QCOMPARE(tabs->currentIndex(), tab);
    QCOMPARE(QApplication::focusWidget(), ui().control<QWidget>(focus));
}

// ---- Convert, Clear, Copy ----

void tst_frmNetquill::convertShowsEveryNotation_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QStringList>("shown");  // octets 1-4, decimal, hexadecimal, octal, binary

    const QString ones(32, QLatin1Char('1'));
    const QString zeros(32, QLatin1Char('0'));
    QTest::newRow("dotted-quad 192.168.1.1")
        << "optDottedQuad" << "192.168.1.1."
        << QStringList{"192", "168", "1", "1", "3232235777", "C0A80101", "30052000401", kBinary192_168_1_1};
    QTest::newRow("dotted-quad empty octets") << "optDottedQuad" << ""
                                              << QStringList{"0", "0", "0", "0", "0", "0", "0", zeros};
    QTest::newRow("dotted-quad folds 256 510 511 999")
        << "optDottedQuad" << "256.510.511.999."
        << QStringList{"1", "255", "1", "234", "33489386", "1FF01EA", "177600752", "00000001111111110000000111101010"};
    QTest::newRow("dotted-quad keeps 007 and 00")
        << "optDottedQuad" << "007.00.0.1"
        << QStringList{"007", "00", "0", "1", "117440513", "7000001", "700000001", "00000111000000000000000000000001"};
    QTest::newRow("decimal above the largest address")
        << "optDecimal" << "4294967296" << QStringList{"255", "255", "255", "255", "4294967295", "FFFFFFFF", "37777777777", ones};
    QTest::newRow("decimal 1") << "optDecimal" << "1"
                               << QStringList{"0", "0", "0", "1", "1", "1", "1", QString(31, QLatin1Char('0')) + "1"};
    QTest::newRow("decimal empty shows 0") << "optDecimal" << "" << QStringList{"0", "0", "0", "0", "0", "0", "0", zeros};
    QTest::newRow("hexadecimal ff") << "optHexadecimal" << "ff"
                                    << QStringList{"0", "0", "0", "255", "255", "FF", "377", QString(24, QLatin1Char('0')) + QString(8, QLatin1Char('1'))};
    QTest::newRow("hexadecimal 0") << "optHexadecimal" << "0" << QStringList{"0", "0", "0", "0", "0", "0", "0", "0"};
    QTest::newRow("octal above the largest address")
        << "optOctal" << "77777777777" << QStringList{"255", "255", "255", "255", "4294967295", "FFFFFFFF", "37777777777", ones};
    QTest::newRow("octal 10") << "optOctal" << "10"
                              << QStringList{"0", "0", "0", "8", "8", "8", "10", QString(28, QLatin1Char('0')) + "1000"};
    QTest::newRow("octal empty shows 0") << "optOctal" << "" << QStringList{"0", "0", "0", "0", "0", "0", "0", zeros};
    QTest::newRow("binary 1 is filled")
        << "optBinary" << "1" << QStringList{"0", "0", "0", "1", "1", "1", "1", QString(31, QLatin1Char('0')) + "1"};
}

void tst_frmNetquill::convertShowsEveryNotation()
{
    QFETCH(QString, option);
    QFETCH(QString, input);
    QFETCH(QStringList, shown);
    choose(option);
    Driver::typeAtFocus(input);
    QTest::mouseClick(ui().control<QPushButton>("btnConvert"), Qt::LeftButton);
    const char *names[] = {"txtDottedQuad1", "txtDottedQuad2", "txtDottedQuad3", "txtDottedQuad4",
                           "txtDecimal",     "txtHexadecimal", "txtOctal",       "txtBinary"};
    for (int k = 0; k < 8; ++k)
        QCOMPARE(ui().field(names[k])->text(), shown[k]);
}

void tst_frmNetquill::enterAndSpaceOnAFocusedButtonClickIt_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("enter") << int(Qt::Key_Return);
    QTest::newRow("keypad enter") << int(Qt::Key_Enter);
    QTest::newRow("space") << int(Qt::Key_Space);
}

void tst_frmNetquill::enterAndSpaceOnAFocusedButtonClickIt()
{
    QFETCH(int, key);
    Driver::typeAtFocus(QStringLiteral("192.168.1.1."));
    QCOMPARE(QApplication::focusWidget(), ui().control<QWidget>("btnConvert"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
    QCOMPARE(ui().field("txtDecimal")->text(), QStringLiteral("3232235777"));
    QCOMPARE(ui().field("txtBinary")->text(), kBinary192_168_1_1);
    QCOMPARE(QApplication::focusWidget(), ui().control<QWidget>("btnConvert"));  // the focus stays
}

void tst_frmNetquill::clearEmptiesTheTabAndKeepsTheNotation()
{
    Driver::typeAtFocus(QStringLiteral("10.1.2.3"));
    QTest::mouseClick(ui().control<QPushButton>("btnConvert"), Qt::LeftButton);
    choose("optOctal");
    QTest::mouseClick(ui().control<QPushButton>("btnClearIP"), Qt::LeftButton);
    for (QLineEdit *each : ui().control<QWidget>("Frame1")->findChildren<QLineEdit *>())
        QVERIFY2(each->text().isEmpty(), qPrintable(each->objectName()));
    QVERIFY(ui().control<QRadioButton>("optOctal")->isChecked());
    QCOMPARE(QApplication::focusWidget(), ui().field("txtOctal"));
}

void tst_frmNetquill::copyPutsFiveLinesOnTheClipboard()
{
    QTest::mouseClick(ui().control<QPushButton>("btnCopyTab1ToClipboard"), Qt::LeftButton);
    QCOMPARE(QApplication::clipboard()->text(),
             QStringLiteral("IP Address : ...\r\nDecimal    : \r\nHexadecimal: \r\nOctal      : \r\nBinary     : \r\n"));

    Driver::clickInto(ui().field("txtDottedQuad1"));
    Driver::typeAtFocus(QStringLiteral("192.168.1.1."));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTest::mouseClick(ui().control<QPushButton>("btnCopyTab1ToClipboard"), Qt::LeftButton);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("IP Address : 192.168.1.1\r\n"
                                                               "Decimal    : 3232235777\r\n"
                                                               "Hexadecimal: C0A80101\r\n"
                                                               "Octal      : 30052000401\r\n"
                                                               "Binary     : 11000000101010000000000100000001\r\n"));
    QVERIFY(!QApplication::clipboard()->mimeData()->hasHtml());
}

void tst_frmNetquill::ctrlCCopiesTheTabEvenFromASelection()
{
    Driver::typeAtFocus(QStringLiteral("10.1.2.3"));
    QTest::mouseClick(ui().control<QPushButton>("btnConvert"), Qt::LeftButton);
    for (const char *name : {"txtDottedQuad1", "txtDecimal"}) {
        QApplication::clipboard()->clear();
        QLineEdit *selected = ui().field(name);
        Driver::clickInto(selected);
        selected->selectAll();
        QVERIFY(selected->hasSelectedText());
        QTest::keyClick(selected, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("IP Address : 10.1.2.3\r\n"
                                                                   "Decimal    : 167838211\r\n"
                                                                   "Hexadecimal: A010203\r\n"
                                                                   "Octal      : 1200201003\r\n"
                                                                   "Binary     : 00001010000000010000001000000011\r\n"));
    }
}

// ---- Ending the program ----

void tst_frmNetquill::everyWayOutEndsTheProgram_data()
{
    QTest::addColumn<QString>("way");
    QTest::newRow("Exit button") << "button";
    QTest::newRow("Esc in a field") << "escape";
    QTest::newRow("F3") << "f3";
    QTest::newRow("File > Exit") << "menu";
    QTest::newRow("close box") << "close";
}

void tst_frmNetquill::everyWayOutEndsTheProgram()
{
    QFETCH(QString, way);
    QTimer::singleShot(0, this, [this, way] {
        if (way == QLatin1String("button"))
            QTest::mouseClick(ui().control<QPushButton>("btnExit"), Qt::LeftButton);
        else if (way == QLatin1String("escape"))
            QTest::keyClick(ui().field("txtDottedQuad1"), Qt::Key_Escape);
        else if (way == QLatin1String("f3"))
            QTest::keyClick(ui().field("txtDottedQuad1"), Qt::Key_F3);
        else if (way == QLatin1String("menu"))
            ui().control<QAction>("mnuExit")->trigger();
        else
            ui().window()->close();
    });
    // The program's event loop ends at once; the watchdog's code says it did not.
    QTimer::singleShot(5000, this, [] { QCoreApplication::exit(99); });
    QCOMPARE(QCoreApplication::exec(), 0);
    QVERIFY(!ui().window()->isVisible());
}

QTEST_MAIN(tst_frmNetquill)
#include "tst_frmnetquill.moc"
