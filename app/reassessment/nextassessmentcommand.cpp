#include "app/reassessment/nextassessmentcommand.h"

#include <QDir>
#include <QFileInfo>

#include "app/document/document.h"
#include "app/platform/pathutil.h"
#include "app/platform/prompts.h"
#include "app/reassessment/finishedtasksdialog.h"
#include "app/shell/documentcommands.h"
#include "core/model/convert.h"
#include "core/reassessment/nextassessment.h"

namespace tarnik {

NextAssessmentCommand::NextAssessmentCommand(Document& document, DocumentCommands& commands,
                                             QWidget* window)
    : QObject(window), document_(document), commands_(commands), window_(window) {}

bool NextAssessmentCommand::run() {
    if (!commands_.askToSave()) return false;
    // The open document is the likeliest previous assessment once it is in its file.
    const QString offered = document_.IsSaved() ? document_.CurrentFileName() : QString();
    const QString chosen = fileDialogs().openFileNameAt(window_, QStringLiteral("Poprzednia ocena"),
                                                        kTrkFilter, offered);
    if (chosen.isEmpty()) return false;
    return makeFrom(chosen);
}

bool NextAssessmentCommand::runFrom(const QString& previousFile) {
    if (!commands_.askToSave()) return false;
    return makeFrom(previousFile);
}

bool NextAssessmentCommand::makeFrom(const QString& previousFile) {
    const QString file = QFileInfo(withTrkExtension(previousFile)).absoluteFilePath();
    // Only a file read whole: the figures of a damaged one would be carried on as if right.
    Assessment previous;
    previous.questions.clear();
    if (auto failure = openForCommandLine(toPath(file), previous)) {
        showMessage(window_, kTitleError, QString::fromStdString(*failure));
        return false;
    }

    std::vector<bool> done;
    const std::vector<PlanRow> tasks = previousPlanTasks(previous);
    if (!tasks.empty()) {
        FinishedTasksDialog dialog(tasks, window_);
        if (dialog.exec() != QDialog::Accepted) return false;
        done = dialog.finished();
    }

    Assessment next = nextAssessmentFrom(previous, todayDayNumber(), done);
    const QFileInfo info(file);
    const QString stem = QString::fromStdString(
        nextAssessmentFileStem(info.completeBaseName().toStdString(), previous.EdtNr, next.EdtNr));
    const QString suggested = QDir(info.absolutePath()).filePath(stem + QStringLiteral(".trk"));
    commands_.startFromPrevious(std::move(next), suggested);
    return true;
}

} // namespace tarnik
