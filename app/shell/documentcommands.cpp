#include "app/shell/documentcommands.h"

#include <QFileInfo>
#include <exception>

#include "app/document/document.h"
#include "app/platform/errorhandler.h"
#include "app/platform/pathutil.h"
#include "app/platform/prompts.h"
#include "app/shell/recentfiles.h"
#include "app/wizard/wizard.h"
#include "core/base/errors.h"
#include "core/model/trkfile.h"
#include "core/rules/workers/workers.h"

namespace tarnik {

namespace {

QString absoluteName(const QString& name) {
    return QFileInfo(name).absoluteFilePath();
}

} // namespace

DocumentCommands::DocumentCommands(Document& document, Wizard& wizard, LoadSequence load,
                                   QString programDir, QWidget* window)
    : QObject(window), document_(document), wizard_(wizard), load_(std::move(load)),
      programDir_(std::move(programDir)), window_(window) {}

void DocumentCommands::prepareAtStartup() {
    document_.setCurrentFileName({});
    document_.setUntitledCaption();
    document_.SetSaved(true);
    Assessment& a = document_.assessment();
    a.questions.clear();
    const bool loaded = runGuarded(
        [&] {
            if (load_) load_(a, programDir_, LoadOccasion::Startup);
        },
        window_);
    if (loaded) a.DTPOcena = todayDayNumber();
    documentFilled();
    // Loading fills the document; it has no changes of the user's.
    document_.SetSaved(true);
    wizard_.restart();
}

void DocumentCommands::startNewDocument() {
    suggestedName_.clear();
    wizard_.beginReset();
    Assessment& a = document_.assessment();
    a.resetToNew();
    std::exception_ptr failure;
    try {
        if (load_) load_(a, programDir_, LoadOccasion::NewAssessment);
    } catch (...) {
        failure = std::current_exception();
    }
    documentFilled();
    // Whatever the loading reached, the window shows a new, untitled document: saving it asks
    // for a name and never overwrites the file that was open before.
    document_.setCurrentFileName({});
    document_.setFileStamp({});
    document_.setUntitledCaption();
    document_.SetSaved(true);
    wizard_.restart();
    if (failure) runGuarded([&] { std::rethrow_exception(failure); }, window_);
}

void DocumentCommands::New() {
    if (!askToSave()) return;
    startNewDocument();
}

void DocumentCommands::Open() {
    if (!askToSave()) return;
    const QString chosen =
        fileDialogs().openFileName(window_, QStringLiteral("Otwórz"), kTrkFilter);
    if (chosen.isEmpty()) return;
    const QString name = absoluteName(withTrkExtension(chosen));
    document_.setCurrentFileName(name);
    if (!QFileInfo::exists(name)) {
        // The document stays as it is and belongs to the new name from now on: the next Save
        // writes it there, and the caption says so.
        document_.setCaptionFromFileName();
        // Should the file appear before the next Save, Save asks before replacing it.
        document_.setFileStamp(FileStamp::of(name));
        if (!document_.IsSaved()) document_.SetSaved(false);
        showMessage(window_, kTitleAssessment, kFileDoesNotExistText);
        return;
    }
    readFile(name);
}

void DocumentCommands::openAtStartup(const QString& fileName) {
    const QString name = absoluteName(fileName);
    document_.setCurrentFileName(name);
    readFile(name);
}

void DocumentCommands::openRecent(const QString& fileName) {
    if (!QFileInfo::exists(fileName)) {
        if (recent_) recent_->remove(fileName);
        showMessage(window_, kTitleAssessment, kFileDoesNotExistText);
        return;
    }
    if (!askToSave()) return;
    const QString name = absoluteName(fileName);
    document_.setCurrentFileName(name);
    readFile(name);
}

void DocumentCommands::fileMatched(const QString& name) {
    document_.setFileStamp(FileStamp::of(name));
    if (recent_) recent_->add(name);
}

bool DocumentCommands::openFile(const QString& fileName) {
    if (!askToSave()) return false;
    const QString name = absoluteName(fileName);
    if (!QFileInfo::exists(name)) {
        showMessage(window_, kTitleAssessment, kFileDoesNotExistText);
        return false;
    }
    document_.setCurrentFileName(name);
    readFile(name);
    return true;
}

void DocumentCommands::startFromPrevious(Assessment next, const QString& suggestedName) {
    wizard_.beginReset();
    document_.assessment() = std::move(next);
    filledUntitled();
    suggestedName_ = suggestedName;
    wizard_.restart();
}

void DocumentCommands::readFile(const QString& fileName) {
    suggestedName_.clear();
    wizard_.beginReset();
    Assessment& a = document_.assessment();
    a.resetToNew();
    a.questions.clear();
    TrkReadResult r;
    try {
        r = readTrkFile(a, toPath(fileName));
    } catch (const FileError& e) {
        // The file could not be read at all: a new document instead of an empty trap.
        startNewDocument();
        reportError(e, window_);
        return;
    }
    switch (r.status) {
    case TrkReadResult::Status::Read:
        UpdateWorkers(a);
        documentFilled();
        document_.setCaptionFromFileName();
        document_.SetSaved(true);
        fileMatched(fileName);
        wizard_.restart();
        break;
    case TrkReadResult::Status::BadSignature:
        startNewDocument();
        showMessage(window_, kTitleAssessment, QString::fromStdString(r.message));
        break;
    case TrkReadResult::Status::Damaged:
    case TrkReadResult::Status::BadNumber: {
        // What was read stays; the document has no name and counts as changed, so that saving
        // asks for a name instead of overwriting the damaged file.
        filledUntitled();
        wizard_.restart();
        QString text = QString::fromStdString(r.message);
        if (r.status == TrkReadResult::Status::BadNumber)
            text += QStringLiteral("\r\nOdczytano dane zapisane w pliku przed tym miejscem. Ocena "
                                   "otrzymała nazwę \"bez nazwy\": zapisz ją pod nową nazwą, aby "
                                   "nie zastąpić uszkodzonego pliku.");
        showMessage(window_,
                    r.status == TrkReadResult::Status::BadNumber ? kTitleError : kTitleAssessment,
                    text);
        break;
    }
    }
}

void DocumentCommands::documentFilled() {
    // The values that arrive through the input fields bring their indices, grade and
    // recommendations with them; the hazard card and the level wait for their pages.
    Assessment& a = document_.assessment();
    Evaluation& e = document_.evaluation();
    e.workersRecounted(a);
    e.afterDocumentLoaded(a);
}

void DocumentCommands::filledUntitled() {
    UpdateWorkers(document_.assessment());
    documentFilled();
    document_.setCurrentFileName({});
    document_.setFileStamp({});
    document_.setUntitledCaption();
    document_.SetSaved(false);
}

bool DocumentCommands::Save() {
    // What the page being edited holds goes into the file too.
    wizard_.storePendingEdit();
    const QString name = document_.CurrentFileName();
    if (name.isEmpty()) return SaveAs();
    // Someone else's work in the file is not replaced without a question.
    if (document_.fileStamp().changedOnDisk(name) &&
        !askYesNo(window_, kTitleAssessment, kChangedOnDiskText))
        return false;
    saveTrkFile(document_.assessment(), toPath(name));
    document_.SetSaved(true);
    document_.setCaptionFromFileName();
    fileMatched(name);
    emit saved(name);
    return true;
}

bool DocumentCommands::SaveAs() {
    wizard_.storePendingEdit();
    const QString title = QStringLiteral("Zapisz jako");
    const QString chosen =
        suggestedName_.isEmpty()
            ? fileDialogs().saveFileName(window_, title, kTrkFilter, kTrkSuffix)
            : fileDialogs().saveFileNameAt(window_, title, kTrkFilter, suggestedName_, kTrkSuffix);
    if (chosen.isEmpty()) return false;
    // The dialog has added the suffix already; a name from a dialog that does not add it gets it
    // here.
    const QString name = absoluteName(withTrkExtension(chosen));
    // The name is taken only once the file is written, so a failed write leaves the document
    // as it was.
    saveTrkFile(document_.assessment(), toPath(name));
    document_.setCurrentFileName(name);
    document_.SetSaved(true);
    document_.setCaptionFromFileName();
    suggestedName_.clear();
    fileMatched(name);
    emit saved(name);
    return true;
}

bool DocumentCommands::askToSave() {
    // An edit the page still holds counts as a change: the question is asked for it, and Yes
    // writes it.
    wizard_.storePendingEdit();
    if (document_.IsSaved()) return true;
    switch (askYesNoCancel(window_, kTitleAssessment, kAskToSaveText)) {
    case Reply::Yes:
        // A save dialog the user cancelled keeps the work: the command stops.
        return Save();
    case Reply::No:
        return true;
    case Reply::Cancel:
        break;
    }
    return false;
}

} // namespace tarnik
