#pragma once
// The base of every wizard page. A page is a widget of its own with a bold heading; it fills its
// controls from the assessment each time it is shown (loadFromModel) and writes every edit
// straight back into the assessment, marking the document changed where the edit counts.
//
// Adding a page's content: derive from WizardPage (each page already has its class in
// app/pages/), build the controls into content() in the constructor, override loadFromModel()
// to fill them and connect their change signals to handlers that write the model. Handlers
// ignore changes while loading() is true, and a handler that calls code able to throw (files,
// conversions) is connected through guard().
//
// The wizard tells a page why it is shown or left (PageReason): pageShown()/pageHidden() are the
// page's show and hide events. A page that keeps an edit in its controls until it is left (the
// open measurement card) stores it in storePendingEdit(), which the wizard calls before Next,
// saving, the "Zapisać zmiany?" question and printing; when the document is replaced the page is
// left with PageReason::Reset and must then store nothing, and documentReset() drops everything
// that points into the old assessment.
#include <QString>
#include <QWidget>
#include <initializer_list>
#include <utility>

#include "app/platform/errorhandler.h"

class QVBoxLayout;
class QLabel;

namespace tarnik {

class Document;
class PickerService;
class PrintCommand;
class Wizard;
struct Assessment;
struct ReferenceLists;

// Why a page is shown or left.
enum class PageReason {
    // Next, Back, or the program choosing a page.
    Navigation,
    // The reference-list page stands in for the calling page while the user picks an entry, and
    // returns to it afterwards.
    Picker,
    // Printing shows every page once so that each brings its values up to date, then returns
    // to the page it started from.
    PrintWalk,
    // The document is being cleared and refilled (New, Open, the start-up open). A page left
    // for this reason stores nothing: the assessment it would store into is going away.
    Reset,
};

// What a page may use: the document, the wizard's buttons and page order, the program folder,
// and the services the main window holds for every page.
struct PageContext {
    Document& document;
    Wizard& wizard;
    QString programDir;
    // The reference lists of "podpowiedzi.txt", loaded when the window is first shown.
    ReferenceLists& referenceLists;
    // Opens a reference list for the calling page and brings the chosen entry back.
    PickerService& picker;
    // The print command ("Drukuj", "Drukuj Ocenę").
    PrintCommand& print;
};

class WizardPage : public QWidget {
    Q_OBJECT
public:
    // `helpPage` is the help file that explains the page (F1 on a control without a topic of
    // its own opens it).
    WizardPage(PageContext& ctx, const QString& heading, const QString& helpPage,
               QWidget* parent = nullptr);

    const QString& heading() const { return heading_; }
    const QString& helpPage() const { return helpPage_; }

    // Called by the wizard when the page becomes the active one: loadFromModel() with change
    // handlers quiet, then pageShown(). A page that keeps its edit while a picker stands in
    // for it ignores the picker's return.
    void enter(PageReason why);
    // Called by the wizard when the page stops being the active one: pageHidden(), except when
    // the page keeps its edit while a picker stands in for it.
    void leave(PageReason why);

    // The wizard asks before Next leaves the page; false keeps the user here (the page has shown
    // why).
    virtual bool mayLeaveForward() { return true; }
    // The same before Back leaves the page.
    virtual bool mayLeaveBackward() { return true; }
    // Stores an edit that the page keeps in its controls (the open measurement card) into the
    // assessment. A page with nothing pending does nothing. May throw (a conversion error): the
    // action that asked stops.
    virtual void storePendingEdit() {}
    // The assessment is about to be cleared or replaced: forget every pointer into it, without
    // storing anything.
    virtual void documentReset() {}
    // True for a page that ignores its own leaving and showing while the reference-list page
    // stands in for it (the picker flag), so that its controls and its edit in progress are
    // still there when the picker returns.
    virtual bool keepsEditDuringPicker() const { return false; }

    // Whether this is the active page of the wizard.
    bool isCurrent() const;

protected:
    // Fills the controls from the assessment.
    virtual void loadFromModel() {}
    // What else happens when the page is shown (button states ...).
    virtual void pageShown(PageReason) {}
    // The page's hide event.
    virtual void pageHidden(PageReason) {}

    // The area below the heading.
    QVBoxLayout* content() const { return content_; }
    Assessment& model() const;
    Document& document() const { return ctx_.document; }
    Wizard& wizard() const { return ctx_.wizard; }
    const QString& programDir() const { return ctx_.programDir; }
    PageContext& context() const { return ctx_; }
    // SetSaved(false), unless the page is filling its controls.
    void markChanged();
    // True while loadFromModel() runs: change handlers then leave the model alone.
    bool loading() const { return loading_ > 0; }

    // A handler that runs f under the general error handler: an error is shown over the window
    // and the handler stops there.
    template <class F> auto guard(F f) {
        return [this, f = std::move(f)](auto&&...) { runGuarded(f, window()); };
    }

    // Registers the help topics of the page's controls: context number and "page.html#section".
    static void registerHelpTopics(std::initializer_list<std::pair<int, const char*>> topics);

    // An honest note on a page whose content comes in a later step of building the program.
    void addNotYetBuiltNote();

    // Quiets the change handlers while the page fills its controls outside loadFromModel().
    class LoadingScope {
    public:
        explicit LoadingScope(WizardPage* page) : page_(page) { ++page_->loading_; }
        ~LoadingScope() { --page_->loading_; }
        LoadingScope(const LoadingScope&) = delete;
        LoadingScope& operator=(const LoadingScope&) = delete;

    private:
        WizardPage* page_;
    };

private:
    bool ignores(PageReason why) const;

    PageContext& ctx_;
    QString heading_;
    QString helpPage_;
    QVBoxLayout* content_ = nullptr;
    int loading_ = 0;
};

} // namespace tarnik
