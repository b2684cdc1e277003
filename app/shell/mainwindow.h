#pragma once
// The program's main window: it owns the document and the wizard's page order, builds the menu,
// and runs the start-up preparation when it is created and the start-up steps of its first
// showing (the reference lists, then the file named on the command line).
#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>

#include "app/document/document.h"
#include "app/shell/loadsequence.h"
#include "app/wizard/wizardpage.h"
#include "core/report/printoptions.h"
#include "core/rules/reflists/reflists.h"

class QAction;

namespace tarnik {

class AboutWindow;
class CompareCommand;
class ComparisonWindow;
class DocumentCommands;
class RecentFiles;
class HelpWindow;
class PickerService;
class PrintCommand;
class RegisterWindow;
class NextAssessmentCommand;
class SettingsStore;
class TForm8;
class Wizard;

struct MainWindowOptions {
    // The folder of the data files (questions, catalogues, reference lists, help); empty: the
    // program directory (see programDirectory()).
    QString programDir;
    // The executable the file association opens; empty: this program.
    QString executable;
    // The store of the start-up values; null: the user's settings (QtSettingsStore).
    SettingsStore* settings = nullptr;
    // Write the file association of ".trk" files at start-up.
    bool registerFileType = true;
    // Let the desktop refresh its caches after the association changed.
    bool refreshDesktopCaches = false;
    // Questions and catalogues for a new assessment; null: the program's loading sequence.
    LoadSequence loadSequence;
    // The assessment to open when the window is first shown (the command-line argument).
    QString fileToOpen;
};

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(MainWindowOptions options = {}, QWidget* parent = nullptr);
    ~MainWindow() override;

    Document& document() { return document_; }
    Wizard& wizard() const { return *wizard_; }
    DocumentCommands& commands() const { return *commands_; }
    RecentFiles& recentFiles() const { return *recentFiles_; }
    const QString& programDir() const { return options_.programDir; }

    // The services the pages share.
    ReferenceLists& referenceLists() { return referenceLists_; }
    PickerService& picker() const { return *picker_; }
    PrintCommand& printCommand() const { return *printCommand_; }

    // The help window (created on first use) and the about window.
    HelpWindow* helpWindow();
    AboutWindow* aboutWindow() const { return about_; }
    // F1: the help topic of the focused control (or of the page it lies on).
    void showContextHelp();

    // The print commands of the "Plik" menu: "Drukuj", "Podgląd wydruku...", "Eksportuj do
    // PDF...". Items whose commands are still to come stay disabled.
    QAction* printAction() const { return print_; }
    QAction* previewAction() const { return preview_; }
    QAction* exportPdfAction() const { return exportPdf_; }
    QAction* exportDocumentAction() const { return exportDocument_; }
    QAction* exportPlanAction() const { return exportPlan_; }
    QAction* optionsAction() const { return options_action_; }

    // The print options, loaded from the settings store at start-up.
    PrintOptions& printOptions() { return printOptions_; }
    // "Właściwości" → "Opcje...": the options dialog; afterwards both charts take its font.
    void showOptions();
    QAction* editorAction() const { return editor_; }
    // "Właściwości" → "Edytor...": the catalogue editor, made on first use and kept with its
    // state, shown modally.
    void showCatalogueEditor();
    TForm8* catalogueEditor();
    // "Plik" → "Rejestr ocen...": the register window, made on first use.
    RegisterWindow* registerWindow();
    QAction* registerAction() const { return register_; }
    QAction* nextAssessmentAction() const { return nextAssessment_; }
    NextAssessmentCommand& nextAssessmentCommand() const { return *nextAssessmentCommand_; }
    void showRegister();

    // "Plik" → "Porównaj z...": the open assessment, unsaved changes included, compared with an
    // assessment file, in the comparison window (one, kept by the main window).
    QAction* compareAction() const { return compare_; }
    CompareCommand& compareCommand() const { return *compare_command_; }
    // The comparison of two assessments, `older` as the previous one (assessedBefore tells which
    // of two is the earlier).
    void showComparison(const Assessment& older, const Assessment& newer);
    // The comparison of two assessment files, the earlier one as the previous; false, with the
    // message shown, when either cannot be read whole.
    bool compareFiles(const QString& a, const QString& b);
    // The comparison window, null until the first comparison.
    ComparisonWindow* comparisonWindow() const;

private:
    // A command of the register window that fills the document (opening a file, the next
    // assessment), under the general error handler; the main window comes forward when it did.
    void fillFromRegister(const std::function<bool()>& command);

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildPages();
    void buildMenu();
    // First showing: the reference lists, then the command-line file.
    void firstShown();
    // The reference lists of "podpowiedzi.txt" for the pickers; a missing or unreadable file
    // leaves them as they are, without a message.
    void loadReferenceLists();
    // The first size of the window: what the pages ask for, within the screen and 1280 x 720.
    void fitToScreen();

    MainWindowOptions options_;
    std::unique_ptr<SettingsStore> ownSettings_;
    Document document_;
    Wizard* wizard_ = nullptr;
    ReferenceLists referenceLists_;
    PickerService* picker_ = nullptr;
    PrintCommand* printCommand_ = nullptr;
    std::unique_ptr<PageContext> pageContext_;
    DocumentCommands* commands_ = nullptr;
    RecentFiles* recentFiles_ = nullptr;
    HelpWindow* help_ = nullptr;
    AboutWindow* about_ = nullptr;
    TForm8* catalogueEditor_ = nullptr;
    QAction* print_ = nullptr;
    QAction* preview_ = nullptr;
    QAction* exportPdf_ = nullptr;
    QAction* exportDocument_ = nullptr;
    QAction* exportPlan_ = nullptr;
    QAction* options_action_ = nullptr;
    QAction* editor_ = nullptr;
    QAction* register_ = nullptr;
    QAction* nextAssessment_ = nullptr;
    NextAssessmentCommand* nextAssessmentCommand_ = nullptr;
    QAction* compare_ = nullptr;
    CompareCommand* compare_command_ = nullptr;
    RegisterWindow* registerWindow_ = nullptr;
    bool shownOnce_ = false;
    PrintOptions printOptions_;
};

} // namespace tarnik
