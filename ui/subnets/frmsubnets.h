#pragma once

// The subnet list: a split's subnets in a grid, 1024 at a time from the
// first row or from any row found, and the rows produced since then on the
// clipboard. Modal over the main window, which reads the split from its
// "Subnet Calculator" or "IPv6" tab and hands it over.

#include "core/lines/subnetlisting.h"

#include <QDialog>

#include <memory>
#include <vector>

class QAction;
class QPushButton;
class QTableView;
class SubnetBatchModel;

class frmSubnets : public QDialog
{
    Q_OBJECT

public:
    frmSubnets(std::unique_ptr<netquill::SubnetListing> listing, QWidget *owner);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private slots:
    void btnGenerate_Click();
    void btnCopyToClipboard_Click();
    void btnOK_Click();
    void mnuFind_Click();

private:
    void buildLayout();
    void buildMenus();
    void decideColumnWidths();
    void applyColumnWidths();
    void widenForColumns(int shortOf);
    void showCurrentBatch();

    SubnetBatchModel *m_batchModel = nullptr;  // which keeps the listing
    netquill::SubnetListing *m_listing = nullptr;
    std::vector<int> m_columnWidths;

    QTableView *mfgSubnets = nullptr;
    QPushButton *btnGenerate = nullptr;
    QPushButton *btnCopyToClipboard = nullptr;
    QPushButton *btnOK = nullptr;
    QAction *mnuGenerate = nullptr;
    QAction *mnuCopyToClipboard = nullptr;
    QAction *mnuFind = nullptr;
    QAction *mnuExit = nullptr;
};
