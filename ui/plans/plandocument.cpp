#include "ui/plans/plandocument.h"

#include "core/files/planfile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTimer>

#include <cstring>

namespace {

// The most bytes a plan file may have, as netquill-cli reads them: a plan of
// a million leaves takes about 100 MB.
constexpr std::size_t kLargestPlanFile = std::size_t{256} << 20;
// How long a change waits for the next before the autosave copy is written:
// a copy of 100,000 rows takes a tenth of a second to write.
constexpr int kAutosaveDelayMs = 250;

// The plan a file holds and the file's stamp, or why there is none.
std::optional<std::pair<netquill::Plan, netquill::FileStamp>> readPlan(const QString &path, QString &reason)
{
    const auto file = netquill::readWholeFile(path.toStdString(), kLargestPlanFile);
    if (!file) {
        reason = QString::fromStdString(file.reason());
        return std::nullopt;
    }
    auto plan = netquill::readPlanFile(file->bytes);
    if (!plan) {
        reason = QString::fromStdString(plan.reason());
        return std::nullopt;
    }
    return std::pair(std::move(*plan), file->stamp);
}

}  // namespace

PlanDocument::PlanDocument() : PlanDocument(netquill::Plan(), QString(), 0, std::make_shared<AutosaveCopy>()) {}

PlanDocument::PlanDocument(netquill::Plan plan, QString path, std::optional<std::uint64_t> savedStep,
                           std::shared_ptr<AutosaveCopy> copy)
    : m_plan(std::move(plan)), m_path(std::move(path)), m_savedStep(savedStep), m_copy(std::move(copy))
{
    m_autosaveDue = new QTimer(this);
    m_autosaveDue->setSingleShot(true);
    m_autosaveDue->setInterval(kAutosaveDelayMs);
    connect(m_autosaveDue, &QTimer::timeout, this, &PlanDocument::writeAutosave);
    // The main window ends the program at once: the last changes reach the copy first.
    connect(qApp, &QCoreApplication::aboutToQuit, this, &PlanDocument::flush);
}

PlanDocument::~PlanDocument()
{
    if (unsaved())
        flush();
    else
        m_copy->remove();
}

std::unique_ptr<PlanDocument> PlanDocument::open(const QString &path, QString &reason)
{
    auto read = readPlan(path, reason);
    if (!read)
        return nullptr;
    std::unique_ptr<PlanDocument> document(new PlanDocument(std::move(read->first), QFileInfo(path).absoluteFilePath(),
                                                            0, std::make_shared<AutosaveCopy>()));
    document->m_stamp = read->second;
    return document;
}

std::unique_ptr<PlanDocument> PlanDocument::recover(const AutosaveCopy::Stale &stale, QString &reason)
{
    auto read = readPlan(stale.copy->copyPath(), reason);
    if (!read)
        return nullptr;
    std::unique_ptr<PlanDocument> document(
        new PlanDocument(std::move(read->first), stale.planPath, std::nullopt, stale.copy));
    // The file is as the program that ended last saw it, or changed since: either way it is asked about.
    document->m_stamp = netquill::stampOf(stale.planPath.toStdString());
    return document;
}

QString PlanDocument::displayName() const
{
    return m_path.isEmpty() ? QStringLiteral("the new plan") : QFileInfo(m_path).fileName();
}

bool PlanDocument::changedOnDisk() const
{
    if (m_path.isEmpty())
        return false;
    const auto now = netquill::stampOf(m_path.toStdString());
    return now && now != m_stamp;
}

void PlanDocument::stepTaken()
{
    if (!m_autosaveDue->isActive())
        m_autosaveDue->start();
    emit stateChanged();
}

QString PlanDocument::save(const QString &path)
{
    const std::string text = netquill::planFileText(m_plan);
    netquill::FileStamp written;
    if (const int error = netquill::writeWholeFile(path.toStdString(), text, &written); error != 0)
        return QString::fromLocal8Bit(std::strerror(error));
    m_path = QFileInfo(path).absoluteFilePath();
    m_stamp = written;
    m_savedStep = m_plan.step();
    m_autosaveDue->stop();
    m_copy->remove();
    emit stateChanged();
    return {};
}

void PlanDocument::discard()
{
    m_autosaveDue->stop();
    m_copy->remove();
    m_savedStep = m_plan.step();
}

void PlanDocument::flush()
{
    if (m_autosaveDue->isActive() || (unsaved() && m_copyFailing)) {
        m_autosaveDue->stop();
        writeAutosave();
    }
}

void PlanDocument::writeAutosave()
{
    // A plan undone back to its file needs no copy.
    if (!unsaved()) {
        m_copy->remove();
        return;
    }
    const std::string text = netquill::planFileText(m_plan);
    const QString failure =
        m_copy->write(QByteArray::fromRawData(text.data(), static_cast<qsizetype>(text.size())), m_path);
    if (failure.isEmpty() == !m_copyFailing)
        return;
    m_copyFailing = !failure.isEmpty();
    emit autosaveFailed(failure);
}
