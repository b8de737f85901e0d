#pragma once

// A plan window: a plan of both families as a tree, split, joined, named and
// paired, saved to a plan file. Not modal: several plans and the calculator
// tabs are used together. The window is a view of its PlanDocument, which
// keeps every change in an autosave copy, so that the main window, which
// ends the program at once, loses nothing.

#include "core/lines/rowformat.h"
#include "core/planning/plan.h"

#include <QMainWindow>

#include <memory>

class PlanDocument;
class PlanTreeModel;
class QAction;
class QDialog;
class QLabel;
class QMenu;
class QModelIndex;
class QSortFilterProxyModel;
class QTreeView;

class frmPlan : public QMainWindow
{
    Q_OBJECT

public:
    // An empty plan.
    frmPlan();
    explicit frmPlan(std::unique_ptr<PlanDocument> document);
    ~frmPlan() override;
    // The plan of a file in a window of its own, or the window that has it
    // open already, raised; nothing after a message that says why the file
    // was refused.
    static frmPlan *openFile(const QString &path, QWidget *messageOwner);
    // The autosave copies programs that ended left behind, each offered back.
    static void offerAutosaves(QWidget *messageOwner);
    // The window shown above the others, with the keys.
    void raiseWindow();

    const PlanDocument &document() const { return *m_document; }

protected:
    void closeEvent(QCloseEvent *event) override;

private slots:
    void mnuSave_Click();
    void mnuSaveAs_Click();
    void mnuUndo_Click();
    void mnuRedo_Click();
    void mnuAddBlock_Click();
    void mnuAddUla_Click();
    void mnuImportList_Click();
    void mnuSplit_Click();
    void mnuSplitInto_Click();
    void mnuSplitAll_Click();
    void mnuJoin_Click();
    void mnuPlaceRequests_Click();
    void mnuClaimBlock_Click();
    void mnuRename_Click();
    void mnuDelete_Click();
    void mnuFind_Click();
    void mnuPair_Click();
    void mnuUnpair_Click();
    void mnuCopy_Click();
    void mnuExport_Click();
    void mnuPrint_Click();
    void mnuPrintPreview_Click();
    void mnuVlan_Click();
    void mnuFindFree_Click();

private:
    void buildMenus();
    // The Edit menu's submenus of statuses and colours, each entry setting the current node's.
    QMenu *statusMenu();
    QMenu *colourMenu();
    // The current node described anew by `change`, one step.
    template <typename Change>
    void describeCurrent(Change change);
    // The status bar's word on the current node: how much of it is free.
    void showFreeSpace();
    // The tree's rows as the view sorts them, and the blocks they show.
    netquill::AnyBlock blockAt(const QModelIndex &shown) const;
    QModelIndex indexOf(const netquill::AnyBlock &block) const;
    std::optional<netquill::AnyBlock> currentBlock() const;
    void showRow(const netquill::AnyBlock &block);
    void splitLeaf(netquill::AnyBlock leaf, int bits);
    // After a step of the plan: the tree told of it, the row current, the document told.
    void showChange(std::optional<netquill::AnyBlock> current);
    // Shows a refusal, if any; true when there was one.
    bool refused(const netquill::Refused &refusal);
    void refuse(const std::string &reason);
    bool confirm(const QString &question);
    // The box run; true when it was accepted.
    bool accepted(QDialog &box);
    std::optional<netquill::AnyBlock> askForBlock(const QString &title, const QString &prompt);
    bool save(const QString &path);
    bool saveAsked();
    void updateTitle();
    void showAutosaveFailure(const QString &reason);
    // Every row of the plan in the format, each tree depth first.
    std::string rowsText(netquill::RowFormat format) const;

    std::unique_ptr<PlanDocument> m_document;
    netquill::Plan &m_plan;

    PlanTreeModel *m_model = nullptr;
    QSortFilterProxyModel *m_sorted = nullptr;
    QTreeView *tvwPlan = nullptr;
    QLabel *lblAutosave = nullptr;
    QLabel *lblFree = nullptr;
    QAction *mnuUndo = nullptr;
    QAction *mnuRedo = nullptr;
};
