#pragma once

// One open plan: the plan itself, the file it was read from or saved to,
// the step at which it was saved, and its autosave copy. The plan window is
// a view of it: it asks the plan for a change, then tells the document,
// which writes the copy once the changes pause and says whether the plan
// differs from its file.

#include "core/files/wholefile.h"
#include "core/planning/plan.h"
#include "ui/plans/autosavecopy.h"

#include <QObject>
#include <QString>

#include <memory>
#include <optional>

class QTimer;

class PlanDocument : public QObject
{
    Q_OBJECT

public:
    // A new, empty plan, saved nowhere.
    PlanDocument();
    // The plan of a file; nothing, and why, where the file holds none.
    static std::unique_ptr<PlanDocument> open(const QString &path, QString &reason);
    // The plan of an autosave copy a program left: unsaved, whatever its steps.
    static std::unique_ptr<PlanDocument> recover(const AutosaveCopy::Stale &stale, QString &reason);
    // An unsaved plan keeps its copy, which the next start offers back.
    ~PlanDocument() override;

    netquill::Plan &plan() { return m_plan; }
    const netquill::Plan &plan() const { return m_plan; }
    QString path() const { return m_path; }
    // The file name, or "the new plan".
    QString displayName() const;
    // Whether the plan differs from its file: an undo back to the step saved is clean.
    bool unsaved() const { return !m_savedStep || *m_savedStep != m_plan.step(); }
    // Whether another program wrote the file since this plan read or saved it.
    bool changedOnDisk() const;

    // Tells of a step done, undone or redone: the copy is written once the changes pause.
    void stepTaken();
    // Writes the plan to the file whole or not at all; the system's reason
    // where it could not, the plan still unsaved and the copy as it was.
    QString save(const QString &path);
    // The plan's changes given up: its copy goes.
    void discard();
    // The copy written now, where changes wait for it (the program ends).
    void flush();

signals:
    // The plan became saved or unsaved.
    void stateChanged();
    // The copy could not be written (reason), or could again (empty).
    void autosaveFailed(const QString &reason);

private:
    explicit PlanDocument(netquill::Plan plan, QString path, std::optional<std::uint64_t> savedStep,
                          std::shared_ptr<AutosaveCopy> copy);
    void writeAutosave();

    netquill::Plan m_plan;
    QString m_path;                              // empty until saved
    std::optional<std::uint64_t> m_savedStep;    // none for a recovered copy, saved at no step
    std::optional<netquill::FileStamp> m_stamp;  // the file as last read or written
    std::shared_ptr<AutosaveCopy> m_copy;
    bool m_copyFailing = false;
    // Changes in quick succession (a key held down) are written to the copy once.
    QTimer *m_autosaveDue = nullptr;
};
