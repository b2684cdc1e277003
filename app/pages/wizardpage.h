#pragma once
// The base of every wizard page. A page is a widget of its own with a bold heading; it fills its
// controls from the assessment each time it is shown (loadFromModel) and writes every edit
// straight back into the assessment, marking the document changed where the edit counts.
//
// Adding a page's content: derive from WizardPage (each page already has its class in
// app/pages/), build the controls into content() in the constructor, override loadFromModel()
// to fill them and connect their change signals to handlers that write the model. Handlers
// ignore changes while loading() is true. pageShown()/pageHidden() are the page's show and hide
// events; documentReset() drops anything that points into the assessment before it is cleared.
#include <QString>
#include <QWidget>

class QVBoxLayout;
class QLabel;

namespace tarnik {

class Document;
class Wizard;
struct Assessment;

// What a page may use: the document, the wizard's buttons and page order, the program folder.
struct PageContext {
    Document& document;
    Wizard& wizard;
    QString programDir;
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
    // handlers quiet, then pageShown().
    void enter();

    // The page stops being the active one (its hide event).
    virtual void pageHidden() {}
    // The assessment is about to be cleared or replaced: forget every pointer into it, without
    // storing anything.
    virtual void documentReset() {}
    // Stores an edit that the page keeps in its controls until it is left (the open measurement
    // card). Called before the wizard checks whether it may go on.
    virtual void commitPending() {}

protected:
    // Fills the controls from the assessment.
    virtual void loadFromModel() {}
    // What else happens when the page is shown (button states ...).
    virtual void pageShown() {}

    // The area below the heading.
    QVBoxLayout* content() const { return content_; }
    Assessment& model() const;
    Document& document() const { return ctx_.document; }
    Wizard& wizard() const { return ctx_.wizard; }
    const QString& programDir() const { return ctx_.programDir; }
    // SetSaved(false), unless the page is filling its controls.
    void markChanged();
    // True while loadFromModel() runs: change handlers then leave the model alone.
    bool loading() const { return loading_ > 0; }

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
    PageContext& ctx_;
    QString heading_;
    QString helpPage_;
    QVBoxLayout* content_ = nullptr;
    int loading_ = 0;
};

} // namespace tarnik
