#include "export/exportfile.h"

#include <cerrno>
#include <cstring>
#include <fstream>

namespace netquill {

namespace {

ExportFailure failureFromErrno(int error, const std::filesystem::path &path, bool opening)
{
    const std::string file = "\"" + path.string() + "\"";
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

// Lines go out with CR LF; a failing stream is reported with the reason the
// system gave.
class ExportStream
{
public:
    explicit ExportStream(const std::filesystem::path &path) : m_path(path)
    {
        errno = 0;
        m_out.open(path, std::ios::binary | std::ios::trunc);
        if (!m_out.is_open())
            m_failure = failureFromErrno(errno, path, true);
    }

    bool write(const std::vector<std::string> &lines)
    {
        for (const std::string &line : lines) {
            if (m_failure)
                return false;
            errno = 0;
            m_out << line << "\r\n";
            checkStream();
        }
        return !m_failure;
    }

    std::ostream &raw() { return m_out; }

    void checkStream()
    {
        if (!m_failure && !m_out)
            m_failure = failureFromErrno(errno, m_path, false);
    }

    // Flushes and closes; the last buffered lines can fail only here.
    void close()
    {
        if (!m_out.is_open())
            return;
        errno = 0;
        m_out.flush();
        checkStream();
        m_out.close();
        checkStream();
    }

    const std::optional<ExportFailure> &failure() const { return m_failure; }
    void fail(ExportFailure failure) { m_failure = std::move(failure); }

private:
    std::filesystem::path m_path;
    std::ofstream m_out;
    std::optional<ExportFailure> m_failure;
};

}  // namespace

std::optional<ExportFailure> writeExportFile(const std::filesystem::path &path, const ExportRequest &request)
{
    ExportStream file(path);
    if (file.write(linesBeforeTable(request.mode, request.tab, request.fields, request.setting)) &&
        request.tab == CalculatorTab::SubnetCalculator && request.plan) {
        errno = 0;
        const auto tableFailure = WriteSubnetTable(*request.plan, request.mode, file.raw());
        file.checkStream();
        if (tableFailure && !file.failure())
            file.fail({ExportFailure::TooManySubnets, *tableFailure});
    }
    file.write(linesAfterTable(request.mode, request.tab, request.setting));
    file.close();
    return file.failure();
}

}  // namespace netquill
