#include "export/exportfile.h"

#include "core/lines/subnettable.h"

#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSaveFile>
#include <QStorageInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <limits>
#include <memory>

namespace netquill {

namespace {

ExportFailure failureFromErrno(int error, const QString &path, bool opening)
{
    const std::string file = "\"" + path.toStdString() + "\"";
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return {ExportFailure::PathNotFound, "The folder of " + file + " does not exist."};
    case EISDIR:
        return {ExportFailure::PathIsFolder, file + " is a folder, not a file."};
    case EACCES:
    case EPERM:
    case EROFS:
        return {ExportFailure::PermissionDenied, "Permission denied: " + file + " cannot be written."};
    case ENOSPC:
    case EDQUOT:
        return {ExportFailure::DiskFull, "The disk is full: " + file + " could not be written completely."};
    default:
        return {ExportFailure::WriteFailed, file + (opening ? " could not be created: " : " could not be written: ") +
                                                (error != 0 ? std::strerror(error) : "unknown error") + "."};
    }
}

// The export's file, written unbuffered so that a failing write is known,
// with the system's reason, at the write that failed.
class ExportFile
{
public:
    explicit ExportFile(const QString &path) : m_path(path)
    {
        const QFileInfo existing(path);
        if (existing.isDir()) {
            m_failure = failureFromErrno(EISDIR, path, true);
            return;
        }
        if (existing.exists() && !existing.isFile())
            m_file = std::make_unique<QFile>(path);
        else
            m_file = std::make_unique<QSaveFile>(path);
        errno = 0;
        if (!m_file->open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            m_failure = failureFromErrno(errno, path, true);
    }

    bool write(std::string_view bytes)
    {
        if (m_failure)
            return false;
        errno = 0;
        if (m_file->write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size()))
            m_failure = failureFromErrno(errno, m_path, false);
        return !m_failure;
    }

    bool write(const std::vector<std::string> &lines)
    {
        for (const std::string &line : lines)
            if (!write(line) || !write("\r\n"))
                return false;
        return true;
    }

    void cancel() { m_failure = ExportFailure{ExportFailure::Cancelled, "The export was cancelled."}; }

    // Puts the written file in place of any earlier one; after a failure the
    // temporary file goes, and the earlier one stays.
    std::optional<ExportFailure> finish()
    {
        auto *saving = dynamic_cast<QSaveFile *>(m_file.get());
        errno = 0;
        if (!m_failure && saving && !saving->commit())
            m_failure = failureFromErrno(errno, m_path, false);
        return m_failure;
    }

private:
    QString m_path;
    std::unique_ptr<QFileDevice> m_file;
    std::optional<ExportFailure> m_failure;
};

// A size in the units a person reads: "3.2 GB", or "1.7e+40 bytes" past any disk.
std::string sizeText(long double bytes)
{
    if (bytes < static_cast<long double>(std::numeric_limits<qint64>::max()))
        return QLocale::system().formattedDataSize(static_cast<qint64>(bytes), 1, QLocale::DataSizeSIFormat).toStdString();
    char text[32];
    std::snprintf(text, sizeof text, "%.2Lg bytes", bytes);
    return text;
}

// A table larger than the free space of the file's disk is refused before
// a byte is written: ::/0 split into /128s would fill any disk and fail.
std::optional<ExportFailure> tooLargeForTheDisk(const QString &path, const ExportRequest &request)
{
    const QFileInfo target(path);
    if (target.exists() && !target.isFile())
        return std::nullopt;  // a device (/dev/null) takes anything
    long double bytes = 0;
    if (request.tab == CalculatorTab::SubnetCalculator && request.plan)
        bytes = SubnetTableBytes(*request.plan, request.mode);
    else if (request.tab == CalculatorTab::Ipv6 && request.ipv6Split)
        bytes = SubnetTableBytes(*request.ipv6Split, request.mode);
    // A file system that tells no size (sysfs, some FUSE ones) is left to the writes to judge.
    const QStorageInfo disk(target.absolutePath());
    if (!disk.isValid() || disk.bytesTotal() <= 0 || bytes <= static_cast<long double>(disk.bytesAvailable()))
        return std::nullopt;
    return ExportFailure{ExportFailure::DiskFull,
                         "The export would take about " + sizeText(bytes) + ", more than the " +
                             sizeText(static_cast<long double>(disk.bytesAvailable())) + " free on the disk of \"" +
                             path.toStdString() +
                             "\". Nothing was written. netquill-cli list --from ROW --count ROWS writes a part "
                             "of the list."};
}

}  // namespace

std::optional<ExportFailure> writeExportFile(const std::filesystem::path &path, const ExportRequest &request,
                                             const ExportProgress &progress)
{
    if (auto failure = tooLargeForTheDisk(QString::fromStdString(path.string()), request))
        return failure;
    ExportFile file(QString::fromStdString(path.string()));
    const bool sectionWritten =
        file.write(linesBeforeTable(request.mode, request.tab, request.fields, request.setting));
    // Up to 2^128 rows: their share is reckoned in floating point.
    long double rows = 0;
    const auto toFile = [&](std::string_view block, Uint128 rowsWritten) {
        if (!file.write(block))
            return false;
        if (progress && !progress(static_cast<int>(1000 * static_cast<long double>(rowsWritten) / rows))) {
            file.cancel();
            return false;
        }
        return true;
    };
    if (sectionWritten && request.tab == CalculatorTab::SubnetCalculator && request.plan) {
        rows = static_cast<long double>(request.plan->subnetCount());
        WriteSubnetTable(*request.plan, request.mode, toFile);
    }
    if (sectionWritten && request.tab == CalculatorTab::Ipv6 && request.ipv6Split) {
        rows = static_cast<long double>(request.ipv6Split->lastRow()) + 1;
        WriteSubnetTable(*request.ipv6Split, request.mode, toFile);
    }
    file.write(linesAfterTable(request.mode, request.tab, request.setting));
    return file.finish();
}

}  // namespace netquill
