#pragma once

#include "core/lines/subnetlisting.h"

#include <QDialog>

class QDialogButtonBox;
class QLabel;
class QLineEdit;

// File > Find Row or Address: a row number or an address, checked against
// the listing as it is typed; OK only once it names a row.
class frmFind : public QDialog
{
    Q_OBJECT

public:
    frmFind(const netquill::SubnetListing &listing, QWidget *owner);

    // The row (from 0) the text names; valid once the box is accepted.
    netquill::Uint128 foundRow() const { return m_row; }

private slots:
    void txtFind_Change();

private:
    const netquill::SubnetListing &m_listing;
    netquill::Uint128 m_row = 0;

    QLineEdit *txtFind = nullptr;
    QLabel *lblReason = nullptr;
    QDialogButtonBox *m_buttons = nullptr;
};
