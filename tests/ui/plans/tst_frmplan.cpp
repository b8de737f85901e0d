// The plan window's wiring: menu entries to the plan's operations, the
// asterisk, the close question, the file saved and opened, and the autosave
// copy offered back after the program was killed. (The operations, the file
// and their refusals are the core's tests.)
#include "tests/ui/main/dialoganswerer.h"
#include "tests/ui/main/mainwindowdriver.h"
#include "ui/plans/frmplan.h"

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
    static DialogAnswerer::Handler press(QMessageBox::StandardButton button)
    {
        return [button](QWidget *dialog) {
            auto *box = qobject_cast<QMessageBox *>(dialog);
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
    static void trigger(QWidget *window, const char *entry) { window->findChild<QAction *>(entry)->trigger(); }

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
    }

    // Save As writes the plan file, which File lists among the recent plans
    // and Open Plan opens again; a change then asks on closing, and Discard
    // closes without saving.
    void saveOpenAndTheCloseQuestion()
    {
        auto *plan = new frmPlan;
        plan->show();
        DialogAnswerer answerer({input("2001:db8::/64"), DialogAnswerer::saveAs(m_folder->filePath("lab.nqplan"))});
        trigger(plan, "mnuAddBlock");
        trigger(plan, "mnuSaveAs");
        QVERIFY(answerer.allAnswered() && !plan->isWindowModified());
        QCOMPARE(plan->windowTitle(), "lab.nqplan[*] - Trevantis Netquill");
        plan->close();
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
        QVERIFY(!opened->close() || opener.allAnswered());
        QVERIFY(!shownPlan());
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
        const QString rows = "Depth\tSubnet\tName\tNote\tRequest\tPaired\tSize\r\n"
                             "0\t10.0.0.0/32\t\t\t\t2001:db8::/128\t1\r\n"
                             "0\t2001:db8::/128\t\t\t\t10.0.0.0/32\t1\r\n";
        QCOMPARE(QApplication::clipboard()->text(), rows);
        QVERIFY(QApplication::clipboard()->mimeData()->html().contains("<td>2001:db8::/128</td>"));
        trigger(plan, "mnuExport");
        QVERIFY(answerer.allAnswered());
        QFile file(m_folder->filePath("plan.csv"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(file.readAll()), QString(rows).replace('\t', ','));
    }

    // Import List adds the blocks of an address list, merged, as new trees.
    void importListAddsItsMergedBlocks()
    {
        QFile list(m_folder->filePath("sites.txt"));
        QVERIFY(list.open(QIODevice::WriteOnly));
        list.write("# sites\n10.0.0.0/25\n10.0.0.128-10.0.0.255\n2001:db8::1\n");
        list.close();
        auto *plan = new frmPlan;
        plan->show();
        DialogAnswerer answerer({DialogAnswerer::saveAs(list.fileName())});
        trigger(plan, "mnuImportList");
        QVERIFY(answerer.allAnswered());
        QCOMPARE(rows(plan), (QStringList{"10.0.0.0/24 ", "2001:db8::1/128 "}));
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

    // Every change is in the autosave copy: a window that ended without
    // closing (the main window ends the program at once) is offered back.
    void theAutosaveCopyIsOfferedBack()
    {
        auto *plan = new frmPlan;
        plan->show();
        DialogAnswerer answerer({input("192.168.0.0/16")});
        trigger(plan, "mnuAddBlock");
        delete plan;  // as when the program ends
        DialogAnswerer offer({press(QMessageBox::Open)});
        frmPlan::offerAutosaves(m_ui->window());
        frmPlan *back = shownPlan();
        QVERIFY(back && back->isWindowModified());
        QCOMPARE(rows(back), QStringList{"192.168.0.0/16 "});
        DialogAnswerer discard({press(QMessageBox::Discard)});
        back->close();
        DialogAnswerer none({press(QMessageBox::Open)});
        frmPlan::offerAutosaves(m_ui->window());
        QVERIFY(!shownPlan());
        QVERIFY(!none.allAnswered());  // nothing left to offer
    }
};

QTEST_MAIN(tst_frmPlan)
#include "tst_frmplan.moc"
