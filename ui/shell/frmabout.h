#pragma once

#include <QDialog>

// The About box: the product, its version and its notice; OK, Enter or Esc closes it.
class frmAbout : public QDialog
{
    Q_OBJECT

public:
    explicit frmAbout(QWidget *owner);
};
