// The plan window's wiring: menu entries to the plan's operations, the
// asterisk, the close question, the file saved and opened, the autosave
// copies of one program and of another, and plans handed to the running
// program. (The operations, the file and their refusals are the core's tests.)
#include "tests/ui/main/dialoganswerer.h"
#include "tests/ui/main/mainwindowdriver.h"
#include "ui/plans/frmplan.h"
#include "ui/plans/planhandoff.h"
#include "ui/plans/plantreemodel.h"

#include <QAbstractItemModelTester>
#include <QCheckBox>
#include <QComboBox>
#include <QRegularExpression>
#include <QSortFilterProxyModel>
#include <QSpinBox>

#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

class tst_frmPlan : public QObject
{
    Q_OBJECT

private:
    // Answers an input dialog with the text or the list's entry.
    static DialogAnswerer::Handler input(const QString &text)
    {
        return [text](QWidget *dialog) {
            auto *box = qobject_cast<QInputDialog *>(dialog);
            if (box) {
                box->setTextValue(text);
                box->accept();
            }
            return box != nullptr;
        };
    }
    // Presses the message box's button; `text` receives what the box said.
    static DialogAnswerer::Handler press(QMessageBox::StandardButton button, QString *text = nullptr)
    {
        return [button, text](QWidget *dialog) {
            auto *box = qobject_cast<QMessageBox *>(dialog);
            if (box && text)
                *text = box->text();
            if (box)
                box->button(button)->click();
            return box != nullptr;
        };
    }
    static frmPlan *shownPlan()
    {
        for (QWidget *window : QApplication::topLevelWidgets())
            if (auto *plan = qobject_cast<frmPlan *>(window); plan && plan->isVisible())
                return plan;
        return nullptr;
    }
    static QStringList rows(frmPlan *plan)
    {
        QStringList texts;
        auto *tree = plan->findChild<QTreeView *>("tvwPlan");
        for (QModelIndex index = tree->model()->index(0, 0); index.isValid(); index = tree->indexBelow(index))
            texts << index.data().toString() + " " + index.siblingAtColumn(1).data().toString();
        return texts;
    }
    static QString shownPaired(frmPlan *plan, const QString &block)
    {
        select(plan, block);
        return plan->findChild<QTreeView *>("tvwPlan")
            ->currentIndex()
            .siblingAtColumn(PlanTreeModel::Paired)
            .data()
            .toString();
    }
    static void trigger(QWidget *window, const char *entry) { window->findChild<QAction *>(entry)->trigger(); }
    // The plan's tree model, and the sorted view of it, checked after every
    // change they tell for what a view relies on (rows, parents, signals).
    static void checkModels(frmPlan *plan)
    {
        auto *sorted = qobject_cast<QSortFilterProxyModel *>(plan->findChild<QTreeView *>("tvwPlan")->model());
        for (QAbstractItemModel *model : {static_cast<QAbstractItemModel *>(sorted), sorted->sourceModel()})
            new QAbstractItemModelTester(model, QAbstractItemModelTester::FailureReportingMode::QtTest, plan);
    }
    // Makes the row of the block the current one.
    static void select(frmPlan *plan, const QString &block)
    {
        auto *tree = plan->findChild<QTreeView *>("tvwPlan");
        tree->expandAll();
        for (QModelIndex index = tree->model()->index(0, 0); index.isValid(); index = tree->indexBelow(index))
            if (index.data().toString() == block)
                return tree->setCurrentIndex(index.siblingAtColumn(1));
        QFAIL(qPrintable("no row " + block));
    }
    static QString autosaveFolder()
    {
        return QStandardPaths::writableLocation(QStandardPaths::CacheLocation) + "/autosave";
    }
    static QByteArray bytesOf(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
    }
    static void write(const QString &path, const QByteArray &bytes)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }
    // The copies in the autosave folder, by their plan files.
    static QStringList copies() { return QDir(autosaveFolder()).entryList({"*.nqplan"}, QDir::Files); }
    // A file system of 1 MiB of this test's own, in a mount namespace of its
    // own; false where mounting needs a right the test does not have.
    static bool mountSmallDisk(const QString &folder)
    {
        static const bool ownMounts =
            unshare(CLONE_NEWNS) == 0 && mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
        return ownMounts && mount("tmpfs", folder.toLocal8Bit().constData(), "tmpfs", 0, "size=1m") == 0;
    }
    // Fills a disk to its last byte.
    static void fill(const QString &folder)
    {
        const int filler = open((folder + "/filler").toLocal8Bit().constData(), O_WRONLY | O_CREAT, 0600);
        const QByteArray block(4096, 'x');
        for (qsizetype size = block.size(); size > 0; size /= 2)
            while (::write(filler, block.constData(), size) == size) {
            }
        close(filler);
    }

    std::unique_ptr<MainWindowDriver> m_ui;
    std::unique_ptr<QTemporaryDir> m_folder;

private slots:
    void init()
    {
        m_ui = std::make_unique<MainWindowDriver>();
        m_folder = std::make_unique<QTemporaryDir>();
    }
    void cleanup()
    {
        QList<frmPlan *> plans;
        for (QWidget *window : QApplication::topLevelWidgets())
            if (auto *plan = qobject_cast<frmPlan *>(window))
                plans << plan;
        qDeleteAll(plans);
        // Windows deleted, as a program that ends, leave their copies: the next test starts without.
        QDir(QStandardPaths::writableLocation(QStandardPaths::CacheLocation)).removeRecursively();
        m_ui.reset();
    }

    // File > New Plan (Ctrl+N) opens a window beside the main one; its
    // operations reach the plan, the title marks it unsaved, F2 renames,
    // Undo and Redo step through it all, and a column sorts the tree.
    void newPlanOperationsRenameUndoAndTheAsterisk()
    {
        QTest::keyClick(m_ui->window(), Qt::Key_N, Qt::ControlModifier);
        frmPlan *plan = shownPlan();
        QVERIFY(plan && !plan->isModal());
        checkModels(plan);
        DialogAnswerer answerer({input("10.0.0.0/30")});
        trigger(plan, "mnuAddBlock");
        QVERIFY(answerer.allAnswered());
        trigger(plan, "mnuSplit");
        QCOMPARE(rows(plan), (QStringList{"10.0.0.0/30 ", "10.0.0.0/31 ", "10.0.0.2/31 "}));
        QVERIFY(plan->isWindowModified() && plan->windowTitle().startsWith("Untitled plan[*]"));
        auto *tree = plan->findChild<QTreeView *>("tvwPlan");
        tree->setCurrentIndex(tree->indexBelow(tree->model()->index(0, 1)));
        QTest::keyClick(tree, Qt::Key_F2);
        auto *editor = tree->viewport()->findChild<QLineEdit *>();
        QVERIFY(editor);
        QTest::keyClicks(editor, "gw");
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_COMPARE(rows(plan).at(1), "10.0.0.0/31 gw");  // the editor's text is taken once Return is through
        QTest::keyClick(tree, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(rows(plan).at(1), "10.0.0.0/31 ");
        QTest::keyClick(tree, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(rows(plan).at(1), "10.0.0.0/31 gw");
        // Back to the empty plan and forward again: the tree follows each step.
        for (int step = 0; step < 3; ++step)
            trigger(plan, "mnuUndo");
        QVERIFY(rows(plan).isEmpty() && !plan->findChild<QAction *>("mnuUndo")->isEnabled());
        for (int step = 0; step < 3; ++step)
            trigger(plan, "mnuRedo");
        tree->expandAll();
        QCOMPARE(rows(plan), (QStringList{"10.0.0.0/30 ", "10.0.0.0/31 gw", "10.0.0.2/31 "}));
        tree->sortByColumn(1, Qt::AscendingOrder);  // by name, as a click on its heading sorts
        QCOMPARE(rows(plan), (QStringList{"10.0.0.0/30 ", "10.0.0.2/31 ", "10.0.0.0/31 gw"}));
        DialogAnswerer dropTheName({press(QMessageBox::Yes)});
        select(plan, "10.0.0.0/30");
        trigger(plan, "mnuJoin");
        QVERIFY(dropTheName.allAnswered());
        QCOMPARE(rows(plan), QStringList{"10.0.0.0/30 "});
        trigger(plan, "mnuUndo");
        QCOMPARE(rows(plan).size(), 3);
    }

    // Save As writes the plan file, which File lists among the recent plans
    // and Open Plan opens again; the asterisk follows the difference from the
    // saved plan (undo back to it is clean), the entries name the step, and
    // a change asks on closing, where Discard closes without saving.
    void saveOpenAndTheCloseQuestion()
    {
        auto *plan = new frmPlan;
        plan->show();
        DialogAnswerer answerer({input("2001:db8::/64"), DialogAnswerer::saveAs(m_folder->filePath("lab.nqplan"))});
        trigger(plan, "mnuAddBlock");
        trigger(plan, "mnuSaveAs");
        QVERIFY(answerer.allAnswered() && !plan->isWindowModified());
        QCOMPARE(plan->windowTitle(), "lab.nqplan[*] - Trevantis Netquill");
        trigger(plan, "mnuSplit");
        QVERIFY(plan->isWindowModified());
        QCOMPARE(plan->findChild<QAction *>("mnuUndo")->text(), "&Undo Split");
        trigger(plan, "mnuUndo");
        QVERIFY(!plan->isWindowModified());
        QCOMPARE(plan->findChild<QAction *>("mnuRedo")->text(), "&Redo Split");
        trigger(plan, "mnuRedo");
        QVERIFY(plan->isWindowModified());
        trigger(plan, "mnuUndo");
        QVERIFY(plan->close());                                             // no question
        emit m_ui->window()->findChild<QMenu *>("mnuFile")->aboutToShow();  // the recent plans, as File opens
        QCOMPARE(m_ui->window()->findChild<QAction *>("mnuRecentPlan1")->text(), "&1 lab.nqplan");
        QVERIFY(!m_ui->window()->findChild<QAction *>("mnuRecentPlan2")->isVisible());
        QFile file(m_folder->filePath("lab.nqplan"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), "{\"format\":\"netquill-plan\",\"version\":1,\"nodes\":[\n"
                                 "{\"depth\":0,\"block\":\"2001:db8::/64\"}\n]}\n");

        DialogAnswerer opener({DialogAnswerer::saveAs(m_folder->filePath("lab.nqplan")), press(QMessageBox::Discard)});
        trigger(m_ui->window(), "mnuOpenPlan");
        frmPlan *opened = shownPlan();
        QVERIFY(opened && rows(opened) == QStringList{"2001:db8::/64 "});
        trigger(opened, "mnuSplit");
        QVERIFY(opened->close());
        QVERIFY(opener.allAnswered());
        QVERIFY(!shownPlan());
    }

    // Split All To takes "/LENGTH" for every free leaf of the current node, in
    // one step; a length it cannot take is refused with the reason.
    void splitAllTakesEveryFreeLeafInOneStep()
    {
        auto *plan = new frmPlan;
        plan->show();
        QString refusal;
        DialogAnswerer answerer(
            {input("2001:db8::/63"), input("/129"), DialogAnswerer::acceptMessage(&refusal), input("/64")});
        trigger(plan, "mnuAddBlock");
        trigger(plan, "mnuSplitAll");
        QCOMPARE(refusal, "Trevantis Netquill: \"/129\" the prefix length is over 128.");
        trigger(plan, "mnuSplitAll");
        QVERIFY(answerer.allAnswered());
        QCOMPARE(rows(plan), (QStringList{"2001:db8::/63 ", "2001:db8::/64 ", "2001:db8:0:1::/64 "}));
        QCOMPARE(plan->findChild<QAction *>("mnuUndo")->text(), "&Undo Split All");
    }

    // A status, a VLAN and a colour, from the row's menu and in place, each
    // one step undone; the free space of the current node in the status bar.
    void statusVlanAndColourAreSetAndUndone()
    {
        auto *plan = new frmPlan;
        plan->show();
        checkModels(plan);
        DialogAnswerer answerer({input("10.0.0.0/24"), [](QWidget *dialog) {
                                     auto *box = qobject_cast<QInputDialog *>(dialog);
                                     if (box) {
                                         box->setIntValue(20);
                                         box->accept();
                                     }
                                     return box != nullptr;
                                 }});
        trigger(plan, "mnuAddBlock");
        auto *tree = plan->findChild<QTreeView *>("tvwPlan");
        const auto cell = [tree](PlanTreeModel::Column column) {
            return tree->currentIndex().siblingAtColumn(column).data().toString();
        };
        trigger(plan, "mnuStatus_reserved");
        QCOMPARE(cell(PlanTreeModel::Status), "Reserved");
        QCOMPARE(cell(PlanTreeModel::Used), "100 %");
        QCOMPARE(plan->findChild<QLabel *>("lblFree")->text(), "10.0.0.0/24: 0 of 256 addresses free (0 %)");
        trigger(plan, "mnuVlan");
        QCOMPARE(cell(PlanTreeModel::Vlan), "20");
        trigger(plan, "mnuColour_teal");
        QCOMPARE(cell(PlanTreeModel::Colour), "Teal");
        for (int step = 0; step < 3; ++step)
            trigger(plan, "mnuUndo");
        QCOMPARE(cell(PlanTreeModel::Status) + cell(PlanTreeModel::Vlan) + cell(PlanTreeModel::Colour), "Container");
        // In place: the status from its list, the VLAN in its spin box, each taken with Enter.
        tree->edit(tree->currentIndex().siblingAtColumn(PlanTreeModel::Status));
        auto *statuses = tree->findChild<QComboBox *>();
        QVERIFY(statuses);
        statuses->setCurrentIndex(static_cast<int>(netquill::BlockStatus::Deprecated));
        QTest::keyClick(statuses, Qt::Key_Return);  // taken once the event loop turns
        QTRY_COMPARE(cell(PlanTreeModel::Status), "Deprecated");
        tree->edit(tree->currentIndex().siblingAtColumn(PlanTreeModel::Vlan));
        auto *vlan = tree->findChild<QSpinBox *>();
        QVERIFY(vlan);
        vlan->setValue(4094);
        QTest::keyClick(vlan, Qt::Key_Return);
        QTRY_COMPARE(cell(PlanTreeModel::Vlan), "4094");
        QVERIFY(answerer.allAnswered());
    }

    // Add ULA /48 adds a random unique local /48 as a tree, each anew.
    void addUlaDrawsANewPrefixEachTime()
    {
        auto *plan = new frmPlan;
        plan->show();
        trigger(plan, "mnuAddUla");
        trigger(plan, "mnuAddUla");
        const QStringList added = rows(plan);
        QCOMPARE(added.size(), 2);
        for (const QString &row : added)
            QVERIFY2(QRegularExpression("^fd[0-9a-f]{2}(:[0-9a-f]{1,4}){0,2}::/48 $").match(row).hasMatch(),
                     qPrintable(row));
        QVERIFY(added[0] != added[1]);
    }

    // Find Free Block selects the leaf that holds the first free block of
    // the size and offers to claim it, named.
    void findFreeBlockOffersToClaimIt()
    {
        auto *plan = new frmPlan;
        plan->show();
        DialogAnswerer answerer({input("10.0.0.0/24"), input("50"), press(QMessageBox::Yes), [](QWidget *dialog) {
                                     if (dialog->objectName() != "frmClaimBlock")
                                         return false;
                                     dialog->findChild<QLineEdit *>("txtName")->setText("lab");
                                     static_cast<QDialog *>(dialog)->accept();
                                     return true;
                                 }});
        trigger(plan, "mnuAddBlock");
        trigger(plan, "mnuFindFree");
        QVERIFY(answerer.allAnswered());
        QCOMPARE(rows(plan),
                 (QStringList{"10.0.0.0/24 ", "10.0.0.0/25 ", "10.0.0.0/26 lab", "10.0.0.64/26 ", "10.0.0.128/25 "}));
    }

    // Export writes each IPAM's file, phpIPAM's with the section asked for;
    // Import List reads NetBox's file back; Print Preview opens on the plan.
    void exportForEachIpamImportAndPrintPreview()
    {
        auto *plan = new frmPlan;
        plan->show();
        const auto exportAs = [](const QString &path, const QString &filter) -> DialogAnswerer::Handler {
            return [=](QWidget *dialog) {
                auto *files = qobject_cast<QFileDialog *>(dialog);
                if (files)
                    files->selectNameFilter(filter);
                return DialogAnswerer::saveAs(path)(dialog);
            };
        };
        bool previewed = false;
        DialogAnswerer answerer({input("2001:db8::/48"),
                                 exportAs(m_folder->filePath("netbox.csv"), "NetBox prefixes (*.csv)"),
                                 exportAs(m_folder->filePath("phpipam.csv"), "phpIPAM subnets (*.csv)"), input("Lab"),
                                 exportAs(m_folder->filePath("infoblox.csv"), "Infoblox CSV import (*.csv)"),
                                 DialogAnswerer::saveAs(m_folder->filePath("netbox.csv")), [&](QWidget *dialog) {
                                     previewed = dialog->objectName() == "frmPrintPreview";
                                     static_cast<QDialog *>(dialog)->reject();
                                     return true;
                                 }});
        trigger(plan, "mnuAddBlock");
        for (int k = 0; k < 3; ++k)
            trigger(plan, "mnuExport");
        QCOMPARE(bytesOf(m_folder->filePath("netbox.csv")),
                 "prefix,status,description\r\n2001:db8::/48,container,\r\n");
        QCOMPARE(bytesOf(m_folder->filePath("phpipam.csv")), "section,subnet,description\r\nLab,2001:db8::/48,\r\n");
        QVERIFY(bytesOf(m_folder->filePath("infoblox.csv"))
                    .startsWith("header-ipv6network,address*,cidr*,comment\r\nipv6network,2001:db8::,48,"));
        trigger(plan, "mnuDelete");
        trigger(plan, "mnuImportList");
        QCOMPARE(rows(plan), QStringList{"2001:db8::/48 "});
        trigger(plan, "mnuPrintPreview");
        QVERIFY(answerer.allAnswered() && previewed);
    }

    // Pair takes the other family's leaf; Copy puts the rows as text and as
    // an HTML table; Export writes the kind chosen.
    void pairCopyAndExport()
    {
        auto *plan = new frmPlan;
        plan->show();
        DialogAnswerer answerer({input("10.0.0.0/32"), input("2001:db8::/128"), input("2001:db8::/128"),
                                 DialogAnswerer::saveAs(m_folder->filePath("plan.csv"))});
        trigger(plan, "mnuAddBlock");
        trigger(plan, "mnuAddBlock");
        auto *tree = plan->findChild<QTreeView *>("tvwPlan");
        tree->setCurrentIndex(tree->model()->index(0, 1));
        trigger(plan, "mnuPair");
        trigger(plan, "mnuCopy");
        const QString rows = "Depth\tSubnet\tName\tNote\tRequest\tPaired\tSize\tStatus\tVLAN\tColour\r\n"
                             "0\t10.0.0.0/32\t\t\t\t2001:db8::/128\t1\tactive\t\t\r\n"
                             "0\t2001:db8::/128\t\t\t\t10.0.0.0/32\t1\tactive\t\t\r\n";
        QCOMPARE(QApplication::clipboard()->text(), rows);
        QVERIFY(QApplication::clipboard()->mimeData()->html().contains("<td>2001:db8::/128</td>"));
        trigger(plan, "mnuExport");
        QVERIFY(answerer.allAnswered());
        QFile file(m_folder->filePath("plan.csv"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(file.readAll()), QString(rows).replace('\t', ','));
    }

    // Place Requests reads its lines as they are typed, OK only once all
    // read, and places them in the current block's free space.
    void placeRequestsChecksItsLinesAndPlacesThem()
    {
        auto *plan = new frmPlan;
        plan->show();
        bool refusedFirst = false;
        DialogAnswerer answerer({input("10.0.0.0/24"), [&](QWidget *dialog) {
                                     auto *lines = dialog->findChild<QPlainTextEdit *>("txtRequests");
                                     if (!lines)
                                         return false;
                                     auto *ok = dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok);
                                     lines->setPlainText("office=100\nlab=0");
                                     refusedFirst = !ok->isEnabled() &&
                                                    dialog->findChild<QLabel *>("lblReason")->text() ==
                                                        "line 2, '0': must be a whole number from 1 to 4294967294.";
                                     lines->setPlainText("office=100\nlab=50");
                                     ok->click();
                                     return true;
                                 }});
        trigger(plan, "mnuAddBlock");
        trigger(plan, "mnuPlaceRequests");
        QVERIFY(answerer.allAnswered() && refusedFirst);
        QCOMPARE(rows(plan), (QStringList{"10.0.0.0/24 ", "10.0.0.0/25 office", "10.0.0.128/25 ", "10.0.0.128/26 lab",
                                          "10.0.0.192/26 "}));
    }

    // A cloud chosen sizes the requests for its kept addresses: AWS keeps 5
    // of each subnet and has none smaller than a /28; RFC 3021 has no say.
    void placeRequestsSizesForTheCloudChosen()
    {
        auto *plan = new frmPlan;
        plan->show();
        bool ruleShown = false;
        DialogAnswerer answerer(
            {input("10.0.0.0/24"), [&](QWidget *dialog) {
                 auto *cloud = dialog->findChild<QComboBox *>("cboCloud");
                 if (!cloud)
                     return false;
                 cloud->setCurrentIndex(cloud->findText("AWS"));
                 ruleShown = !dialog->findChild<QCheckBox *>("chkRfc3021")->isEnabled() &&
                             dialog->findChild<QLabel *>("lblCloudRule")->text().contains("/16 to /28");
                 dialog->findChild<QPlainTextEdit *>("txtRequests")->setPlainText("web=123\nlink=2");
                 dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
                 return true;
             }});
        trigger(plan, "mnuAddBlock");
        trigger(plan, "mnuPlaceRequests");
        QVERIFY(answerer.allAnswered() && ruleShown);
        QCOMPARE(rows(plan),
                 (QStringList{"10.0.0.0/24 ", "10.0.0.0/25 web", "10.0.0.128/25 ", "10.0.0.128/26 ", "10.0.0.128/27 ",
                              "10.0.0.128/28 link", "10.0.0.144/28 ", "10.0.0.160/27 ", "10.0.0.192/26 "}));
    }

    // A save that fails on a full disk, whatever the plan's size, says why,
    // leaves the plan unsaved and the file and the autosave copy as they were.
    void aSaveOntoAFullDiskChangesNothing_data()
    {
        QTest::addColumn<QString>("subnets");
        QTest::newRow("small plan") << "2";
        QTest::newRow("large plan") << "1024";
    }
    void aSaveOntoAFullDiskChangesNothing()
    {
        QFETCH(QString, subnets);
        QTemporaryDir disk;
        if (!mountSmallDisk(disk.path()))
            QSKIP("mounting a small file system needs the superuser");
        const auto unmount = qScopeGuard([&] { umount2(disk.path().toLocal8Bit().constData(), MNT_DETACH); });
        auto *plan = new frmPlan;
        plan->show();
        const QString path = disk.filePath("p.nqplan");
        DialogAnswerer answerer({input("10.0.0.0/8"), DialogAnswerer::saveAs(path), input(subnets)});
        trigger(plan, "mnuAddBlock");
        trigger(plan, "mnuSaveAs");
        const QByteArray saved = bytesOf(path);
        fill(disk.path());
        trigger(plan, "mnuSplitInto");
        QTRY_COMPARE(copies().size(), 1);
        const QString copy = autosaveFolder() + "/" + copies().front();
        QTRY_VERIFY(bytesOf(copy).contains("\"depth\":1"));
        const QByteArray copied = bytesOf(copy);
        QString error;
        DialogAnswerer saving({DialogAnswerer::acceptMessage(&error)});
        trigger(plan, "mnuSave");
        QVERIFY(answerer.allAnswered() && saving.allAnswered());
        QCOMPARE(bytesOf(path), saved);
        QVERIFY2(error.endsWith(": No space left on device. The file there and the autosave copy are as they were."),
                 qPrintable(error));
        QVERIFY(plan->isWindowModified());
        QCOMPARE(bytesOf(copy), copied);
    }

    // A copy whose program ended (a second process that held its lock) is
    // offered with its plan's name and time; a copy whose window is open in
    // a running program is not. A copy that cannot be read is named with its
    // reason and kept.
    void staleCopiesAreOfferedLiveOnesNotAndUnreadableOnesKept()
    {
        auto *live = new frmPlan;
        live->show();
        DialogAnswerer answerer({input("10.0.0.0/8")});
        trigger(live, "mnuAddBlock");
        QTRY_COMPARE(copies().size(), 1);
        const QString liveCopy = copies().front();
        // Another program's copy of a saved plan, and the program gone.
        const QString ended = autosaveFolder() + "/ended";
        write(ended + ".nqplan", "{\"format\":\"netquill-plan\",\"version\":1,\"nodes\":[\n{\"depth\":0,\"block\":"
                                 "\"192.168.0.0/16\"}\n]}\n");
        write(ended + ".path", m_folder->filePath("site.nqplan").toUtf8());
        if (const pid_t program = fork(); program == 0) {
            QLockFile lock(ended + ".lock");
            _exit(lock.tryLock(0) ? 0 : 1);  // ends holding its lock, as a killed program does
        } else {
            int status = -1;
            waitpid(program, &status, 0);
            QCOMPARE(status, 0);
        }
        QTest::qWait(20);  // a later time of change, which orders the copies
        write(autosaveFolder() + "/damaged.nqplan", "{\"format\":\"netquill-plan\",\"version\":1,\"nodes\":[\n");
        QString offered;
        QString damaged;
        const QString question = QString("The plan \"%1\" was not saved").arg(m_folder->filePath("site.nqplan"));
        // The newest copy first: the damaged one, then the ended program's.
        DialogAnswerer offer({DialogAnswerer::acceptMessage(&damaged), [&](QWidget *dialog) {
                                  auto *box = qobject_cast<QMessageBox *>(dialog);
                                  if (!box || !box->text().startsWith(question))
                                      return false;
                                  offered = box->text();
                                  box->button(QMessageBox::Open)->click();
                                  return true;
                              }});
        frmPlan::offerAutosaves(m_ui->window());
        QTRY_VERIFY(offer.allAnswered());
        QVERIFY2(offered.contains("(last changed "), qPrintable(offered));
        QVERIFY2(damaged.contains("has an autosave copy (last changed ") &&
                     damaged.contains("cannot be read: line 2:") && damaged.contains("damaged.nqplan"),
                 qPrintable(damaged));
        QVERIFY(QFile::exists(autosaveFolder() + "/damaged.nqplan"));
        QVERIFY(QFile::exists(autosaveFolder() + "/" + liveCopy));
        int windows = 0;
        for (QWidget *window : QApplication::topLevelWidgets())
            windows += qobject_cast<frmPlan *>(window) && window->isVisible();
        QCOMPARE(windows, 2);  // the live one, and the one offered back
    }

    // A second netquill given a plan hands it to the running program, which
    // opens it, or raises the window that has it open already.
    void aPlanIsHandedToTheRunningProgram()
    {
        PlanReceiver receiver(this);
        QVERIFY(receiver.listen());
        connect(&receiver, &PlanReceiver::plansArrived, this, [this](const QStringList &plans) {
            for (const QString &plan : plans)
                frmPlan::openFile(plan, m_ui->window());
        });
        const QString path = m_folder->filePath("site.nqplan");
        write(path,
              "{\"format\":\"netquill-plan\",\"version\":1,\"nodes\":[\n{\"depth\":0,\"block\":\"10.0.0.0/8\"}\n]}\n");
        for (int time = 0; time < 2; ++time) {
            QProcess second;
            second.start(NETQUILL_GUI, {path});
            QTRY_COMPARE_WITH_TIMEOUT(second.state(), QProcess::NotRunning, 20000);
            QCOMPARE(second.exitCode(), 0);
            QTRY_VERIFY(shownPlan());
        }
        int windows = 0;
        for (QWidget *window : QApplication::topLevelWidgets())
            windows += qobject_cast<frmPlan *>(window) != nullptr;
        QCOMPARE(windows, 1);
        QCOMPARE(rows(shownPlan()), QStringList{"10.0.0.0/8 "});
    }

    // Save As adds the suffix before the dialog asks about replacing a file;
    // a No keeps the file. Export writes the kind its suffix names.
    void noFileIsReplacedWithoutAsking()
    {
        write(m_folder->filePath("lab.nqplan"), "earlier");
        auto *plan = new frmPlan;
        plan->show();
        QString asked;
        DialogAnswerer answerer({input("10.0.0.0/24"), DialogAnswerer::saveAs(m_folder->filePath("lab")),
                                 press(QMessageBox::No, &asked),
                                 DialogAnswerer::saveAs(m_folder->filePath("lab"), nullptr, true),
                                 DialogAnswerer::saveAs(m_folder->filePath("rows.htm"))});
        trigger(plan, "mnuAddBlock");
        trigger(plan, "mnuSaveAs");
        QVERIFY2(asked.contains("lab.nqplan already exists"), qPrintable(asked));
        QCOMPARE(bytesOf(m_folder->filePath("lab.nqplan")), "earlier");
        QVERIFY(plan->isWindowModified());
        trigger(plan, "mnuExport");  // the CSV filter chosen, a web page's name typed
        QVERIFY(answerer.allAnswered());
        QVERIFY(bytesOf(m_folder->filePath("rows.htm")).startsWith("<!DOCTYPE html>"));
    }

    // A plan file dropped on the main window opens; a file another program
    // wrote since is replaced only when the user says so.
    void aDroppedPlanOpensAndAChangeOnDiskIsAskedAbout()
    {
        const QString path = m_folder->filePath("site.nqplan");
        write(path,
              "{\"format\":\"netquill-plan\",\"version\":1,\"nodes\":[\n{\"depth\":0,\"block\":\"10.0.0.0/8\"}\n]}\n");
        QMimeData dropped;
        dropped.setUrls({QUrl::fromLocalFile(path)});
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(m_ui->window(), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(m_ui->window(), &drop);
        frmPlan *plan = shownPlan();
        QVERIFY(plan);
        trigger(plan, "mnuSplit");
        write(path, "written by another program");
        DialogAnswerer answerer({press(QMessageBox::Cancel), press(QMessageBox::Save)});
        trigger(plan, "mnuSave");
        QCOMPARE(bytesOf(path), "written by another program");
        trigger(plan, "mnuSave");
        QVERIFY(answerer.allAnswered() && bytesOf(path).contains("10.128.0.0/9"));
    }

    // Esc in the main window ends the program's event loop at once, without
    // asking about the unsaved plan, whose copy the next start offers back,
    // until its changes are discarded.
    void theMainWindowEndsAtOnceAndTheCopyStays()
    {
        auto *plan = new frmPlan;
        plan->show();
        DialogAnswerer answerer({input("10.0.0.0/24")});
        trigger(plan, "mnuAddBlock");
        QTimer::singleShot(0, m_ui->window(), [this] { QTest::keyClick(m_ui->window(), Qt::Key_Escape); });
        QTimer watchdog;
        watchdog.callOnTimeout([] { QCoreApplication::exit(99); });
        watchdog.start(5000);
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(plan->isVisible());
        delete plan;  // as the program does once its loop has ended
        DialogAnswerer offer({press(QMessageBox::Open)});
        frmPlan::offerAutosaves(m_ui->window());
        frmPlan *back = shownPlan();
        QVERIFY(back && back->isWindowModified());
        QCOMPARE(rows(back), QStringList{"10.0.0.0/24 "});
        DialogAnswerer discard({press(QMessageBox::Discard)});
        back->close();
        QVERIFY(copies().isEmpty());
    }

    // Delete, Unpair and Claim Block, each from the Edit menu; Pair asks
    // before it takes a leaf's partner away; a name another leaf holds is
    // refused with the reason.
    void deleteUnpairClaimPairAndARefusedName()
    {
        auto *plan = new frmPlan;
        plan->show();
        QString takenAway;
        QString refusal;
        DialogAnswerer answerer({input("10.0.0.0/24"), input("2001:db8::/64"), input("2001:db8:1::/64"),
                                 [](QWidget *dialog) {
                                     auto *box = dialog->objectName() == "frmClaimBlock" ? dialog : nullptr;
                                     if (box) {
                                         auto *ok = box->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok);
                                         const bool unnamedRefused = !ok->isEnabled();
                                         box->findChild<QLineEdit *>("txtBlock")->setText("10.0.0.64/26");
                                         box->findChild<QLineEdit *>("txtName")->setText("lab");
                                         if (unnamedRefused && ok->isEnabled())
                                             ok->click();
                                     }
                                     return box != nullptr;
                                 },
                                 input("2001:db8::/64"), input("2001:db8::/64"), press(QMessageBox::No),
                                 input("2001:db8::/64"), press(QMessageBox::Yes, &takenAway),
                                 DialogAnswerer::acceptMessage(&refusal)});
        trigger(plan, "mnuAddBlock");
        trigger(plan, "mnuAddBlock");
        trigger(plan, "mnuAddBlock");
        select(plan, "10.0.0.0/24");
        trigger(plan, "mnuClaimBlock");
        QCOMPARE(rows(plan), (QStringList{"10.0.0.0/24 ", "10.0.0.0/25 ", "10.0.0.0/26 ", "10.0.0.64/26 lab",
                                          "10.0.0.128/25 ", "2001:db8::/64 ", "2001:db8:1::/64 "}));
        select(plan, "10.0.0.64/26");
        trigger(plan, "mnuPair");
        select(plan, "10.0.0.0/26");
        trigger(plan, "mnuPair");  // 2001:db8::/64 is 10.0.0.64/26's: not taken away on No
        QCOMPARE(shownPaired(plan, "10.0.0.64/26"), "2001:db8::/64");
        select(plan, "10.0.0.0/26");
        trigger(plan, "mnuPair");
        QCOMPARE(takenAway, "2001:db8::/64 is paired with 10.0.0.64/26. Pair it with 10.0.0.0/26 instead, leaving "
                            "10.0.0.64/26 unpaired?");
        QCOMPARE(shownPaired(plan, "10.0.0.0/26"), "2001:db8::/64");
        QCOMPARE(shownPaired(plan, "10.0.0.64/26"), "");
        select(plan, "10.0.0.0/26");
        trigger(plan, "mnuUnpair");
        QCOMPARE(shownPaired(plan, "10.0.0.0/26"), "");
        select(plan, "10.0.0.64/26");
        trigger(plan, "mnuDelete");
        QCOMPARE(rows(plan).at(3), "10.0.0.64/26 ");
        select(plan, "2001:db8:1::/64");
        plan->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(plan));
        QTest::keyClick(plan->findChild<QTreeView *>("tvwPlan"), Qt::Key_Delete);
        QVERIFY(!rows(plan).contains("2001:db8:1::/64 "));
        select(plan, "10.0.0.0/26");
        auto *tree = plan->findChild<QTreeView *>("tvwPlan");
        tree->model()->setData(tree->currentIndex(), "web");
        select(plan, "10.0.0.64/26");
        tree->model()->setData(tree->currentIndex(), "web");
        QTRY_VERIFY(answerer.allAnswered());
        QCOMPARE(refusal, "Trevantis Netquill: the name 'web' is 10.0.0.0/26's already.");
    }

    // Import List names every line that is no entry, with a warning, and
    // imports nothing; a good list's blocks come in merged, as new trees.
    void importListNamesEveryBadLineOrAddsTheMergedBlocks()
    {
        write(m_folder->filePath("sites.txt"), "10.0.0.0/8\n10.0.0.256\n\nweb\n2001:db8::/129\n192.168.0.0/16\n");
        auto *plan = new frmPlan;
        plan->show();
        checkModels(plan);
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QString warning;
        DialogAnswerer answerer({DialogAnswerer::saveAs(m_folder->filePath("sites.txt")),
                                 [&](QWidget *dialog) {
                                     if (auto *box = qobject_cast<QMessageBox *>(dialog))
                                         icon = box->icon();
                                     return DialogAnswerer::acceptMessage(&warning)(dialog);
                                 },
                                 DialogAnswerer::saveAs(m_folder->filePath("sites.txt"))});
        trigger(plan, "mnuImportList");
        QCOMPARE(icon, QMessageBox::Warning);
        QVERIFY2(warning.contains(": Nothing was imported: 3 lines of") && warning.contains("line 2: '10.0.0.256'") &&
                     warning.contains("line 4: 'web'") && warning.contains("line 5: '2001:db8::/129'"),
                 qPrintable(warning));
        QVERIFY(rows(plan).isEmpty());
        write(m_folder->filePath("sites.txt"), "# sites\n10.0.0.0/25\n10.0.0.128-10.0.0.255\n2001:db8::1\n");
        trigger(plan, "mnuImportList");
        QVERIFY(answerer.allAnswered());
        QCOMPARE(rows(plan), (QStringList{"10.0.0.0/24 ", "2001:db8::1/128 "}));
    }

    // A copy that cannot be written is told once in the status bar, and the
    // words go once it can be written again.
    void aCopyThatCannotBeWrittenIsTold()
    {
        auto *plan = new frmPlan;
        plan->show();
        DialogAnswerer answerer({input("10.0.0.0/24")});
        QVERIFY(QDir(autosaveFolder()).removeRecursively());
        write(autosaveFolder(), "a file where the folder was");
        trigger(plan, "mnuAddBlock");
        auto *told = plan->findChild<QLabel *>("lblAutosave");
        QTRY_VERIFY(told->isVisible());
        QVERIFY2(told->text().startsWith("The autosave copy cannot be written: "), qPrintable(told->text()));
        QFile::remove(autosaveFolder());
        trigger(plan, "mnuSplit");
        QTRY_VERIFY(!told->isVisible());
        QCOMPARE(copies().size(), 1);
    }
};

QTEST_MAIN(tst_frmPlan)
#include "tst_frmplan.moc"
