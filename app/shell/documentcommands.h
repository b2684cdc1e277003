#pragma once
// The document commands of the "Plik" menu and the window around them: New, Open, Save, Save as,
// the question "Zapisać zmiany?" before a document is given up, and the start-up open of a file
// named on the command line.
//
// Every way of filling the document ends in a state the window shows truthfully: a file read
// whole has its name and no changes; a damaged file keeps what was read, has no name and counts
// as changed (so saving asks for a new name and never overwrites it); a file that is not an
// assessment, or cannot be read, leaves a new untitled assessment.
#include <QObject>
#include <QString>

#include "app/shell/loadsequence.h"

class QWidget;

namespace tarnik {

class Document;
class Wizard;

inline const QString kAskToSaveText = QStringLiteral("Zapisać zmiany?");
inline const QString kFileDoesNotExistText = QStringLiteral("Plik o podanej nazwie nie istnieje.");
inline const QString kChangedOnDiskText =
    QStringLiteral("Plik został zmieniony przez inny program. Zastąpić go?");

class RecentFiles;

class DocumentCommands : public QObject {
    Q_OBJECT
public:
    DocumentCommands(Document& document, Wizard& wizard, LoadSequence load, QString programDir,
                     QWidget* window);

    // The start-up preparation of the document: untitled and saved, questions and catalogues
    // loaded (cut to 255 characters), dated today. A loading failure is shown and the rest of
    // the preparation skipped.
    void prepareAtStartup();

    // "Nowy": asks to save, then a new untitled assessment with questions and catalogues.
    void New();
    // "Otwórz...": asks to save, then reads the file chosen in the open dialog.
    void Open();
    // Both stop where the question stops (see askToSave), the document left as it is.
    // Save, Save as and the question first make the pages store the edit they hold (the open
    // measurement card), so that it reaches the file and the question; when that fails the
    // command stops there.
    // "Zapisz": writes the file; an untitled document goes to Save as. When the file changed on
    // disk since the document read or wrote it, asks kChangedOnDiskText first. False when
    // nothing was written (the dialog was cancelled, or "Nie" to replacing the changed file).
    // Throws FileError when the file cannot be written; IsSaved, the caption and the file name then
    // stay as they were.
    bool Save();
    // "Zapisz jako...": the dialog adds ".trk" to a name typed without an extension before it
    // asks about replacing an existing file.
    bool SaveAs();
    // "Zapisać zmiany?" (Tak, Nie, Anuluj) when the document has unsaved changes. True when the
    // command that asked may go on: nothing to save, "Nie", or "Tak" and the file was written.
    // False for "Anuluj" and for "Tak" with the save dialog cancelled: the document stays as it
    // is. Throws when the save fails, so that the command that asked stops there too.
    bool askToSave();
    // The file named on the command line (a double-clicked .trk file); no question is asked.
    void openAtStartup(const QString& fileName);
    // An entry of "Ostatnio otwierane": a file that no longer exists is reported and leaves the
    // list; otherwise as "Otwórz..." with that file.
    void openRecent(const QString& fileName);
    // Files read whole and files written are added to the list (may be null).
    void setRecentFiles(RecentFiles* recent) { recent_ = recent; }
    // Opens a file chosen elsewhere (the register of assessments): asks to save first, as
    // "Otwórz..." does. False when the question stopped it.
    bool openFile(const QString& fileName);
    // The next assessment made from a previous one becomes the document: untitled and changed, so
    // that saving asks for a name, and the save dialog offers `suggestedName` (a full path). The
    // caller has asked about the unsaved changes of the document it replaces.
    void startFromPrevious(Assessment next, const QString& suggestedName);

signals:
    // A file was written by Save or Save as (the absolute name).
    void saved(const QString& fileName);

private:
    // Clears the document and reads the file into it; shows what went wrong.
    void readFile(const QString& fileName);
    // Brings the computed values in line with a document that was just filled.
    void documentFilled();
    // A document filled with what it now holds that belongs to no file: untitled and changed, so
    // that saving asks for a name.
    void filledUntitled();
    // A new untitled assessment with its questions and catalogues, as after "Nowy".
    void startNewDocument();
    // The document now matches the file `name` on disk: its stamp, the recent files.
    void fileMatched(const QString& name);

    Document& document_;
    Wizard& wizard_;
    LoadSequence load_;
    QString programDir_;
    QWidget* window_;
    RecentFiles* recent_ = nullptr;
    // The name the next "Zapisz jako..." offers for this untitled document, if any.
    QString suggestedName_;
};

} // namespace tarnik
