#pragma once
// The catalogue editor "Edytor" (menu "Właściwości" → "Edytor..."): a plain-text editor over the
// five factor catalogues and the safety questions: the user's changed copies when there are any,
// else the shipped ones in the program's data folder; a save writes the user's copy (see
// datafolders.h). The window is made once and keeps its state between showings; what it decides
// comes from CatalogueEditorSession.
#include <QDialog>
#include <QString>
#include <memory>

#include "core/rules/factors/editorsession.h"

class QComboBox;
class QPlainTextEdit;
class QPushButton;

namespace tarnik {

class TForm8 : public QDialog, private EditorView {
    Q_OBJECT
public:
    explicit TForm8(const QString& programDir, QWidget* parent = nullptr);
    ~TForm8() override;

    // The initial state: the text of "edytor.txt", editing and "Zapisz" disabled. Throws
    // FileError when the text cannot be read; the editing area is empty then.
    void start();

    // Choosing an item of the drop-down list (0 .. 5), as the user does; "Zapisz"; "Zamknij".
    // Errors (a file that cannot be read or written) are shown; the editor stays as it was.
    void chooseItem(int item);
    void saveClicked();
    void closeClicked();

    EditorState state() const { return session_->state(); }
    QComboBox* fileList() const { return files_; }
    QPushButton* saveButton() const { return save_; }
    QPushButton* closeButton() const { return close_; }
    QPlainTextEdit* textEdit() const { return text_; }

private:
    std::string text() const override;
    void showText(const std::string& text) override;
    bool isModified() const override;
    void setModified(bool modified) override;
    bool askSaveChanges() override;
    void tellEmptyFile() override;
    bool acceptLackingCharacters(const std::string& characters) override;

    // The controls follow the session's state.
    void showState();

    std::unique_ptr<CatalogueEditorSession> session_;
    QComboBox* files_ = nullptr;
    QPushButton* save_ = nullptr;
    QPushButton* close_ = nullptr;
    QPlainTextEdit* text_ = nullptr;
};

} // namespace tarnik
