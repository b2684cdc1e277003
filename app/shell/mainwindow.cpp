#include "app/shell/mainwindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>

#include "app/dialogs/catalogueeditor.h"
#include "app/dialogs/optionsdialog.h"
#include "app/help/helpcontext.h"
#include "app/help/helptopics.h"
#include "app/help/helpwindow.h"
#include "app/help/windowhelp.h"
#include "app/pages/cards/measurementcardpage.h"
#include "app/pages/closing/acquaintancepage.h"
#include "app/pages/closing/planpage.h"
#include "app/pages/evaluation/accidentspage.h"
#include "app/pages/evaluation/hazardcardpage.h"
#include "app/pages/evaluation/risklevelpage.h"
#include "app/pages/evaluation/supplementarypage.h"
#include "app/pages/factors/factorspage.h"
#include "app/pages/general/generaldatapage.h"
#include "app/pages/general/stationpage.h"
#include "app/pages/general/trainingpage.h"
#include "app/pages/reflists/referencelistspage.h"
#include "app/pages/safety/safetypage.h"
#include "app/pages/workers/workerspage.h"
#include "app/platform/appicon.h"
#include "app/platform/datafolders.h"
#include "app/platform/errorhandler.h"
#include "app/platform/pathutil.h"
#include "app/platform/qtsettingsstore.h"
#include "app/platform/startupvalues.h"
#include "app/print/printcommand.h"
#include "app/reassessment/comparecommand.h"
#include "app/reassessment/nextassessmentcommand.h"
#include "app/register/registerindex.h"
#include "app/register/registerwindow.h"
#include "app/shell/aboutwindow.h"
#include "app/shell/application.h"
#include "app/shell/documentcommands.h"
#include "app/shell/recentfiles.h"
#include "app/wizard/pickerservice.h"
#include "app/wizard/wizard.h"

namespace tarnik {

MainWindow::MainWindow(MainWindowOptions options, QWidget* parent)
    : QMainWindow(parent), options_(std::move(options)) {
    if (options_.programDir.isEmpty()) options_.programDir = programDirectory();
    if (options_.executable.isEmpty())
        options_.executable = QCoreApplication::applicationFilePath();
    if (!options_.settings) {
        ownSettings_ = std::make_unique<QtSettingsStore>();
        options_.settings = ownSettings_.get();
    }
    if (!options_.loadSequence) options_.loadSequence = defaultLoadSequence();

    setWindowIcon(QIcon(QPixmap::fromImage(drawProgramIcon(64))));
    connect(&document_, &Document::captionChanged, this, &QWidget::setWindowTitle);

    wizard_ = new Wizard(this);
    setCentralWidget(wizard_);
    picker_ = new PickerService(*wizard_, this);
    printCommand_ = new PrintCommand(*wizard_, this);
    printCommand_->setDocument(document_, printOptions_, this);
    pageContext_ = std::make_unique<PageContext>(PageContext{
        document_, *wizard_, options_.programDir, referenceLists_, *picker_, *printCommand_});
    buildPages();
    commands_ =
        new DocumentCommands(document_, *wizard_, options_.loadSequence, options_.programDir, this);
    recentFiles_ = new RecentFiles(options_.settings, this);
    commands_->setRecentFiles(recentFiles_);
    nextAssessmentCommand_ = new NextAssessmentCommand(document_, *commands_, this);
    compare_command_ =
        new CompareCommand(document_, *wizard_, printCommand_->printer(), printOptions_, this);
    buildMenu();
    about_ = new AboutWindow(this);
    // F1 in the dialogs and the progress window, which the window's own shortcut does not reach.
    qApp->installEventFilter(new WindowHelp(
        this, [this] { return helpWindow(); }, options_.programDir + QStringLiteral("/help"),
        this));

    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    f1->setContext(Qt::WindowShortcut);
    connect(f1, &QShortcut::activated, this, [this] { showContextHelp(); });

    // The start-up preparation: first page, untitled and saved, the stored values and the file
    // association, then the questions and catalogues and today's date.
    wizard_->showPage(kPageGeneralData);
    document_.setCurrentFileName({});
    document_.setUntitledCaption();
    document_.SetSaved(true);
    writeStartupValues(*options_.settings, options_.programDir);
    if (options_.registerFileType)
        registerFileAssociation(options_.executable, {}, options_.refreshDesktopCaches);
    commands_->prepareAtStartup();
    // The options dialog's values, as the dialog loads them when the windows are created.
    printOptions_.WczytajOpcjeZRejestru(*options_.settings);

    fitToScreen();
}

MainWindow::~MainWindow() {
    // The pages work on the document, which goes before the window's children: they go first,
    // so that no handler of theirs (a field left as the window closes) meets a document that is
    // gone.
    delete wizard_;
}

void MainWindow::buildPages() {
    PageContext& ctx = *pageContext_;
    const QList<WizardPage*> pages = {
        new GeneralDataPage(ctx),   new StationPage(ctx),       new TrainingPage(ctx),
        new WorkersPage(ctx),       new FactorsPage(ctx),       new MeasurementCardPage(ctx),
        new HazardCardPage(ctx),    new SafetyPage(ctx),        new AccidentsPage(ctx),
        new SupplementaryPage(ctx), new RiskLevelPage(ctx),     new PlanPage(ctx),
        new AcquaintancePage(ctx),  new ReferenceListsPage(ctx)};
    for (WizardPage* p : pages)
        wizard_->addPage(p);
}

void MainWindow::fitToScreen() {
    // The largest page, the buttons below it and the menu above.
    const int buttons = wizard_->nextButton()->sizeHint().height() + 14;
    QSize want = wizard_->preferredPageSize() + QSize(0, buttons + menuBar()->sizeHint().height());
    // The room of the design, and never more than a 1280 x 720 screen holds with the window's
    // frame and title bar.
    QSize most(1280 - 16, 720 - 48);
    QRect screen(0, 0, 1280, 720);
    if (const QScreen* s = QGuiApplication::primaryScreen()) {
        screen = s->availableGeometry();
        most = most.boundedTo(screen.size() - QSize(16, 48));
    }
    want = want.expandedTo(QSize(779, 552 + menuBar()->sizeHint().height())).boundedTo(most);
    // Smaller than that the pages scroll.
    setMinimumSize(QSize(640, 420).boundedTo(most));
    resize(want);
    move(screen.left() + (screen.width() - width()) / 2,
         screen.top() + (screen.height() - height()) / 2);
}

void MainWindow::buildMenu() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&Plik"));
    QAction* newAct = file->addAction(QStringLiteral("&Nowy"));
    newAct->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    nextAssessment_ = file->addAction(QStringLiteral("Nowa o&cena na podstawie poprzedniej..."));
    QAction* open = file->addAction(QStringLiteral("&Otwórz..."));
    open->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    QAction* save = file->addAction(QStringLiteral("&Zapisz"));
    save->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    QAction* saveAs = file->addAction(QStringLiteral("Zapisz &jako..."));
    file->addSeparator();
    QMenu* recentMenu = new RecentFilesMenu(QStringLiteral("Ostatnio &otwierane"), file);
    file->addMenu(recentMenu);
    connect(recentMenu, &QMenu::aboutToShow, this,
            [this, recentMenu] { recentFiles_->fillMenu(recentMenu); });
    connect(recentFiles_, &RecentFiles::chosen, this, [this](const QString& path) {
        runGuarded([this, &path] { commands_->openRecent(path); }, this);
    });
    file->addSeparator();
    compare_ = file->addAction(QStringLiteral("Poró&wnaj z..."));
    file->addSeparator();
    print_ = file->addAction(QStringLiteral("&Drukuj"));
    print_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    preview_ = file->addAction(QStringLiteral("&Podgląd wydruku..."));
    exportPdf_ = file->addAction(QStringLiteral("&Eksportuj do PDF..."));
    exportDocument_ = file->addAction(QStringLiteral("Eksportuj do dok&umentu..."));
    exportPlan_ = file->addAction(QStringLiteral("Eksportuj p&lan (.xlsx)..."));
    file->addSeparator();
    register_ = file->addAction(QStringLiteral("&Rejestr ocen..."));
    register_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    file->addSeparator();
    QAction* quit = file->addAction(QStringLiteral("&Koniec"));

    QMenu* props = menuBar()->addMenu(QStringLiteral("&Właściwości"));
    options_action_ = props->addAction(QStringLiteral("&Opcje..."));
    editor_ = props->addAction(QStringLiteral("&Edytor..."));

    QMenu* help = menuBar()->addMenu(QStringLiteral("P&omoc"));
    QAction* contents = help->addAction(QStringLiteral("&Spis treści"));
    help->addSeparator();
    QAction* about = help->addAction(QStringLiteral("O &programie..."));

    connect(newAct, &QAction::triggered, this, guarded([this] { commands_->New(); }));
    connect(nextAssessment_, &QAction::triggered, this,
            guarded([this] { nextAssessmentCommand_->run(); }));
    connect(open, &QAction::triggered, this, guarded([this] { commands_->Open(); }));
    connect(save, &QAction::triggered, this, guarded([this] { commands_->Save(); }));
    connect(saveAs, &QAction::triggered, this, guarded([this] { commands_->SaveAs(); }));
    connect(print_, &QAction::triggered, printCommand_, &PrintCommand::run);
    connect(preview_, &QAction::triggered, printCommand_, &PrintCommand::preview);
    connect(exportPdf_, &QAction::triggered, printCommand_, &PrintCommand::exportPdf);
    connect(exportDocument_, &QAction::triggered, printCommand_, &PrintCommand::exportDocument);
    connect(exportPlan_, &QAction::triggered, printCommand_, &PrintCommand::exportPlan);
    connect(compare_, &QAction::triggered, this,
            guarded([this] { compare_command_->compareWithFile(); }));
    connect(register_, &QAction::triggered, this, guarded([this] { showRegister(); }));
    connect(quit, &QAction::triggered, this, &QWidget::close);
    connect(options_action_, &QAction::triggered, this, guarded([this] { showOptions(); }));
    connect(editor_, &QAction::triggered, this, guarded([this] { showCatalogueEditor(); }));
    connect(contents, &QAction::triggered, this, [this] { helpWindow()->showContents(); });
    connect(about, &QAction::triggered, this, [this] { about_->showAtCursor(); });
}

void MainWindow::showOptions() {
    TOpcje dialog(printOptions_, *options_.settings, this);
    dialog.exec();
    // The charts on screen; the report takes the face from the print options.
    document_.evaluation().setChartFontFace(dialog.fontFace().toStdString());
}

TForm8* MainWindow::catalogueEditor() {
    if (!catalogueEditor_) {
        catalogueEditor_ = new TForm8(options_.programDir, this);
        // A missing help text is reported; the editor opens with an empty text.
        runGuarded([this] { catalogueEditor_->start(); }, this);
    }
    return catalogueEditor_;
}

void MainWindow::showCatalogueEditor() {
    catalogueEditor()->exec();
}

RegisterWindow* MainWindow::registerWindow() {
    if (!registerWindow_) {
        registerWindow_ = new RegisterWindow(*options_.settings, defaultRegisterIndexFile(), this);
        connect(registerWindow_, &RegisterWindow::openRequested, this,
                [this](const QString& fileName) {
                    fillFromRegister([&] { return commands_->openFile(fileName); });
                });
        connect(registerWindow_, &RegisterWindow::nextAssessmentRequested, this,
                [this](const QString& previousFile) {
                    fillFromRegister([&] { return nextAssessmentCommand_->runFrom(previousFile); });
                });
        connect(registerWindow_, &RegisterWindow::compareRequested, this,
                [this](const QString& older, const QString& newer) {
                    runGuarded([&] { compareFiles(older, newer); }, this);
                });
        connect(commands_, &DocumentCommands::saved, registerWindow_, &RegisterWindow::fileSaved);
    }
    return registerWindow_;
}

void MainWindow::fillFromRegister(const std::function<bool()>& command) {
    runGuarded(
        [&] {
            // The document the user asked for is in front of the register.
            if (command()) {
                raise();
                activateWindow();
            }
        },
        this);
}

void MainWindow::showRegister() {
    const bool first = !registerWindow_;
    RegisterWindow* w = registerWindow();
    w->show();
    w->raise();
    w->activateWindow();
    // The first showing reads the folder kept in the settings, or asks for one.
    if (first) {
        if (w->folder().isEmpty())
            w->chooseFolder();
        else
            w->rescan();
    }
}

void MainWindow::showComparison(const Assessment& older, const Assessment& newer) {
    compare_command_->showComparison(older, newer);
}

bool MainWindow::compareFiles(const QString& a, const QString& b) {
    return compare_command_->compareFiles(a, b);
}

ComparisonWindow* MainWindow::comparisonWindow() const {
    return compare_command_->comparisonWindow();
}

HelpWindow* MainWindow::helpWindow() {
    if (!help_) help_ = new HelpWindow(options_.programDir + QStringLiteral("/help"), this);
    return help_;
}

void MainWindow::showContextHelp() {
    QWidget* focus = QApplication::focusWidget();
    const int context = effectiveHelpContext(focus);
    if (!helpTopicUrl(context).isEmpty()) {
        helpWindow()->showContext(context);
        return;
    }
    // A control without a topic of its own: the page it lies on.
    if (WizardPage* page = wizard_->currentPage())
        helpWindow()->showTopic(page->helpPage());
    else
        helpWindow()->showContents();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // "Zapisać zmiany?"; "Anuluj", a cancelled save dialog or a save that fails keep the window
    // open with the document in it.
    bool goOn = false;
    if (!runGuarded([this, &goOn] { goOn = commands_->askToSave(); }, this) || !goOn) {
        event->ignore();
        return;
    }
    if (help_) help_->close();
    about_->close();
    event->accept();
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (shownOnce_) return;
    shownOnce_ = true;
    // After the window has appeared, so that any message stands over it.
    QTimer::singleShot(0, this, [this] { firstShown(); });
}

void MainWindow::firstShown() {
    loadReferenceLists();
    if (!options_.fileToOpen.isEmpty())
        runGuarded([this] { commands_->openAtStartup(options_.fileToOpen); }, this);
}

void MainWindow::loadReferenceLists() {
    readReferenceLists(
        toPath(dataFileToRead(options_.programDir, QString::fromUtf8(kReferenceListsFileName))),
        referenceLists_);
}

} // namespace tarnik
