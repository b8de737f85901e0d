#pragma once

// A plan window: a plan of both families as a tree, split, joined, named and
// paired, saved to a plan file. Not modal: several plans and the calculator
// tabs are used together. Every change is also written to an autosave copy
// in the user's cache folder, so that the main window, which ends the
// program at once, loses nothing: the copy is offered back at the next start
// and removed once the plan is saved or its changes discarded.

#include "core/lines/rowformat.h"
#include "core/planning/plan.h"

#include <QMainWindow>


class PlanTreeModel;
class QAction;
class QModelIndex;
class QSortFilterProxyModel;
class QTimer;
class QTreeView;

class frmPlan : public QMainWindow
{
    Q_OBJECT

public:
    // An empty plan.
    frmPlan();
    ~frmPlan() override;
    // The plan of a file, in a window of its own, or nothing after a message
    // that says why the file was refused.
    static frmPlan *openFile(const QString &path, QWidget *messageOwner);
    // The autosave copies a program that ended left behind, each offered back.
    static void offerAutosaves(QWidget *messageOwner);

    QString path() const { return m_path; }
    bool unsaved() const { return m_unsaved; }

protected:
    void closeEvent(QCloseEvent *event) override;

private slots:
    void mnuSave_Click();
    void mnuSaveAs_Click();
    void mnuUndo_Click();
    void mnuRedo_Click();
    void mnuAddBlock_Click();
    void mnuImportList_Click();
    void mnuSplit_Click();
    void mnuSplitInto_Click();
    void mnuJoin_Click();
    void mnuPlaceRequests_Click();
    void mnuRename_Click();
    void mnuFind_Click();
    void mnuPair_Click();
    void mnuCopy_Click();
    void mnuExport_Click();

private:
    // `autosaveName` names the copy of a plan offered back; a new window's is new.
    frmPlan(netquill::Plan plan, const QString &path, bool unsaved, const QString &autosaveName = {});
    void buildMenus();
    // The tree's rows as the view sorts them, and the blocks they show.
    netquill::PlanBlock blockAt(const QModelIndex &shown) const;
    QModelIndex indexOf(const netquill::PlanBlock &block) const;
    std::optional<netquill::PlanBlock> currentBlock() const;
    void splitLeaf(netquill::PlanBlock leaf, int bits);
    // After any change: the tree told of it, the same row current, the title, the autosave copy.
    void showChange(std::optional<netquill::PlanBlock> current);
    void markEdited();
    void refuse(const std::string &reason);
    std::optional<netquill::PlanBlock> askForBlock(const QString &title, const QString &prompt);
    bool save(const QString &path);
    bool saveAsked();
    void updateTitle();
    // Every row of the plan in the format, each tree depth first.
    std::string rowsText(netquill::RowFormat format) const;
    void writeAutosave();
    // A copy the last changes are waiting for, written now (the program ends).
    void flushAutosave();
    void removeAutosave();
    QString autosavePath() const;

    netquill::Plan m_plan;
    QString m_path;  // empty until saved
    bool m_unsaved = false;
    QString m_autosaveName;  // the copy's name in the cache folder, one for each window
    // Changes in quick succession (a key held down) are written to the copy once.
    QTimer *m_autosaveDue = nullptr;

    PlanTreeModel *m_model = nullptr;
    QSortFilterProxyModel *m_sorted = nullptr;
    QTreeView *tvwPlan = nullptr;
    QAction *mnuUndo = nullptr;
    QAction *mnuRedo = nullptr;
};
