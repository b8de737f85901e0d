// The main window under hostile use: huge and strange pastes into every
// address field, keys held down, buttons and lists hammered. Nothing may
// crash or hang, no field may hold a character its notation does not allow,
// and the results must stay consistent with the fields.
#include "core/addressconverter.h"
#include "tests/ui/main/mainwindowdriver.h"

#include <QAbstractButton>
#include <QLabel>
#include <QRadioButton>
#include <QRandomGenerator>

class tst_Hostility : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void aMegabytePasteLeavesOnlyTheFieldsCharacters_data();
    void aMegabytePasteLeavesOnlyTheFieldsCharacters();
    void aKeyHeldDownFillsTheFieldToItsLimit();
    void convertAndCalculateTenThousandTimesChangeNothing();
    void generateTenThousandTimesOpensAndClosesTheList();
    void everyPlanListChosenTenThousandTimesStaysConsistent();
    void everyPrefixAndEveryPlanEntryIsConsistent();

private:
    MainWindowDriver &ui() { return *m_ui; }
    void checkPlanIsConsistent(int cidrBits);

    std::unique_ptr<MainWindowDriver> m_ui;
};

namespace {

struct FieldRule {
    const char *option;  // the notation that makes the field editable; empty on tabs 2 and 3
    int tab;
    QString allowed;
    int maxLength;
};

const QString kDigits = QStringLiteral("0123456789");

// A megabyte of everything a clipboard may bring.
QString hostileText()
{
    static const QString pieces[] = {QStringLiteral("192.168."), QStringLiteral("abcdefABCDEFxyz"),
                                     QStringLiteral("\t\r\n\x01\x07\x1b"), QStringLiteral("\u200F\u202E\u2066"),
                                     QString::fromUtf8("\xF0\x9F\x98\x80\xF0\x9F\x92\xA9"), QStringLiteral("0x7f-+/ "),
                                     QStringLiteral("01234567"), QStringLiteral("\u00A0\u00E9\u4E2D")};
    QString text;
    QRandomGenerator random(1048576);
    while (text.size() < 1 << 20)
        text += pieces[random.bounded(int(std::size(pieces)))];
    return text;
}

bool onlyAllowed(const QString &text, const QString &allowed)
{
    return std::all_of(text.begin(), text.end(), [&](QChar c) { return allowed.contains(c); });
}

}  // namespace

void tst_Hostility::init()
{
    m_ui = std::make_unique<MainWindowDriver>();
}

void tst_Hostility::cleanup()
{
    m_ui.reset();
}

void tst_Hostility::aMegabytePasteLeavesOnlyTheFieldsCharacters_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("option");
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("allowed");
    QTest::addColumn<int>("maxLength");

    for (const char *octet : {"txtDottedQuad1", "txtDottedQuad2", "txtDottedQuad3", "txtDottedQuad4"})
        QTest::newRow(octet) << octet << "optDottedQuad" << 0 << kDigits << 3;
    QTest::newRow("txtDecimal") << "txtDecimal" << "optDecimal" << 0 << kDigits << 10;
    QTest::newRow("txtHexadecimal") << "txtHexadecimal" << "optHexadecimal" << 0 << "0123456789ABCDEF" << 8;
    QTest::newRow("txtOctal") << "txtOctal" << "optOctal" << 0 << "01234567" << 11;
    QTest::newRow("txtBinary") << "txtBinary" << "optBinary" << 0 << "01" << 32;
    for (const char *octet : {"txtIP1", "txtIP2", "txtIP3", "txtIP4"})
        QTest::newRow(octet) << octet << "" << 1 << kDigits << 3;
    for (const char *octet : {"txtIPBlock1", "txtIPBlock2", "txtIPBlock3", "txtIPBlock4"})
        QTest::newRow(octet) << octet << "" << 2 << kDigits << 3;
}

void tst_Hostility::aMegabytePasteLeavesOnlyTheFieldsCharacters()
{
    QFETCH(QString, field);
    QFETCH(QString, option);
    QFETCH(int, tab);
    QFETCH(QString, allowed);
    QFETCH(int, maxLength);
    static const QString text = hostileText();
    ui().showTab(tab);
    if (!option.isEmpty())
        QTest::mouseClick(ui().control<QRadioButton>(option), Qt::LeftButton);
    QLineEdit *target = ui().field(field);
    MainWindowDriver::clickInto(target);
    QApplication::clipboard()->setText(text);
    QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
    QVERIFY(!target->text().isEmpty());
    QVERIFY2(onlyAllowed(target->text(), allowed), qPrintable(target->text()));
    QVERIFY(target->text().size() <= maxLength);
    QTest::keyClick(target, Qt::Key_Insert, Qt::ShiftModifier);  // pasting again into a full field
    QVERIFY(onlyAllowed(target->text(), allowed) && target->text().size() <= maxLength);
}

void tst_Hostility::aKeyHeldDownFillsTheFieldToItsLimit()
{
    QTest::mouseClick(ui().control<QRadioButton>("optHexadecimal"), Qt::LeftButton);
    QLineEdit *hexadecimal = ui().field("txtHexadecimal");
    for (const auto &[key, text] : {std::pair{Qt::Key_F, QStringLiteral("f")}, std::pair{Qt::Key_G, QStringLiteral("g")}}) {
        for (int repeat = 0; repeat < 500; ++repeat) {
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text, repeat > 0);
            QApplication::sendEvent(hexadecimal, &press);
        }
    }
    QCOMPARE(hexadecimal->text(), QStringLiteral("FFFFFFFF"));
}

void tst_Hostility::convertAndCalculateTenThousandTimesChangeNothing()
{
    ui().typeAddress(QStringLiteral("txtDottedQuad1"), QStringLiteral("999.256.7.00"));
    for (int click = 0; click < 10000; ++click)
        QTest::mouseClick(ui().control<QWidget>("btnConvert"), Qt::LeftButton);
    netquill::AddressFields shown;
    shown.octets = {ui().field("txtDottedQuad1")->text().toStdString(), ui().field("txtDottedQuad2")->text().toStdString(),
                    ui().field("txtDottedQuad3")->text().toStdString(), ui().field("txtDottedQuad4")->text().toStdString()};
    shown.decimal = ui().field("txtDecimal")->text().toStdString();
    shown.hexadecimal = ui().field("txtHexadecimal")->text().toStdString();
    shown.octal = ui().field("txtOctal")->text().toStdString();
    shown.binary = ui().field("txtBinary")->text().toStdString();
    QCOMPARE(shown.decimal, std::string("3925935872"));  // 234.1.7.0
    QVERIFY(netquill::ConvertAddress(netquill::AddressNotation::DottedQuad, shown) == shown);

    ui().showTab(1);
    ui().typeAddress(QStringLiteral("txtIP1"), QStringLiteral("300.1.2.3"));
    ui().pick(QStringLiteral("cboNetworkBits"), QStringLiteral("20"));
    for (int click = 0; click < 10000; ++click)
        QTest::mouseClick(ui().control<QWidget>("btnCalculate"), Qt::LeftButton);
    QCOMPARE(ui().field("txtIP1")->text(), QStringLiteral("45"));
    QCOMPARE(ui().field("txtNetworkID")->text(), QStringLiteral("45.1.0.0"));
    QCOMPARE(ui().field("txtBroadcastAddress")->text(), QStringLiteral("45.1.15.255"));
}

void tst_Hostility::generateTenThousandTimesOpensAndClosesTheList()
{
    ui().showTab(2);
    ui().typeAddress(QStringLiteral("txtIPBlock1"), QStringLiteral("10.0.0.0"));
    ui().pick(QStringLiteral("cboBits"), QStringLiteral("32"));
    int opened = 0;
    // Each list closes as soon as it shows.
    QTimer closer;
    closer.setInterval(0);
    connect(&closer, &QTimer::timeout, this, [&opened] {
        if (QWidget *list = QApplication::activeModalWidget()) {
            ++opened;
            list->close();
        }
    });
    closer.start();
    for (int click = 0; click < 10000; ++click)
        QTest::mouseClick(ui().control<QWidget>("btnGenerate"), Qt::LeftButton);
    closer.stop();
    QCOMPARE(opened, 10000);
    QCOMPARE(ui().field("txtIPBlock1")->text(), QStringLiteral("10"));
    QVERIFY(!QApplication::activeModalWidget());
}

void tst_Hostility::checkPlanIsConsistent(int cidrBits)
{
    const int maskBits = cidrBits + ui().list("cboMaskBits")->currentIndex();
    QCOMPARE(ui().list("cboMaskBits")->currentText().toInt(), maskBits);
    QCOMPARE(ui().list("cboSubnetMask")->currentIndex(), maskBits - cidrBits);
    QCOMPARE(ui().list("cboNumberOfSubnets")->currentText().toULongLong(), 1ull << (maskBits - cidrBits));
    QCOMPARE(ui().list("cboHostBits")->currentText().toInt(), 32 - maskBits);
    const QString pattern = ui().field("txtSubnetBitMask")->text().remove(QLatin1Char('.'));
    QCOMPARE(pattern, QString(cidrBits, 'n') + QString(maskBits - cidrBits, 's') + QString(32 - maskBits, 'h'));
    QCOMPARE(ui().control<QLabel>("lblRFC3021")->isVisible(), maskBits == 31);
}

void tst_Hostility::everyPlanListChosenTenThousandTimesStaysConsistent()
{
    ui().showTab(2);
    ui().pick(QStringLiteral("cboBits"), QStringLiteral("20"));
    for (const char *name : {"cboSubnetMask", "cboMaskBits", "cboNumberOfSubnets", "cboHostBits", "cboHostsPerSubnet"}) {
        QComboBox *list = ui().list(name);
        list->setFocus();
        for (int key = 0; key < 10000; ++key)
            QTest::keyClick(list, key % 7 < 4 ? Qt::Key_Down : Qt::Key_Up);
        checkPlanIsConsistent(20);
    }
}

void tst_Hostility::everyPrefixAndEveryPlanEntryIsConsistent()
{
    ui().showTab(2);
    for (int cidrBits = 1; cidrBits <= 32; ++cidrBits) {
        ui().pick(QStringLiteral("cboBits"), QString::number(cidrBits));
        QCOMPARE(ui().control<QLabel>("lblBits")->text(), "/" + QString::number(cidrBits));
        for (const char *name : {"cboSubnetMask", "cboMaskBits", "cboNumberOfSubnets", "cboHostBits", "cboHostsPerSubnet"}) {
            QComboBox *list = ui().list(name);
            QCOMPARE(list->count(), 33 - cidrBits);
            list->setFocus();
            QTest::keyClick(list, Qt::Key_Home);
            for (int entry = 0; entry < list->count(); ++entry) {
                if (entry > 0)
                    QTest::keyClick(list, Qt::Key_Down);
                QCOMPARE(list->currentIndex(), entry);
                checkPlanIsConsistent(cidrBits);
            }
        }
    }
}

QTEST_MAIN(tst_Hostility)
#include "tst_hostility.moc"
