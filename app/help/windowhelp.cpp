#include "app/help/windowhelp.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QWidget>

#include "app/help/helpcontext.h"
#include "app/help/helptopics.h"
#include "app/help/helpwindow.h"

namespace tarnik {

void registerWindowHelpTopics() {
    registerHelpTopics({{kHelpPrintRange, "drukowanie.html#zakres"},
                        {kHelpPrintProgress, "drukowanie.html#postep"},
                        {kHelpPrintDialog, "drukowanie.html#drukuj"},
                        {kHelpPrintPreview, "drukowanie.html#podglad"},
                        {kHelpOptions, "drukowanie.html#opcje"},
                        {kHelpCatalogueEditor, "edytor.html"},
                        {kHelpRegister, "rejestr.html"},
                        {kHelpRegisterFolder, "rejestr.html#folder"},
                        {kHelpRegisterSearch, "rejestr.html#szukaj"},
                        {kHelpRegisterHistory, "rejestr.html#historia"},
                        {kHelpRegisterExport, "rejestr.html#eksport"},
                        {kHelpNextAssessment, "nawigacja.html#nastepna"},

                        {kHelpComparison, "porownanie.html"},
                        {kHelpComparisonOutput, "porownanie.html#drukowanie"}});
}

WindowHelp::WindowHelp(QWidget* mainWindow, std::function<HelpWindow*()> mainHelp, QString helpDir,
                       QObject* parent)
    : QObject(parent), mainWindow_(mainWindow), mainHelp_(std::move(mainHelp)),
      helpDir_(std::move(helpDir)) {
    registerWindowHelpTopics();
}

HelpWindow* WindowHelp::showFor(QWidget* window, QWidget* focus) {
    HelpWindow* help = nullptr;
    if (QWidget* modal = QApplication::activeModalWidget()) {
        help = modal->findChild<HelpWindow*>(QString(), Qt::FindDirectChildrenOnly);
        if (!help) {
            help = new HelpWindow(helpDir_, modal);
            // A window the dialog keeps for later showings takes its help away when it closes.
            if (auto* dialog = qobject_cast<QDialog*>(modal))
                connect(dialog, &QDialog::finished, help, &QWidget::close);
        }
    } else {
        help = mainHelp_();
    }
    const int context = effectiveHelpContext(focus ? focus : window);
    help->showContext(context ? context : helpContext(window));
    return help;
}

bool WindowHelp::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_F1 || key->modifiers() != Qt::NoModifier) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget) return false;
    QWidget* window = widget->window();
    // The main window has its shortcut; a help window has nothing to explain.
    if (window == mainWindow_ || qobject_cast<HelpWindow*>(window)) return false;
    showFor(window, widget);
    return true;
}

} // namespace tarnik
