#pragma once
// The wizard: the pages in their fixed order, one shown at a time, and the buttons "  Wstecz"
// and "Dalej  " with the rules that let Next go on or hold the user back.
#include <QList>
#include <QWidget>

#include "blinker.h"

class QPushButton;
class QStackedWidget;

namespace tarnik {

class Document;
class WizardPage;

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

inline const QString kWorkersMissingMessage = QStringLiteral(
    "Brakuje danych na temat pracowników.\r\n"
    "Do prawidłowego obliczenia ryzyka potrzebna jest liczba pracowników w poszczególnych "
    "grupach.\r\n"
    "Proszę wprowadzić dane pracowników pracujących na ocenianym stanowisku, albo wpisać "
    "liczbę\r\n"
    "pracowników zaliczonych do odpowiednich grup.");

class Wizard : public QWidget {
    Q_OBJECT
public:
    explicit Wizard(Document& document, QWidget* parent = nullptr);

    // Appends the next page of the order.
    void addPage(WizardPage* page);
    int count() const { return pages_.size(); }
    WizardPage* page(int index) const { return pages_.value(index); }
    WizardPage* currentPage() const { return page(current_); }
    int currentIndex() const { return current_; }

    // Makes a page the active one: the old page's hide event, then the new page's show event.
    // Nothing happens when it already is active.
    void showPage(int index);
    // A new or opened document: page 0 active (its show event runs even when it already is the
    // active page), Back hidden, Next visible.
    void restart();
    // The assessment is about to be cleared: every page forgets what points into it.
    void documentReset();

    // The buttons. Next runs the checks of the current page before it moves on.
    void next();
    void back();
    QPushButton* backButton() const { return back_; }
    QPushButton* nextButton() const { return next_; }
    void setNextEnabled(bool on);
    void setNextVisible(bool on);
    void setBackEnabled(bool on);
    void setBackVisible(bool on);

    // The widgets that blink when the workers check fails (the worker page's "Nowy" button and
    // its count frame).
    Blinker& blinker() { return blinker_; }

signals:
    void currentPageChanged(int index);

private:
    bool mayLeaveForward();

    Document& document_;
    QStackedWidget* stack_ = nullptr;
    QPushButton* back_ = nullptr;
    QPushButton* next_ = nullptr;
    QList<WizardPage*> pages_;
    int current_ = -1;
    Blinker blinker_;
};

} // namespace tarnik
