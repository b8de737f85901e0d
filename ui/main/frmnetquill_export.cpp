// File > Export: the shown tab into a comma-delimited file, a text file or a
// web page, which then opens in the desktop's program for it.
#include "ui/main/frmnetquill.h"

#include "core/productinfo.h"
#include "export/exportfile.h"
#include "export/exporttimestamp.h"
#include "ui/shell/hyperjump.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressDialog>
#include <QTabWidget>

void frmNetquill::mnuCSV_Click()
{
    runExport(netquill::ExportMode::CSV, QStringLiteral("CSV (Comma delimited) (*.csv)"), QStringLiteral("*.csv"));
}

void frmNetquill::mnuTXT_Click()
{
    runExport(netquill::ExportMode::TXT, QStringLiteral("Text (*.txt)"), QStringLiteral("*.txt"));
}

void frmNetquill::mnuHTML_Click()
{
    // The description reads as it always has, without the dot before "html";
    // the patterns take both endings.
    runExport(netquill::ExportMode::HTML, QStringLiteral("Web Page (*.htm; *html)"), QStringLiteral("*.htm *.html"));
}

// The dialog shows the description as written and matches the patterns
// behind it. It starts in the working folder, proposing nothing, until an
// export has been saved; from then on it proposes that file, whatever its kind.
void frmNetquill::runExport(netquill::ExportMode mode, const QString &description, const QString &patterns)
{
    QFileDialog cdbExport(this);
    cdbExport.setObjectName(QStringLiteral("cdbExport"));
    // The dialog and the error box are modal over this window only: the help
    // window beside them keeps its keys and clicks.
    cdbExport.setWindowModality(Qt::WindowModal);
    cdbExport.setAcceptMode(QFileDialog::AcceptSave);
    cdbExport.setFileMode(QFileDialog::AnyFile);
    cdbExport.setOption(QFileDialog::HideNameFilterDetails);
    cdbExport.setNameFilter(QStringLiteral("%1 (%2)").arg(description, patterns));
    if (m_lastExportPath.isEmpty())
        cdbExport.setDirectory(QDir::currentPath());
    else
        cdbExport.selectFile(m_lastExportPath);
    if (cdbExport.exec() != QDialog::Accepted || cdbExport.selectedFiles().isEmpty())
        return;
    const QString path = cdbExport.selectedFiles().front();
    m_lastExportPath = path;

    netquill::ExportRequest request;
    request.mode = mode;
    request.tab = shownTab();
    if (request.tab == netquill::CalculatorTab::SubnetCalculator) {
        foldBlockOctets();
        request.plan = readSubnetPlan();
    }
    request.fields.converter = readAddressFields();
    request.fields.networkNode = readNetworkNodeTexts();
    request.fields.subnet = readSubnetTexts();
    if (const auto entry = readIpv6Entry()) {
        request.fields.ipv6 = netquill::CalculateIpv6(entry->address, ipv6PrefixLength(*entry));
        request.fields.ipv6SubnetLength = cboIPv6SubnetPrefix->currentText().toStdString();
        request.fields.ipv6SubnetCount = txtIPv6SubnetCount->text().toStdString();
        if (request.tab == netquill::CalculatorTab::Ipv6)
            request.ipv6Split = readIpv6Split();
    }
    request.setting.timestamp = exportTimestamp(QDateTime::currentDateTime()).toStdString();
    request.setting.programFolder = QCoreApplication::applicationDirPath().toStdString();

    // A long table shows its progress, in thousandths, after a second, with a Cancel; the
    // window stays drawn meanwhile.
    const std::string rows = request.ipv6Split ? request.ipv6Split->subnetCount().text()
                             : request.plan    ? std::to_string(request.plan->subnetCount())
                                               : "0";
    QProgressDialog progress(
        QStringLiteral("Exporting %1 subnets to %2...").arg(QString::fromStdString(rows), QFileInfo(path).fileName()),
        QStringLiteral("Cancel"), 0, 1000, this);
    progress.setObjectName(QStringLiteral("exportProgress"));
    progress.setWindowTitle(QString::fromLatin1(netquill::kProductName));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(1000);
    progress.setAutoReset(false);
    const auto keepGoing = [&progress](int thousandths) {
        progress.setValue(thousandths);
        QCoreApplication::processEvents();
        return !progress.wasCanceled();
    };
    const auto failure = netquill::writeExportFile(std::filesystem::path(path.toStdString()), request, keepGoing);
    progress.close();
    if (failure && failure->code == netquill::ExportFailure::Cancelled)
        return;
    if (failure) {
        QMessageBox error(
            QMessageBox::Critical, QStringLiteral("Error"),
            QStringLiteral("Err # %1 - %2").arg(failure->code).arg(QString::fromStdString(failure->description)),
            QMessageBox::Ok, this);
        error.setWindowModality(Qt::WindowModal);
        error.exec();
        return;
    }
    HyperJump(path);
}
