#pragma once

// The subnet list: the plan's subnets in a grid, 1024 at a time, and every row
// produced so far on the clipboard. Modal over the main window, which reads
// the plan from its "Subnet Calculator" tab and hands it over.

#include "core/lines/subnetlisting.h"

#include <QDialog>

#include <array>

class QAction;
class QPushButton;
class QTableView;
class SubnetBatchModel;

class frmSubnets : public QDialog
{
    Q_OBJECT

public:
    frmSubnets(const netquill::SubnetPlan &plan, QWidget *owner);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private slots:
    void btnGenerate_Click();
    void btnCopyToClipboard_Click();
    void btnOK_Click();

private:
    void buildLayout();
    void buildMenus();
    void decideColumnWidths();
    void applyColumnWidths();
    void showCurrentBatch();

    netquill::SubnetListing m_listing;
    SubnetBatchModel *m_batchModel = nullptr;
    std::array<int, netquill::kSubnetColumnCount> m_columnWidths{};

    QTableView *mfgSubnets = nullptr;
    QPushButton *btnGenerate = nullptr;
    QPushButton *btnCopyToClipboard = nullptr;
    QPushButton *btnOK = nullptr;
    QAction *mnuGenerate = nullptr;
    QAction *mnuCopyToClipboard = nullptr;
    QAction *mnuExit = nullptr;
};
