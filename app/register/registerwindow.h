#pragma once
// "Rejestr ocen": every assessment file of a folder (and its subfolders) in one table, with what
// is overdue or due soon, a search field and the due-date filters, the history of the selected
// station, and the exports of the rows shown as a calendar and as a spreadsheet table.
//
// The folder is scanned off the user-interface thread through the index; the folder is kept in
// the settings. Opening a file is asked of the main window (openRequested), which asks about
// unsaved changes as "Otwórz..." does.
#include <QString>
#include <QWidget>
#include <memory>
#include <vector>

#include "core/register/registerrow.h"

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTableView;

namespace tarnik {

class RegisterDetail;
class RegisterFilter;
class RegisterIndex;
class RegisterModel;
class RegisterScanner;
class SettingsStore;

// The settings value that keeps the register's folder.
inline constexpr const char* kRegisterFolderSetting = "RejestrFolder";

class RegisterWindow : public QWidget {
    Q_OBJECT
public:
    // The index lives in `indexFile`; the folder is read from and kept in `settings`.
    RegisterWindow(SettingsStore& settings, QString indexFile, QWidget* parent = nullptr);
    ~RegisterWindow() override;

    QString folder() const { return folder_; }
    // Shows the folder and scans it (the setting is written too).
    void setFolder(const QString& folder);
    // "Odśwież": scans the folder again (only new and changed files are read).
    void rescan();
    // "Zmień folder...": the folder dialog, then a scan of the chosen folder.
    void chooseFolder();
    // The main window saved `fileName`: its row is read again when it lies in the folder.
    void fileSaved(const QString& fileName);
    // Shows these rows as if a scan had given them (a scan in progress is cancelled).
    void setRows(std::vector<RegisterRow> rows);

    // The rows shown, in the order shown.
    std::vector<RegisterRow> shownRows() const;
    // The exports of the rows shown, each through the save dialog; false when nothing was
    // written.
    bool exportCalendar();
    bool exportTable();
    // Opens the file of the current row in the main window.
    void openCurrent();

    // The parts, for tests.
    RegisterModel& model() const { return *model_; }
    RegisterFilter& filter() const { return *filter_; }
    QTableView* view() const { return view_; }
    RegisterDetail* detail() const { return detail_; }
    QLineEdit* searchField() const { return search_; }
    QRadioButton* allFilter() const { return all_; }
    QRadioButton* overdueFilter() const { return overdue_; }
    QRadioButton* soonFilter() const { return soon_; }
    QLabel* countLabel() const { return count_; }
    QProgressBar* progressBar() const { return progress_; }
    QPushButton* cancelButton() const { return cancel_; }
    RegisterScanner& scanner() const { return *scanner_; }

signals:
    // The user asked to open this assessment (an absolute path).
    void openRequested(const QString& fileName);
    // "Nowa ocena..." of a station's history: the next assessment from this file (absolute).
    void nextAssessmentRequested(const QString& previousFile);
    // "Porównaj" of a station's history: the two files (absolute), the older first.
    void compareRequested(const QString& olderFile, const QString& newerFile);
    // A scan ended (finished, cancelled or failed).
    void scanEnded();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void scanning(bool on);
    void updateCount();
    void showDetail();
    bool writeExport(const QString& title, const QString& filter, const QString& suffix,
                     const std::string& bytes);
    QString relativeName(const QString& fileName) const;

    SettingsStore& settings_;
    QString indexFile_;
    QString folder_;
    RegisterModel* model_ = nullptr;
    RegisterFilter* filter_ = nullptr;
    RegisterScanner* scanner_ = nullptr;
    std::unique_ptr<RegisterIndex> index_; // the saved files' rows, on this thread
    std::vector<QString> pendingSaves_;    // saved while a scan ran
    QLabel* folderLabel_ = nullptr;
    QLineEdit* search_ = nullptr;
    QRadioButton* all_ = nullptr;
    QRadioButton* overdue_ = nullptr;
    QRadioButton* soon_ = nullptr;
    QTableView* view_ = nullptr;
    RegisterDetail* detail_ = nullptr;
    QLabel* count_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QPushButton* refresh_ = nullptr;
    QPushButton* change_ = nullptr;
};

} // namespace tarnik
