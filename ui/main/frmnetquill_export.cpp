// File > Export: the shown tab into a comma-delimited file, a text file or a
// web page, which then opens in the desktop's program for it.
#include "frmnetquill.h"

#include "exportfile.h"
#include "exporttimestamp.h"
#include "hyperjump.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileDialog>
#include <QMessageBox>
#include <QTabWidget>

void frmNetquill::mnuCSV_Click()
{
    runExport(netquill::ExportMode::CSV, QStringLiteral("CSV (Comma delimited) (*.csv)"));
}

void frmNetquill::mnuTXT_Click()
{
    runExport(netquill::ExportMode::TXT, QStringLiteral("Text (*.txt)"));
}

void frmNetquill::mnuHTML_Click()
{
    // The description reads as it always has; the patterns take both endings.
    runExport(netquill::ExportMode::HTML, QStringLiteral("Web Page (*.htm; *html) (*.htm *.html)"));
}

void frmNetquill::runExport(netquill::ExportMode mode, const QString &filter)
{
    ExportMode = mode;
    if (!cdbExport) {
        cdbExport = new QFileDialog(this);
        cdbExport->setObjectName(QStringLiteral("cdbExport"));
        cdbExport->setAcceptMode(QFileDialog::AcceptSave);
        cdbExport->setFileMode(QFileDialog::AnyFile);
    }
    const QStringList lastChoice = cdbExport->selectedFiles();
    cdbExport->setNameFilter(filter);
    // A new filter renames the proposed file to its own ending; the last
    // export's name, whatever its kind, is what the user expects to see.
    if (!lastChoice.isEmpty())
        cdbExport->selectFile(lastChoice.front());
    if (cdbExport->exec() != QDialog::Accepted || cdbExport->selectedFiles().isEmpty())
        return;
    const QString path = cdbExport->selectedFiles().front();

    netquill::ExportRequest request;
    request.mode = mode;
    request.tab = static_cast<netquill::ExportTab>(SSTab1->currentIndex());
    request.fields.converter = readAddressFields();
    request.fields.networkNode = readNetworkNodeTexts();
    request.fields.subnet = readSubnetTexts();
    request.plan = readSubnetPlan();
    request.setting.timestamp = exportTimestamp(QDateTime::currentDateTime()).toStdString();
    request.setting.programFolder = QCoreApplication::applicationDirPath().toStdString();

    if (const auto failure = netquill::writeExportFile(std::filesystem::path(path.toStdString()), request)) {
        QMessageBox error(QMessageBox::Critical, QStringLiteral("Error"),
                          QStringLiteral("Err # %1 - %2").arg(failure->code).arg(QString::fromStdString(failure->description)),
                          QMessageBox::Ok, this);
        error.exec();
        return;
    }
    HyperJump(path);
}
