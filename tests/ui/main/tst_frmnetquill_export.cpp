// File > Export from the main window: the save dialog answered as a user
// answers it, the written file read back, and the desktop's opener replaced
// so that nothing real opens.
#include "ui/shell/hyperjump.h"
#include "tests/ui/main/mainwindowdriver.h"

#include <QAbstractButton>
#include <QAction>
#include <QFileDialog>
#include <QMessageBox>
#include <QTemporaryDir>

#include <deque>
#include <unistd.h>
#include <functional>

namespace {

// Answers the modal dialogs that come up, one after the other, each with the
// next of its handlers; a handler that does not know the dialog leaves it.
class DialogAnswerer : public QObject
{
public:
    using Handler = std::function<bool(QWidget *)>;

    explicit DialogAnswerer(std::deque<Handler> handlers) : m_handlers(std::move(handlers))
    {
        m_timer.setInterval(10);
        connect(&m_timer, &QTimer::timeout, this, &DialogAnswerer::answer);
        m_timer.start();
        qApp->installEventFilter(this);
    }
    bool allAnswered() const { return m_handlers.empty(); }

protected:
    // A dialog shown again (the save dialog is one object) is a new question.
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && watched == m_lastAnswered)
            m_lastAnswered = nullptr;
        return false;
    }

private:
    void answer()
    {
        QWidget *dialog = QApplication::activeModalWidget();
        // A dialog is answered once it has settled: shown for a few ticks in a row.
        m_settledTicks = dialog == m_candidate ? m_settledTicks + 1 : 0;
        m_candidate = dialog;
        if (!dialog || m_handlers.empty() || dialog == m_lastAnswered || m_settledTicks < 5)
            return;
        Handler handler = m_handlers.front();
        if (handler(dialog)) {
            m_lastAnswered = dialog;
            m_handlers.pop_front();
        }
    }

    std::deque<Handler> m_handlers;
    QPointer<QWidget> m_lastAnswered;
    QPointer<QWidget> m_candidate;
    int m_settledTicks = 0;
    QTimer m_timer;
};

}  // namespace

class tst_frmNetquillExport : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void eachExportWritesTheShownTabAndOpensIt_data();
    void eachExportWritesTheShownTabAndOpensIt();
    void cancelWritesNothingAndOpensNothing();
    void theNextExportProposesTheLastFileName();
    void theFirstExportProposesNothingInTheWorkingFolder();
    void aCancelledDialogsTypingIsNotProposed();
    void anExistingFileIsReplacedAfterAsking();
    void aFailureShowsTheErrorBoxAndOpensNothing_data();
    void aFailureShowsTheErrorBoxAndOpensNothing();
    void aFileRemovedBetweenExportsIsWrittenAgain();
    void aFileMadeReadOnlyBetweenExportsIsReported();
    void aPathBeyondLatin1IsCreatedUnderThatName();
    void dialogOffersTheFormatsFilter_data();
    void dialogOffersTheFormatsFilter();

private:
    MainWindowDriver &ui() { return *m_ui; }
    // Handlers for the save dialog: enter a name and press Enter, or press Esc.
    static DialogAnswerer::Handler saveAs(const QString &path, QString *proposed = nullptr);
    static DialogAnswerer::Handler cancelSaving();
    // Answers the save dialog's question whether to replace an existing file: yes.
    static DialogAnswerer::Handler replaceIt();
    static QByteArray contentsOf(const QString &path);

    std::unique_ptr<MainWindowDriver> m_ui;
    std::unique_ptr<QTemporaryDir> m_scratch;
    QTemporaryDir &m_folder() { return *m_scratch; }
    QList<QUrl> m_opened;
    UrlOpener m_desktopOpener;
};

void tst_frmNetquillExport::init()
{
    m_opened.clear();
    m_scratch = std::make_unique<QTemporaryDir>();
    m_desktopOpener = replaceUrlOpener([this](const QUrl &url) { m_opened << url; });
    m_ui = std::make_unique<MainWindowDriver>();
}

void tst_frmNetquillExport::cleanup()
{
    m_ui.reset();
    replaceUrlOpener(m_desktopOpener);
}

DialogAnswerer::Handler tst_frmNetquillExport::saveAs(const QString &path, QString *proposed)
{
    return [path, proposed](QWidget *dialog) {
        auto *saveDialog = qobject_cast<QFileDialog *>(dialog);
        if (!saveDialog)
            return false;
        auto *fileName = saveDialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        if (proposed)
            *proposed = fileName->text();
        // Typed in one go, as pasted: the completer's list would otherwise take the Enter.
        fileName->setText(path);
        // Enter may raise a question of its own, so it is pressed outside this
        // answer, where the answerer can take the question too.
        QTimer::singleShot(0, fileName, [fileName, path] {
            if (fileName->text() != path)
                fileName->setText(path);
            QTest::keyClick(fileName, Qt::Key_Return);
        });
        return true;
    };
}

DialogAnswerer::Handler tst_frmNetquillExport::cancelSaving()
{
    return [](QWidget *dialog) {
        if (!qobject_cast<QFileDialog *>(dialog))
            return false;
        QTest::keyClick(dialog, Qt::Key_Escape);
        return true;
    };
}

DialogAnswerer::Handler tst_frmNetquillExport::replaceIt()
{
    return [](QWidget *dialog) {
        auto *question = qobject_cast<QMessageBox *>(dialog);
        if (!question || !question->button(QMessageBox::Yes))
            return false;
        question->button(QMessageBox::Yes)->click();
        return true;
    };
}

QByteArray tst_frmNetquillExport::contentsOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void tst_frmNetquillExport::eachExportWritesTheShownTabAndOpensIt_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("csv of the converter") << "mnuCSV" << 0 << "converter.csv"
                                          << QByteArray("#,Netquill\r\n#\r\nIP Address:,192.168.1.1\r\nDecimal:,\"3232235777\xA0\"\r\n");
    QTest::newRow("text of the network tab") << "mnuTXT" << 1 << "network.txt"
                                             << QByteArray("#\t\tNetwork/Node Calculator\r\n#\r\nIP Address:\t\t10.1.2.3\r\n");
    QTest::newRow("web page of the subnet tab")
        << "mnuHTML" << 2 << "subnets.html"
        << QByteArray("<tr><td>192.168.1.192</td><td align=\"center\">255.255.255.192</td>");
}

void tst_frmNetquillExport::eachExportWritesTheShownTabAndOpensIt()
{
    QFETCH(QString, entry);
    QFETCH(int, tab);
    QFETCH(QString, fileName);
    QFETCH(QByteArray, expected);
    ui().typeAddress(QStringLiteral("txtDottedQuad1"), QStringLiteral("192.168.1.1"));
    ui().click(QStringLiteral("btnConvert"));
    ui().showTab(1);
    ui().typeAddress(QStringLiteral("txtIP1"), QStringLiteral("10.1.2.3"));
    ui().showTab(2);
    ui().typeAddress(QStringLiteral("txtIPBlock1"), QStringLiteral("192.168.1.0"));
    ui().pick(QStringLiteral("cboCIDRMask"), QStringLiteral("255.255.255.0"));
    ui().pick(QStringLiteral("cboSubnetMask"), QStringLiteral("255.255.255.192"));
    ui().showTab(tab);

    const QString path = m_folder().filePath(fileName);
    DialogAnswerer answerer({saveAs(path)});
    ui().control<QAction>(entry)->trigger();
    QVERIFY(answerer.allAnswered());

    const QByteArray written = contentsOf(path);
    QVERIFY2(written.contains(expected), written.constData());
    QVERIFY(written.endsWith("\r\n"));
    QCOMPARE(written.count("#,Netquill") + written.count("Network/Node Calculator") + written.count("Subnet Calculator</font>") +
                 written.count("#,Subnet Calculator"),
             1);
    QCOMPARE(m_opened, QList<QUrl>{QUrl::fromLocalFile(path)});
}

void tst_frmNetquillExport::cancelWritesNothingAndOpensNothing()
{
    DialogAnswerer answerer({cancelSaving()});
    ui().control<QAction>("mnuCSV")->trigger();
    QVERIFY(answerer.allAnswered());
    QVERIFY(QDir(m_folder().path()).isEmpty());
    QVERIFY(m_opened.isEmpty());
    QVERIFY(!QApplication::activeModalWidget());
}

void tst_frmNetquillExport::theNextExportProposesTheLastFileName()
{
    const QString first = m_folder().filePath(QStringLiteral("first.htm"));
    QString proposed;
    DialogAnswerer answerer({saveAs(first), saveAs(m_folder().filePath(QStringLiteral("second.txt")), &proposed)});
    ui().control<QAction>("mnuHTML")->trigger();
    ui().control<QAction>("mnuTXT")->trigger();
    QVERIFY(answerer.allAnswered());
    QCOMPARE(proposed, QStringLiteral("first.htm"));
    QVERIFY(QFile::exists(m_folder().filePath(QStringLiteral("second.txt"))));
}

void tst_frmNetquillExport::theFirstExportProposesNothingInTheWorkingFolder()
{
    const QString workingFolder = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_folder().path()));
    QString proposed = QStringLiteral("unset");
    QString startFolder;
    DialogAnswerer answerer({[&](QWidget *dialog) {
        if (auto *saveDialog = qobject_cast<QFileDialog *>(dialog))
            startFolder = saveDialog->directory().absolutePath();
        return saveAs(QStringLiteral("plan.csv"), &proposed)(dialog);
    }});
    ui().control<QAction>("mnuCSV")->trigger();
    QDir::setCurrent(workingFolder);
    QVERIFY(answerer.allAnswered());
    QCOMPARE(proposed, QString());
    QCOMPARE(startFolder, QDir(m_folder().path()).absolutePath());
    QVERIFY(QFile::exists(m_folder().filePath(QStringLiteral("plan.csv"))));
}

void tst_frmNetquillExport::aCancelledDialogsTypingIsNotProposed()
{
    QString proposed;
    const DialogAnswerer::Handler typeThenCancel = [](QWidget *dialog) {
        if (!qobject_cast<QFileDialog *>(dialog))
            return false;
        dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(QStringLiteral("typed.txt"));
        QTest::keyClick(dialog, Qt::Key_Escape);
        return true;
    };
    DialogAnswerer answerer({saveAs(m_folder().filePath(QStringLiteral("kept.htm"))), typeThenCancel,
                             saveAs(m_folder().filePath(QStringLiteral("next.csv")), &proposed)});
    ui().control<QAction>("mnuHTML")->trigger();
    ui().control<QAction>("mnuTXT")->trigger();
    ui().control<QAction>("mnuCSV")->trigger();
    QVERIFY(answerer.allAnswered());
    QCOMPARE(proposed, QStringLiteral("kept.htm"));
}

void tst_frmNetquillExport::anExistingFileIsReplacedAfterAsking()
{
    const QString path = m_folder().filePath(QStringLiteral("old.csv"));
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write(QByteArray(50000, 'x'));
    old.close();
    DialogAnswerer answerer({saveAs(path), replaceIt()});
    ui().control<QAction>("mnuCSV")->trigger();
    QVERIFY(answerer.allAnswered());
    const QByteArray written = contentsOf(path);
    QVERIFY(written.startsWith("# Generated by,Trevantis Netquill\r\n"));
    QVERIFY(!written.contains("xxxx"));
    QVERIFY(written.size() < 1000);
}

void tst_frmNetquillExport::aFailureShowsTheErrorBoxAndOpensNothing_data()
{
    QTest::addColumn<QString>("path");  // %1 is the scratch folder
    QTest::addColumn<bool>("exists");  // the dialog asks before replacing it
    QTest::addColumn<QString>("error");
    QTest::newRow("missing folder") << "%1/missing/x.csv" << false
                                    << "Err # 76 - The folder of \"%1/missing/x.csv\" does not exist.";
    // The superuser may write into any folder of its own, but not into /sys.
    if (::geteuid() == 0)
        QTest::newRow("read-only folder") << "/sys/netquill.csv" << false
                                          << "Err # 70 - Permission denied: \"/sys/netquill.csv\" cannot be written.";
    QTest::newRow("full disk") << "/dev/full" << true
                               << "Err # 61 - The disk is full: \"/dev/full\" could not be written completely.";
}

void tst_frmNetquillExport::aFailureShowsTheErrorBoxAndOpensNothing()
{
    QFETCH(QString, path);
    QFETCH(bool, exists);
    QFETCH(QString, error);
    path = path.arg(m_folder().path());
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    std::deque<DialogAnswerer::Handler> answers{saveAs(path)};
    if (exists)
        answers.push_back(replaceIt());
    answers.push_back([&](QWidget *dialog) {
                                 auto *box = qobject_cast<QMessageBox *>(dialog);
                                 if (!box)
                                     return false;
                                 title = box->windowTitle();
                                 text = box->text();
                                 icon = box->icon();
                                 buttons = box->standardButtons();
                                 QTest::keyClick(box, Qt::Key_Return);
                                 return true;
                             });
    DialogAnswerer answerer(std::move(answers));
    ui().control<QAction>("mnuCSV")->trigger();
    QVERIFY(answerer.allAnswered());
    QCOMPARE(title, QStringLiteral("Error"));
    QCOMPARE(text, error.arg(m_folder().path()));
    QCOMPARE(icon, QMessageBox::Critical);
    QCOMPARE(buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QVERIFY(m_opened.isEmpty());

    // The program stays usable: the next export works.
    DialogAnswerer next({saveAs(m_folder().filePath(QStringLiteral("after.csv")))});
    ui().control<QAction>("mnuCSV")->trigger();
    QVERIFY(QFile::exists(m_folder().filePath(QStringLiteral("after.csv"))));
}

void tst_frmNetquillExport::aFileRemovedBetweenExportsIsWrittenAgain()
{
    const QString path = m_folder().filePath(QStringLiteral("kept.txt"));
    DialogAnswerer first({saveAs(path)});
    ui().control<QAction>("mnuTXT")->trigger();
    QVERIFY(QFile::remove(path));

    DialogAnswerer again({saveAs(path)});
    ui().control<QAction>("mnuTXT")->trigger();
    QVERIFY(again.allAnswered());
    QVERIFY(contentsOf(path).startsWith("# Generated by\tTrevantis Netquill\r\n"));
    QCOMPARE(m_opened.size(), 2);
}

void tst_frmNetquillExport::aFileMadeReadOnlyBetweenExportsIsReported()
{
    if (::geteuid() == 0)
        QSKIP("the superuser writes read-only files; the read-only folder row covers the refusal");
    const QString path = m_folder().filePath(QStringLiteral("kept.txt"));
    DialogAnswerer first({saveAs(path)});
    ui().control<QAction>("mnuTXT")->trigger();
    QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner));
    QString text;
    DialogAnswerer locked({saveAs(path), replaceIt(), [&text](QWidget *dialog) {
                               auto *box = qobject_cast<QMessageBox *>(dialog);
                               if (!box || box->windowTitle() != QLatin1String("Error"))
                                   return false;
                               text = box->text();
                               box->accept();
                               return true;
                           }});
    ui().control<QAction>("mnuTXT")->trigger();
    QVERIFY(text.startsWith(QStringLiteral("Err # 70 - Permission denied")));
    QCOMPARE(m_opened.size(), 1);
}

void tst_frmNetquillExport::aPathBeyondLatin1IsCreatedUnderThatName()
{
    const QString path = m_folder().filePath(QStringLiteral("子网 été.htm"));
    DialogAnswerer answerer({saveAs(path)});
    ui().control<QAction>("mnuHTML")->trigger();
    QVERIFY(answerer.allAnswered());
    QCOMPARE(QDir(m_folder().path()).entryList(QDir::Files), QStringList{QFileInfo(path).fileName()});
    QVERIFY(contentsOf(path).endsWith("</html>\r\n"));
    QCOMPARE(m_opened, QList<QUrl>{QUrl::fromLocalFile(path)});
}

void tst_frmNetquillExport::dialogOffersTheFormatsFilter_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("patterns");
    QTest::newRow("csv") << "mnuCSV" << "CSV (Comma delimited) (*.csv)" << "*.csv";
    QTest::newRow("text") << "mnuTXT" << "Text (*.txt)" << "*.txt";
    QTest::newRow("web page") << "mnuHTML" << "Web Page (*.htm; *html)" << "*.htm *.html";
}

void tst_frmNetquillExport::dialogOffersTheFormatsFilter()
{
    QFETCH(QString, entry);
    QFETCH(QString, shown);
    QFETCH(QString, patterns);
    QStringList filters;
    QString shownFilter;
    QString suffix = QStringLiteral("unset");
    QFileDialog::AcceptMode mode = QFileDialog::AcceptOpen;
    DialogAnswerer answerer({[&](QWidget *dialog) {
        auto *saveDialog = qobject_cast<QFileDialog *>(dialog);
        if (!saveDialog)
            return false;
        filters = saveDialog->nameFilters();
        shownFilter = saveDialog->findChild<QComboBox *>(QStringLiteral("fileTypeCombo"))->currentText();
        suffix = saveDialog->defaultSuffix();
        mode = saveDialog->acceptMode();
        saveDialog->reject();
        return true;
    }});
    ui().control<QAction>(entry)->trigger();
    QCOMPARE(shownFilter, shown);
    QCOMPARE(filters, QStringList{QStringLiteral("%1 (%2)").arg(shown, patterns)});
    QVERIFY(suffix.isEmpty());
    QCOMPARE(mode, QFileDialog::AcceptSave);
}

QTEST_MAIN(tst_frmNetquillExport)
#include "tst_frmnetquill_export.moc"
