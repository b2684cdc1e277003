#pragma once
// Every message box, question and file dialog of the program goes through these two small
// interfaces. The program uses the platform dialogs; tests install their own to answer them and
// to read what was shown.
#include <QString>

class QWidget;

namespace tarnik {

// Titles of the program's message boxes.
inline const QString kTitleAssessment = QStringLiteral("Ocena ryzyka");
inline const QString kTitleWarning = QStringLiteral("Uwaga");
inline const QString kTitleNoData = QStringLiteral("Brak danych");
inline const QString kTitleError = QStringLiteral("Błąd");

// The answer to a question that can also be cancelled.
enum class Reply { Yes, No, Cancel };

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // A message with an OK button.
    virtual void message(QWidget* parent, const QString& title, const QString& text) = 0;
    // A question with the buttons Yes and No (no Cancel); true for Yes.
    virtual bool question(QWidget* parent, const QString& title, const QString& text) = 0;
    // A question with the buttons "Tak", "Nie" and "Anuluj"; Escape and the close box cancel.
    virtual Reply questionWithCancel(QWidget* parent, const QString& title,
                                     const QString& text) = 0;
};

class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // The chosen file name as the user typed or picked it, or an empty text when cancelled.
    // `filter` is in the form "opis|wzorzec|opis|wzorzec".
    virtual QString openFileName(QWidget* parent, const QString& title, const QString& filter) = 0;
    // The same, offering `suggested` (a full path): its name selected, its folder shown.
    virtual QString openFileNameAt(QWidget* parent, const QString& title, const QString& filter,
                                   const QString& suggested) {
        Q_UNUSED(suggested);
        return openFileName(parent, title, filter);
    }
    // `defaultSuffix` (without the dot), when given, is added to a name typed without an
    // extension before the dialog checks it, so that the question before replacing a file comes
    // for "ocena1" as for "ocena1.trk".
    virtual QString saveFileName(QWidget* parent, const QString& title, const QString& filter,
                                 const QString& defaultSuffix = {}) = 0;
    // The same, offering `suggested` (a full path): its name to accept and its folder to look in.
    virtual QString saveFileNameAt(QWidget* parent, const QString& title, const QString& filter,
                                   const QString& suggested, const QString& defaultSuffix = {}) {
        Q_UNUSED(suggested);
        return saveFileName(parent, title, filter, defaultSuffix);
    }
    // A folder to work in, the dialog starting in `start`; an empty text when cancelled.
    virtual QString folderName(QWidget* parent, const QString& title, const QString& start) = 0;
};

// The ones in use: the platform's unless a test has installed its own.
MessageBoxes& messageBoxes();
FileDialogs& fileDialogs();
// Installs replacements (nullptr restores the platform ones). The caller keeps ownership.
void setMessageBoxes(MessageBoxes* boxes);
void setFileDialogs(FileDialogs* dialogs);

// Shortcuts for the common cases.
inline void showMessage(QWidget* parent, const QString& title, const QString& text) {
    messageBoxes().message(parent, title, text);
}
inline bool askYesNo(QWidget* parent, const QString& title, const QString& text) {
    return messageBoxes().question(parent, title, text);
}
inline Reply askYesNoCancel(QWidget* parent, const QString& title, const QString& text) {
    return messageBoxes().questionWithCancel(parent, title, text);
}

// The assessment file filter, its extension as the save dialog adds it, and the same rendered for
// Qt's dialogs: "pliki typu (*.trk)|*.trk|wszystkie pliki|*.*" gives "pliki typu (*.trk);;wszystkie
// pliki (*)".
inline const QString kTrkFilter = QStringLiteral("pliki typu (*.trk)|*.trk|wszystkie pliki|*.*");
inline const QString kTrkSuffix = QStringLiteral("trk");
QString qtFileFilter(const QString& filter);
// The suffix of one of the toolkit's name filters, from its first pattern ("Dokument Word
// (*.docx)" gives "docx"); empty for "*" and for patterns that are not "*.suffix".
QString filterSuffix(const QString& qtFilter);

// A file name typed without an extension gets ".trk"; a name with one keeps it.
QString withTrkExtension(const QString& fileName);

} // namespace tarnik
