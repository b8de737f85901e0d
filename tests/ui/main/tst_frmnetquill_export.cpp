// File > Export from the main window: the save dialog answered as a user
// answers it, the written file read back, and the desktop's opener replaced
// so that nothing real opens.
#include "tests/ui/main/mainwindowdriver.h"
#include "ui/shell/hyperjump.h"

#include <QAction>
#include <QFileDialog>
#include <QMessageBox>
#include <QTemporaryDir>

#include <deque>
#include <functional>

namespace {

// Answers the modal dialogs that come up, one after the other, each with the
// next handler; a handler that does not know the dialog leaves it.
class DialogAnswerer : public QObject
{
public:
    using Handler = std::function<bool(QWidget *)>;

    explicit DialogAnswerer(std::deque<Handler> handlers) : m_handlers(std::move(handlers))
    {
        connect(&m_timer, &QTimer::timeout, this, &DialogAnswerer::answer);
        m_timer.start(10);
    }
    bool allAnswered() const { return m_handlers.empty(); }

private:
    void answer()
    {
        // A dialog is answered once it has settled: shown for a few ticks in a row.
        QWidget *dialog = QApplication::activeModalWidget();
        m_settledTicks = dialog == m_candidate ? m_settledTicks + 1 : 0;
        m_candidate = dialog;
        if (dialog && !m_handlers.empty() && m_settledTicks == 5 && m_handlers.front()(dialog))
            m_handlers.pop_front();
    }

    std::deque<Handler> m_handlers;
    QPointer<QWidget> m_candidate;
    int m_settledTicks = 0;
    QTimer m_timer;
};

// Types the name into the save dialog, or cancels it after typing, and reports what it proposed.
DialogAnswerer::Handler saveAs(const QString &path, QString *proposed = nullptr, bool cancel = false)
{
    return [=](QWidget *dialog) {
        auto *fileName = qobject_cast<QFileDialog *>(dialog) ? dialog->findChild<QLineEdit *>("fileNameEdit") : nullptr;
        if (!fileName)
            return false;
        if (proposed)
            *proposed = fileName->text();
        fileName->setText(path);  // in one go, as pasted: the completer would take a typed Enter
        QTimer::singleShot(0, dialog, [dialog, fileName, cancel] {
            QTest::keyClick(cancel ? static_cast<QWidget *>(dialog) : fileName,
                            cancel ? Qt::Key_Escape : Qt::Key_Return);
        });
        return true;
    };
}

QByteArray contentsOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class tst_frmNetquillExport : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void eachExportWritesTheShownTabAndOpensIt_data();
    void eachExportWritesTheShownTabAndOpensIt();
    void theFirstExportProposesNothingInTheWorkingFolder();
    void theNextProposesTheLastSavedNameNotACancelledOne();
    void aFailureShowsTheErrorBoxAndOpensNothing();

private:
    MainWindowDriver &ui() { return *m_ui; }

    std::unique_ptr<MainWindowDriver> m_ui;
    std::unique_ptr<QTemporaryDir> m_folder;
    QList<QUrl> m_opened;
    UrlOpener m_desktopOpener;
};

void tst_frmNetquillExport::init()
{
    m_opened.clear();
    m_folder = std::make_unique<QTemporaryDir>();
    m_desktopOpener = replaceUrlOpener([this](const QUrl &url) { m_opened << url; });
    m_ui = std::make_unique<MainWindowDriver>();
}

void tst_frmNetquillExport::cleanup()
{
    m_ui.reset();
    replaceUrlOpener(m_desktopOpener);
}

// One row per kind: the shown tab goes into the file, which then opens; the
// dialog shows the kind's filter as it reads, matching every pattern behind it.
void tst_frmNetquillExport::eachExportWritesTheShownTabAndOpensIt_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("csv of the converter")
        << "mnuCSV" << 0 << "CSV (Comma delimited) (*.csv)"
        << QByteArray("#,Netquill\r\n#\r\nIP Address:,10.1.2.3\r\nDecimal:,\"167838211\xA0\"\r\n");
    QTest::newRow("text of the network tab")
        << "mnuTXT" << 1 << "Text (*.txt)"
        << QByteArray("#\t\tNetwork/Node Calculator\r\n#\r\nIP Address:\t\t10.1.2.3\r\n");
    QTest::newRow("web page of the subnet tab")
        << "mnuHTML" << 2 << "Web Page (*.htm; *html)"
        << QByteArray("<tr><td>10.1.2.0</td><td align=\"center\">255.255.255.0</td>");
}

void tst_frmNetquillExport::eachExportWritesTheShownTabAndOpensIt()
{
    QFETCH(QString, entry);
    QFETCH(int, tab);
    QFETCH(QString, filter);
    QFETCH(QByteArray, expected);
    const QString firstOctet[] = {"txtDottedQuad1", "txtIP1", "txtIPBlock1"};
    ui().showTab(tab);
    ui().typeAddress(firstOctet[tab], QStringLiteral("10.1.2.3"));
    if (tab == 0)
        ui().click(QStringLiteral("btnConvert"));
    if (tab == 2)
        ui().pick(QStringLiteral("cboBits"), QStringLiteral("24"));

    const QString path = m_folder->filePath(QStringLiteral("export"));
    QString shownFilter;
    QStringList patterns;
    DialogAnswerer answerer({[&](QWidget *dialog) {
        if (auto *saveDialog = qobject_cast<QFileDialog *>(dialog)) {
            shownFilter = saveDialog->findChild<QComboBox *>(QStringLiteral("fileTypeCombo"))->currentText();
            patterns = saveDialog->nameFilters();
        }
        return saveAs(path)(dialog);
    }});
    ui().control<QAction>(entry)->trigger();
    QVERIFY(answerer.allAnswered());
    QCOMPARE(shownFilter, filter);
    QVERIFY(patterns.front().endsWith(tab == 2 ? "(*.htm *.html)" : filter.right(7)));
    const QByteArray written = contentsOf(path);
    QVERIFY2(written.contains(expected), written.constData());
    QCOMPARE(m_opened, QList<QUrl>{QUrl::fromLocalFile(path)});
}

void tst_frmNetquillExport::theFirstExportProposesNothingInTheWorkingFolder()
{
    const QString workingFolder = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_folder->path()));
    QString proposed = QStringLiteral("unset");
    DialogAnswerer answerer({saveAs(QStringLiteral("plan.csv"), &proposed)});
    ui().control<QAction>("mnuCSV")->trigger();
    QDir::setCurrent(workingFolder);
    QVERIFY(answerer.allAnswered());
    QCOMPARE(proposed, QString());
    QVERIFY(QFile::exists(m_folder->filePath(QStringLiteral("plan.csv"))));
}

void tst_frmNetquillExport::theNextProposesTheLastSavedNameNotACancelledOne()
{
    QString proposed;
    DialogAnswerer answerer({saveAs(m_folder->filePath(QStringLiteral("kept.htm"))),
                             saveAs(QStringLiteral("typed.txt"), nullptr, true),
                             saveAs(m_folder->filePath(QStringLiteral("next.csv")), &proposed)});
    ui().control<QAction>("mnuHTML")->trigger();
    ui().control<QAction>("mnuTXT")->trigger();
    ui().control<QAction>("mnuCSV")->trigger();
    QVERIFY(answerer.allAnswered());
    QCOMPARE(proposed, QStringLiteral("kept.htm"));
    QCOMPARE(m_opened.size(), 2);  // the cancelled export opened nothing
}

void tst_frmNetquillExport::aFailureShowsTheErrorBoxAndOpensNothing()
{
    const QString path = m_folder->filePath(QStringLiteral("missing/x.csv"));
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    DialogAnswerer answerer({saveAs(path), [&](QWidget *dialog) {
                                 auto *box = qobject_cast<QMessageBox *>(dialog);
                                 if (!box)
                                     return false;
                                 text = box->windowTitle() + ": " + box->text();
                                 icon = box->icon();
                                 QTest::keyClick(box, Qt::Key_Return);
                                 return true;
                             }});
    ui().control<QAction>("mnuCSV")->trigger();
    QVERIFY(answerer.allAnswered());
    QCOMPARE(text, QStringLiteral("Error: Err # 76 - The folder of \"%1\" does not exist.").arg(path));
    QCOMPARE(icon, QMessageBox::Critical);
    QVERIFY(m_opened.isEmpty());
}

QTEST_MAIN(tst_frmNetquillExport)
#include "tst_frmnetquill_export.moc"
