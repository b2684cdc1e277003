#pragma once
// The wizard: the pages in their fixed order, one shown at a time, and the buttons "  Wstecz"
// and "Dalej  ". Each page is told why it is shown or left; Next asks the page whether it may be
// left forward. Every page lies in a scrolling area, so that a page that needs more room than
// the window gives it scrolls instead of growing the window.
#include <QList>
#include <QWidget>

#include "app/wizard/wizardpage.h"

class QPushButton;
class QStackedWidget;

namespace tarnik {

// The pages, by index.
enum PageIndex {
    kPageGeneralData = 0,
    kPageStation = 1,
    kPageTraining = 2,
    kPageWorkers = 3,
    kPageFactors = 4,
    kPageMeasurementCards = 5,
    kPageHazardCard = 6,
    kPageSafety = 7,
    kPageAccidents = 8,
    kPageSupplementary = 9,
    kPageRiskLevel = 10,
    kPagePlan = 11,
    kPageAcquaintance = 12,
    kPageReferenceLists = 13,
    kPageCount = 14,
};

// The last page reached by Next; the reference-list page after it is reached only from the
// "Wstaw..." buttons.
constexpr int kLastWizardPage = kPageAcquaintance;

class Wizard : public QWidget {
    Q_OBJECT
public:
    explicit Wizard(QWidget* parent = nullptr);

    // Appends the next page of the order. Every control of the page that a label names gets the
    // label's caption as its accessible name.
    void addPage(WizardPage* page);
    int count() const { return static_cast<int>(pages_.size()); }
    WizardPage* page(int index) const { return pages_.value(index); }
    // The one page of the given class (null when there is none).
    template <class T> T* page() const {
        for (WizardPage* p : pages_)
            if (auto* t = qobject_cast<T*>(p)) return t;
        return nullptr;
    }
    int indexOf(const WizardPage* page) const;
    WizardPage* currentPage() const { return page(current_); }
    int currentIndex() const { return current_; }

    // Makes a page the active one: the old page is left, then the new page is entered, both for
    // the given reason. Nothing happens when it already is the active page. When the old page
    // throws while it is left (a card that cannot be stored), it stays the active page.
    void showPage(int index, PageReason why = PageReason::Navigation);

    // The document is about to be cleared and refilled: the active page is left without
    // storing anything, no page is active until restart(), and every page forgets what points
    // into the assessment.
    void beginReset();
    // A new or opened document: page 0 active (its show event runs even when it already is the
    // active page), Back hidden, Next visible.
    void restart();

    // The pending-edit route: every page stores the edit it keeps in its controls (the
    // measurement card, also while a picker stands in for it). Runs before saving, the
    // "Zapisać zmiany?" question and printing.
    void storePendingEdit();

    // The walk of printing: every page after the active one and then the first page is shown
    // once, in order, so that each brings its values up to date; then the page it started from
    // is active again and Back and Next are visible as they were.
    void walkPages();

    // The buttons. Next asks the active page whether it may be left before it moves on.
    void next();
    void back();
    QPushButton* backButton() const { return back_; }
    QPushButton* nextButton() const { return next_; }
    void setNextEnabled(bool on);
    void setNextVisible(bool on);
    void setBackEnabled(bool on);
    void setBackVisible(bool on);

    // The room the largest page asks for.
    QSize preferredPageSize() const;

signals:
    void currentPageChanged(int index);
    // beginReset() has started.
    void resetBegun();

private:
    QStackedWidget* stack_ = nullptr;
    QPushButton* back_ = nullptr;
    QPushButton* next_ = nullptr;
    QList<WizardPage*> pages_;
    int current_ = -1;
};

// Gives every control of `root` that a label names (its buddy) the label's caption as its
// accessible name, unless it has one already; the name follows the caption when it changes.
void nameControlsByTheirLabels(QWidget* root);

} // namespace tarnik
