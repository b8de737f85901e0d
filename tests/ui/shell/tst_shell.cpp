// The splash, the About box, the help window and the web links, driven as a
// user drives them; the desktop's opener is replaced so nothing real opens.
#include "core/productinfo.h"
#include "tests/ui/main/mainwindowdriver.h"
#include "ui/shell/frmabout.h"
#include "ui/shell/frmsplash.h"
#include "ui/shell/helpviewer.h"
#include "ui/shell/hyperjump.h"

#include <QHelpContentWidget>
#include <QHelpIndexWidget>

namespace {

// Where the build puts the compiled help beside this test.
QString builtHelpFile() { return QCoreApplication::applicationDirPath() + "/Help/" + netquill::kHelpFileName; }

// The page the help window shows.
QUrl pageOf(const HelpViewer &help) { return help.findChild<QTextBrowser *>("helpPage")->source(); }
QString textOf(const HelpViewer &help) { return help.findChild<QTextBrowser *>("helpPage")->toPlainText(); }

}  // namespace

class tst_Shell : public QObject
{
    Q_OBJECT

private:
    QList<QUrl> m_opened;
    UrlOpener m_desktopOpener;

private slots:
    void init()
    {
        m_opened.clear();
        m_desktopOpener = replaceUrlOpener([this](const QUrl &url) { m_opened << url; });
    }
    void cleanup()
    {
        replaceUrlOpener(m_desktopOpener);
        for (QWidget *window : QApplication::topLevelWidgets())
            window->close();
    }

    void splashOpensTheMainWindowOnceByKeyClickOrTime()
    {
        int opened = 0;
        frmSplash byKey([&opened] { ++opened; });
        byKey.show();
        QVERIFY(QTest::qWaitForWindowExposed(&byKey));
        QTest::keyClick(&byKey, Qt::Key_Escape);
        QCOMPARE(opened, 1);
        QVERIFY(!byKey.isVisible());

        frmSplash byClick([&opened] { ++opened; });
        byClick.show();
        auto *name = byClick.findChild<QLabel *>("lblProductName");
        QTest::mouseClick(name, Qt::LeftButton, {}, name->rect().center());  // a label is not the frame
        QCOMPARE(opened, 1);
        auto *frame = byClick.findChild<QWidget *>("Frame1");
        QTest::mouseClick(frame, Qt::LeftButton, {}, QPoint(frame->width() - 6, 6));
        QCOMPARE(opened, 2);

        frmSplash byTime([&opened] { ++opened; });
        byTime.show();
        QTRY_COMPARE_WITH_TIMEOUT(opened, 3, 4000);
        QTest::qWait(frmSplash::kSplashMilliseconds + 200);  // no splash opens a second main window
        QCOMPARE(opened, 3);
    }

    void aboutBoxHoldsItsControlsAndClosesByOkEnterAndEsc()
    {
        for (const int key : {0, int(Qt::Key_Return), int(Qt::Key_Escape)}) {
            frmAbout about(nullptr);
            QStringList shown;
            for (const QWidget *control : about.findChildren<QWidget *>())
                if (control->isVisibleTo(&about) && !control->objectName().isEmpty())
                    shown << control->objectName();
            shown.sort();
            QCOMPARE(shown,
                     (QStringList{"Image1", "Label1", "Line1", "cmdOK", "lblDisclaimer", "lblTitle", "lblVersion"}));
            QCOMPARE(about.windowModality(), Qt::WindowModal);
            about.show();
            QVERIFY(QTest::qWaitForWindowExposed(&about));
            if (key == 0)
                QTest::mouseClick(about.findChild<QPushButton *>("cmdOK"), Qt::LeftButton);
            else
                QTest::keyClick(&about, Qt::Key(key));
            QVERIFY(!about.isVisible());
        }
    }

    void helpOpensAtTheWelcomeTopicOrTheIndexAndSaysWhatTheProgramDoes()
    {
        HelpViewer index(builtHelpFile());
        index.showIndex();  // used first, the index shows the welcome page beside it
        QVERIFY(pageOf(index).toString().endsWith("/Welcome.htm"));
        auto *keywords = index.findChild<QHelpIndexWidget *>();
        QTRY_VERIFY(keywords->model()->rowCount() >= 30);
        auto *lookFor = index.findChild<QLineEdit *>("lookFor");
        QTest::keyClicks(lookFor, "RFC 3021");
        QTRY_COMPARE(keywords->model()->rowCount(), 1);
        QTest::keyClick(lookFor, Qt::Key_Return);
        QTRY_VERIFY(pageOf(index).toString().endsWith("/Rfc3021.htm"));
        // Topics say what the program does.
        const std::tuple<QString, QString, QString> claims[] = {
            {"Exports.htm", "written whole or not at all", "32767"},
            {"Exports.htm", "adds no extension", "a .csv file"},
            {"Keyboard.htm", "option buttons", "between the fields that take typing"}};
        for (const auto &[topic, says, neverSays] : claims) {
            index.showContents(topic);
            const QString text = textOf(index).simplified();
            QVERIFY2(text.contains(says) && !text.contains(neverSays), qPrintable(text));
        }

        // One click on a contents entry opens its topic; the entry shown as
        // current follows the page, however it was reached.
        auto *contents = index.findChild<QHelpContentWidget *>();
        QTRY_VERIFY(contents->model()->rowCount() > 0);
        const auto entry = [contents](const QString &title) {
            return contents->model()
                ->match(contents->model()->index(0, 0), Qt::DisplayRole, title, 1,
                        Qt::MatchExactly | Qt::MatchRecursive)
                .value(0);
        };
        QTest::mouseClick(contents->viewport(), Qt::LeftButton, {}, contents->visualRect(entry("RFC 3021")).center());
        QVERIFY(pageOf(index).toString().endsWith("/Rfc3021.htm"));
        index.showContents(QString::fromLatin1(HelpViewer::kWelcomeTopic));
        QCOMPARE(contents->currentIndex(), entry("Trevantis Netquill"));

        const QString missing = QString("/nonexistent/Help/") + netquill::kHelpFileName;
        HelpViewer withoutFile(missing);
        withoutFile.showContents(QString::fromLatin1(HelpViewer::kWelcomeTopic));
        QVERIFY(textOf(withoutFile).contains(missing));
        QVERIFY(!QApplication::activeModalWidget());
        index.close();
        withoutFile.close();

        // F1 opens it from the main window and from itself; Esc closes it.
        MainWindowDriver ui;
        QTest::keyClick(ui.field("txtDottedQuad1"), Qt::Key_F1);
        HelpViewer *shown = MainWindowDriver::shownHelp();
        QVERIFY(textOf(*shown).contains("Welcome to Trevantis Netquill"));
        shown->showContents("Keyboard.htm");
        QVERIFY(pageOf(*shown).toString().endsWith("/Keyboard.htm") && QTest::qWaitForWindowActive(shown));
        QTest::keyClick(shown->findChild<QTextBrowser *>("helpPage"), Qt::Key_F1);
        QVERIFY(pageOf(*shown).toString().endsWith("/Welcome.htm"));
        QTest::keyClick(shown->findChild<QLineEdit *>("lookFor"), Qt::Key_Escape);
        QVERIFY(!shown->isVisible() && ui.window()->isVisible());
    }

    // The help's collection lives in the user's cache, never in the temporary
    // folder, and serves the next run, or a copy of the help elsewhere.
    void helpLeavesNothingInTheTemporaryFolder()
    {
        QTemporaryDir elsewhere;
        const QString copied = elsewhere.filePath(netquill::kHelpFileName);
        QVERIFY(QFile::copy(builtHelpFile(), copied));
        QTemporaryDir temporary;
        qputenv("TMPDIR", temporary.path().toLocal8Bit());
        for (const QString &helpFile : {builtHelpFile(), builtHelpFile(), copied}) {
            HelpViewer help(helpFile);
            help.showContents("Keyboard.htm");
            QVERIFY2(textOf(help).contains("Tab"), qPrintable(helpFile));
            QCOMPARE(QDir(temporary.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());
        }
        qunsetenv("TMPDIR");
        QVERIFY(QFile::exists(QStandardPaths::writableLocation(QStandardPaths::CacheLocation) + "/netquill.qhc"));
    }

    // The RFC 3021 link, shown for a /31 plan, by mouse, by Tab and Enter, by
    // Tab and Space, and the maker's site.
    void linksHandTheirAddressToTheDesktop()
    {
        MainWindowDriver ui;
        auto *label = ui.control<QLabel>("lblRFC3021");
        ui.showTab(2);
        ui.pick("cboBits", "30");
        QVERIFY(!label->isVisible());
        ui.pick("cboHostsPerSubnet", "2 (RFC3021)");
        QVERIFY(label->isVisible());
        QCOMPARE(label->palette().color(QPalette::Link), QColor(0, 0, 255));
        QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(8, label->height() / 2));
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Space}) {
            ui.control<QWidget>("btnGenerate")->setFocus();
            QTest::keyClick(MainWindowDriver::focus(), Qt::Key_Tab);
            QCOMPARE(MainWindowDriver::focus(), label);
            QTest::keyClick(label, key);
        }
        ui.control<QAction>("mnuTrevantis")->trigger();
        const QUrl rfc3021("https://www.ietf.org/rfc/rfc3021.txt");
        QCOMPARE(m_opened, (QList<QUrl>{rfc3021, rfc3021, rfc3021, QUrl("https://www.trevantis.example/")}));
    }
};

QTEST_MAIN(tst_Shell)
#include "tst_shell.moc"