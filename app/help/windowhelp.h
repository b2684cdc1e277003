#pragma once
// F1 in the program's other windows: the print dialogs, the progress window, the options and
// the catalogue editor. The main window answers F1 with its own shortcut; in any other window
// the topic is that of the focused control or of the window. A modal window blocks input to
// every window but its own children, so its help opens as a child window of the modal window.
#include <QObject>
#include <QPointer>
#include <functional>

class QWidget;

namespace tarnik {

class HelpWindow;

// Topic numbers of the print, editor, register and comparison windows.
inline constexpr int kHelpPrintRange = 19000;
inline constexpr int kHelpPrintProgress = 19010;
inline constexpr int kHelpPrintDialog = 19020;
inline constexpr int kHelpPrintPreview = 19030;
inline constexpr int kHelpOptions = 19100;
inline constexpr int kHelpCatalogueEditor = 19200;
inline constexpr int kHelpRegister = 19300;
inline constexpr int kHelpRegisterFolder = 19310;
inline constexpr int kHelpRegisterSearch = 19320;
inline constexpr int kHelpRegisterHistory = 19330;
inline constexpr int kHelpRegisterExport = 19340;
inline constexpr int kHelpNextAssessment = 19500;
inline constexpr int kHelpComparison = 19400;
inline constexpr int kHelpComparisonOutput = 19410;

// Registers the topics of the windows above.
void registerWindowHelpTopics();

class WindowHelp : public QObject {
    Q_OBJECT
public:
    // `mainWindow` keeps F1 for itself; `mainHelp` gives the help window of the main window;
    // `helpDir` is the folder of the help pages.
    WindowHelp(QWidget* mainWindow, std::function<HelpWindow*()> mainHelp, QString helpDir,
               QObject* parent = nullptr);

    // Shows the help for the focused control of `window` (a window other than the main one),
    // and returns the help window used.
    HelpWindow* showFor(QWidget* window, QWidget* focus);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> mainWindow_;
    std::function<HelpWindow*()> mainHelp_;
    QString helpDir_;
};

} // namespace tarnik
