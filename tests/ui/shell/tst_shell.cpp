// The splash, the About box, the help window and the web links, driven as a
// user drives them; the desktop's opener is replaced so nothing real opens.
#include "ui/shell/frmabout.h"
#include "ui/shell/frmsplash.h"
#include "ui/shell/helpviewer.h"
#include "ui/shell/hyperjump.h"
#include "tests/ui/main/mainwindowdriver.h"
#include "core/subnettable.h"

#include <QAction>
#include <QDialog>
#include <QHelpIndexWidget>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTextBrowser>

#include <bit>

class tst_Shell : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    // Splash
    void splashOpensTheMainWindowOnceAfterItsTime();
    void aKeyOpensTheMainWindowAtOnce_data();
    void aKeyOpensTheMainWindowAtOnce();
    void aClickOnTheFrameOpensItButNotOneOnALabel();
    void splashShowsTheProductAndTheYears();

    // About box
    void aboutBoxClosesByOkEnterAndEsc_data();
    void aboutBoxClosesByOkEnterAndEsc();
    void aboutBoxOpensModallyFromBothHelpMenus();

    // Help
    void contentsOpensTheWelcomeTopic();
    void indexOpensTheKeywordIndex();
    void aMissingHelpFileNamesItsPathWithoutAMessageBox();
    void topicsSayWhatTheProgramDoes_data();
    void topicsSayWhatTheProgramDoes();
    void f1FromTheMainWindowOpensTheHelpWindowOnce();
    void helpStaysUsableBesideAModalWindow_data();
    void helpStaysUsableBesideAModalWindow();

    // Web links
    void linksHandTheirAddressToTheDesktop_data();
    void linksHandTheirAddressToTheDesktop();
    void aFilePathIsHandedOverAsAFileUrl();

private:
    QList<QUrl> m_opened;
    UrlOpener m_desktopOpener;
};

namespace {

// Where the build puts the compiled help beside this test.
QString builtHelpFile()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/Help/Trevantis Netquill Help.qch");
}

}  // namespace

void tst_Shell::init()
{
    m_opened.clear();
    m_desktopOpener = replaceUrlOpener([this](const QUrl &url) { m_opened << url; });
}

void tst_Shell::cleanup()
{
    replaceUrlOpener(m_desktopOpener);
    for (QWidget *window : QApplication::topLevelWidgets())
        window->close();
}

// ---- Splash ----

void tst_Shell::splashOpensTheMainWindowOnceAfterItsTime()
{
    int opened = 0;
    frmSplash splash([&opened] { ++opened; });
    splash.show();
    QCOMPARE(opened, 0);
    QTRY_COMPARE_WITH_TIMEOUT(opened, 1, 4000);
    QVERIFY(!splash.isVisible());
    QTest::qWait(frmSplash::kSplashMilliseconds + 200);
    QCOMPARE(opened, 1);
}

void tst_Shell::aKeyOpensTheMainWindowAtOnce_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("text");
    QTest::newRow("letter") << int(Qt::Key_A) << "a";
    QTest::newRow("Enter") << int(Qt::Key_Return) << "\r";
    QTest::newRow("Esc") << int(Qt::Key_Escape) << "\x1b";
}

void tst_Shell::aKeyOpensTheMainWindowAtOnce()
{
    QFETCH(int, key);
    QFETCH(QString, text);
    int opened = 0;
    frmSplash splash([&opened] { ++opened; });
    splash.show();
    QVERIFY(QTest::qWaitForWindowExposed(&splash));
    QTest::keyClick(&splash, Qt::Key(key), Qt::NoModifier);
    QCOMPARE(opened, 1);
    QVERIFY(!splash.isVisible());
    QTest::keyClick(&splash, Qt::Key_B);  // a second key opens nothing more
    QTest::qWait(frmSplash::kSplashMilliseconds + 200);
    QCOMPARE(opened, 1);
}

void tst_Shell::aClickOnTheFrameOpensItButNotOneOnALabel()
{
    int opened = 0;
    frmSplash splash([&opened] { ++opened; });
    splash.show();
    QVERIFY(QTest::qWaitForWindowExposed(&splash));
    auto *name = splash.findChild<QLabel *>(QStringLiteral("lblProductName"));
    QTest::mouseClick(name, Qt::LeftButton, {}, name->rect().center());
    QCOMPARE(opened, 0);
    auto *frame = splash.findChild<QWidget *>(QStringLiteral("Frame1"));
    QTest::mouseClick(frame, Qt::LeftButton, {}, QPoint(frame->width() - 6, 6));
    QCOMPARE(opened, 1);
}

void tst_Shell::splashShowsTheProductAndTheYears()
{
    frmSplash splash([] {});
    QCOMPARE(splash.size(), QSize(492, 283));
    QCOMPARE(splash.findChild<QWidget *>(QStringLiteral("Frame1"))->geometry(), QRect(10, 4, 472, 270));
    const QList<std::pair<const char *, qreal>> labels{
        {"lblCompanyProduct", 18}, {"lblProductName", 27.75}, {"lblVersion", 12}};
    for (const auto &[name, points] : labels) {
        auto *label = splash.findChild<QLabel *>(QString::fromLatin1(name));
        QVERIFY(label->font().bold());
        QCOMPARE(label->font().pointSizeF(), points);
        QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(), name);
        QVERIFY2(label->fontMetrics().height() <= label->height(), name);
    }
    auto *notice = splash.findChild<QLabel *>(QStringLiteral("lblCopyright"));
    QVERIFY(notice->text().contains(QStringLiteral("2001\u2013%1").arg(QDate::currentDate().year())));
    QVERIFY(notice->fontMetrics().horizontalAdvance(notice->text()) <= notice->width());
    QVERIFY(splash.windowFlags() & Qt::FramelessWindowHint);
}

// ---- About box ----

void tst_Shell::aboutBoxClosesByOkEnterAndEsc_data()
{
    QTest::addColumn<QString>("way");
    QTest::newRow("OK") << "ok";
    QTest::newRow("Enter") << "enter";
    QTest::newRow("Esc") << "esc";
}

void tst_Shell::aboutBoxClosesByOkEnterAndEsc()
{
    QFETCH(QString, way);
    frmAbout about(nullptr);
    QCOMPARE(about.windowTitle(), QStringLiteral("About Trevantis Netquill"));
    QCOMPARE(about.size(), QSize(480, 300));
    QVERIFY(!about.findChild<QPushButton *>(QStringLiteral("cmdSysInfo"))->isVisibleTo(&about));
    QStringList labels;
    for (const QLabel *label : about.findChildren<QLabel *>())
        labels << label->objectName();
    labels.sort();
    QCOMPARE(labels, (QStringList{"Image1", "Label1", "lblDisclaimer", "lblTitle", "lblVersion"}));
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    if (way == QLatin1String("ok"))
        QTest::mouseClick(about.findChild<QPushButton *>(QStringLiteral("cmdOK")), Qt::LeftButton);
    else
        QTest::keyClick(&about, way == QLatin1String("enter") ? Qt::Key_Return : Qt::Key_Escape);
    QVERIFY(!about.isVisible());
}

void tst_Shell::aboutBoxOpensModallyFromBothHelpMenus()
{
    MainWindowDriver ui;
    QWidget *owner = nullptr;
    bool modal = false;
    QTimer::singleShot(0, this, [&] {
        if (auto *about = qobject_cast<frmAbout *>(QApplication::activeModalWidget())) {
            owner = about->parentWidget();
            modal = about->isModal();
            about->close();
        }
    });
    ui.control<QAction>(QStringLiteral("mnuAbout"))->trigger();
    QCOMPARE(owner, ui.window());
    QVERIFY(modal);
}

// ---- Help ----

void tst_Shell::contentsOpensTheWelcomeTopic()
{
    HelpViewer help(builtHelpFile());
    QVERIFY2(help.hasHelp(), qPrintable(builtHelpFile()));
    help.showContents(QString::fromLatin1(HelpViewer::kWelcomeTopic));
    QVERIFY(help.isVisible());
    QVERIFY(help.currentPage().toString().endsWith(QStringLiteral("/Welcome.htm")));
    QVERIFY(help.pageText().contains(QStringLiteral("Welcome to Trevantis Netquill")));
    QCOMPARE(help.findChild<QTabWidget *>(QStringLiteral("helpPanes"))->currentIndex(), 0);
}

void tst_Shell::indexOpensTheKeywordIndex()
{
    HelpViewer help(builtHelpFile());
    help.showIndex();
    QCOMPARE(help.findChild<QTabWidget *>(QStringLiteral("helpPanes"))->currentIndex(), 1);
    QVERIFY(help.currentPage().toString().endsWith(QStringLiteral("/Welcome.htm")));
    auto *index = help.findChild<QHelpIndexWidget *>();
    QVERIFY(index);
    QTRY_VERIFY(index->model()->rowCount() >= 30);

    // Typing narrows the index, Enter opens the keyword's topic.
    auto *lookFor = help.findChild<QLineEdit *>(QStringLiteral("lookFor"));
    QTest::keyClicks(lookFor, QStringLiteral("RFC 3021"));
    QTRY_COMPARE(index->model()->rowCount(), 1);
    QTest::keyClick(lookFor, Qt::Key_Return);
    QTRY_VERIFY(help.currentPage().toString().endsWith(QStringLiteral("/Rfc3021.htm")));
}

void tst_Shell::aMissingHelpFileNamesItsPathWithoutAMessageBox()
{
    const QString missing = QStringLiteral("/nonexistent/Help/Trevantis Netquill Help.qch");
    HelpViewer help(missing);
    QVERIFY(!help.hasHelp());
    help.showContents(QString::fromLatin1(HelpViewer::kWelcomeTopic));
    QVERIFY(help.isVisible());
    QVERIFY(help.pageText().contains(missing));
    QVERIFY(!QApplication::activeModalWidget());
    QVERIFY(help.findChildren<QMessageBox *>().isEmpty());
}

void tst_Shell::topicsSayWhatTheProgramDoes_data()
{
    QTest::addColumn<QString>("topic");
    QTest::addColumn<QString>("says");
    QTest::addColumn<QString>("neverSays");
    // The largest plan that exports: a power of two of subnets within the export's row limit.
    const QString largestExport = QString::number(std::bit_floor(netquill::kMostExportedSubnets));
    QTest::newRow("largest export") << "Exports.htm" << largestExport << "up to 32767 subnets";
    QTest::newRow("no extension added") << "Exports.htm" << "adds no extension" << "a .csv file";
    QTest::newRow("Tab stops everywhere") << "Keyboard.htm" << "option buttons" << "between the fields that take typing";
}

void tst_Shell::topicsSayWhatTheProgramDoes()
{
    QFETCH(QString, topic);
    QFETCH(QString, says);
    QFETCH(QString, neverSays);
    HelpViewer help(builtHelpFile());
    help.showContents(topic);
    const QString text = help.pageText().simplified();
    QVERIFY2(text.contains(says), qPrintable(text));
    QVERIFY(!text.contains(neverSays));
}

void tst_Shell::f1FromTheMainWindowOpensTheHelpWindowOnce()
{
    MainWindowDriver ui;
    QTest::keyClick(ui.field(QStringLiteral("txtDottedQuad1")), Qt::Key_F1);
    QTest::keyClick(ui.field(QStringLiteral("txtDottedQuad1")), Qt::Key_F1);
    QList<HelpViewer *> viewers;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (auto *viewer = qobject_cast<HelpViewer *>(window); viewer && viewer->isVisible())
            viewers << viewer;
    }
    QCOMPARE(viewers.size(), 1);
    QVERIFY(viewers.front()->currentPage().toString().endsWith(QStringLiteral("/Welcome.htm")));
    QVERIFY(ui.window()->isVisible());  // the main window does not wait for it
}

void tst_Shell::helpStaysUsableBesideAModalWindow_data()
{
    QTest::addColumn<QString>("modal");
    QTest::newRow("subnet list") << "frmSubnets";
    QTest::newRow("About box") << "frmAbout";
}

// Keys and clicks travel through the window system here, where a window
// blocked by a modal one loses them.
void tst_Shell::helpStaysUsableBesideAModalWindow()
{
    QFETCH(QString, modal);
    MainWindowDriver ui;
    ui.showTab(2);
    ui.pick(QStringLiteral("cboBits"), QStringLiteral("24"));
    QString typedIntoHelp;
    QString opened;
    QTimer::singleShot(0, this, [&] {
        QWidget *window = QApplication::activeModalWidget();
        if (!window)
            return;
        opened = window->objectName();
        if (auto *index = window->findChild<QAction *>(QStringLiteral("mnuIndex")))
            index->trigger();
        else
            showHelpIndex();
        HelpViewer *help = nullptr;
        for (QWidget *topLevel : QApplication::topLevelWidgets())
            if (auto *viewer = qobject_cast<HelpViewer *>(topLevel); viewer && viewer->isVisible())
                help = viewer;
        if (help) {
            help->findChild<QLineEdit *>(QStringLiteral("lookFor"))->clear();
            QTest::keyClick(help->windowHandle(), 'r');
            QTest::keyClick(help->windowHandle(), 'f');
            typedIntoHelp = help->findChild<QLineEdit *>(QStringLiteral("lookFor"))->text();
            help->close();
        }
        // The main window stays blocked: a click on its first tab goes nowhere.
        auto *tabs = ui.control<QTabWidget>(QStringLiteral("SSTab1"));
        const QPoint firstTab = tabs->tabBar()->mapTo(ui.window(), tabs->tabBar()->tabRect(0).center());
        QTest::mouseClick(ui.window()->windowHandle(), Qt::LeftButton, {}, firstTab);
        window->close();
    });
    if (modal == QLatin1String("frmSubnets"))
        ui.click(QStringLiteral("btnGenerate"));
    else
        ui.control<QAction>(QStringLiteral("mnuAbout"))->trigger();
    QCOMPARE(opened, modal);
    QCOMPARE(typedIntoHelp, QStringLiteral("rf"));
    QCOMPARE(ui.control<QTabWidget>(QStringLiteral("SSTab1"))->currentIndex(), 2);
}

// ---- Web links ----

void tst_Shell::linksHandTheirAddressToTheDesktop_data()
{
    QTest::addColumn<QString>("link");
    QTest::addColumn<QUrl>("address");
    QTest::newRow("RFC 3021 label") << "lblRFC3021" << QUrl(QStringLiteral("https://www.ietf.org/rfc/rfc3021.txt"));
    QTest::newRow("RFC 3021 label by keyboard") << "lblRFC3021/keyboard" << QUrl(QStringLiteral("https://www.ietf.org/rfc/rfc3021.txt"));
    QTest::newRow("main window's web entry") << "mnuTrevantis" << QUrl(QStringLiteral("https://www.trevantis.example/"));
    QTest::newRow("subnet list's web entry") << "frmSubnets/mnuTrevantis" << QUrl(QStringLiteral("https://www.trevantis.example/"));
}

void tst_Shell::linksHandTheirAddressToTheDesktop()
{
    QFETCH(QString, link);
    QFETCH(QUrl, address);
    MainWindowDriver ui;
    if (link == QLatin1String("lblRFC3021")) {
        ui.showTab(2);
        ui.pick(QStringLiteral("cboBits"), QStringLiteral("31"));
        auto *label = ui.control<QLabel>(link);
        QVERIFY(label->isVisible());
        QTest::mouseClick(label, Qt::LeftButton, {}, label->rect().center());
    } else if (link == QLatin1String("lblRFC3021/keyboard")) {
        ui.showTab(2);
        ui.pick(QStringLiteral("cboBits"), QStringLiteral("31"));
        ui.control<QWidget>(QStringLiteral("btnGenerate"))->setFocus();
        QTest::keyClick(MainWindowDriver::focus(), Qt::Key_Tab);
        QCOMPARE(MainWindowDriver::focus(), ui.control<QWidget>(QStringLiteral("lblRFC3021")));
        QTest::keyClick(MainWindowDriver::focus(), Qt::Key_Return);
    } else if (link == QLatin1String("mnuTrevantis")) {
        ui.control<QAction>(link)->trigger();
    } else {
        ui.showTab(2);
        ui.pick(QStringLiteral("cboBits"), QStringLiteral("24"));
        QTimer::singleShot(0, this, [] {
            QWidget *list = QApplication::activeModalWidget();
            if (!list)
                return;
            list->findChild<QAction *>(QStringLiteral("mnuTrevantis"))->trigger();
            list->close();
        });
        ui.click(QStringLiteral("btnGenerate"));
    }
    QCOMPARE(m_opened, QList<QUrl>{address});
}

void tst_Shell::aFilePathIsHandedOverAsAFileUrl()
{
    HyperJump(QStringLiteral("/tmp/export folder/subnets.csv"));
    QCOMPARE(m_opened, QList<QUrl>{QUrl::fromLocalFile(QStringLiteral("/tmp/export folder/subnets.csv"))});
}

QTEST_MAIN(tst_Shell)
#include "tst_shell.moc"
