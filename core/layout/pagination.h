#pragma once
// TDoc, the document of the page-layout model ("Drukowanie"): it places items on pages and
// prints them.
//
// The report builder creates a TDoc on a printer canvas, fills it with paragraphs, tables, groups,
// rules, chart pictures and the register title block; the document measures every item as it is
// added, begins a new page when the item no longer fits, and finally prints all pages or a range of
// them. Everything is in device pixels of the canvas.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/layout/canvas.h"
#include "core/layout/items.h"
#include "core/layout/printrange.h"
#include "core/layout/styles.h"

namespace tarnik {

// Why a page began: the document asked for a new page, or the last item did not fit.
enum class PageStart { Break, Overflow };

// One printed page: its margins and items, top to bottom.
class TPage {
public:
    TItem& Add(std::unique_ptr<TItem> item);

    PageStart start = PageStart::Break;
    // The first items are the running header (its line, the rule and a blank line).
    std::size_t headerItems = 0;

    int leftMargin = 0;
    int rightMargin = 0;
    int topMargin = 0;
    int bottomMargin = 0;
    int usableHeight = 0;
    int usableWidth = 0;
    std::vector<std::unique_ptr<TItem>> items;
};

// The document. Creating it opens the print job on the canvas, so that the canvas's metrics
// are those of the job while the report is laid out; destroying it restores the canvas's pen
// and brush (and drops a job that was never printed).
class TDoc {
public:
    explicit TDoc(Canvas& canvas, std::string jobTitle = "Tarnik");
    TDoc(const TDoc&) = delete;
    TDoc& operator=(const TDoc&) = delete;
    ~TDoc();

    // Sets the margins and the usable width and height that the canvas's page leaves.
    void SetMargins(int left, int right, int top, int bottom);

    // Begins a page, with the running header unless it is the first page and
    // noHeaderOnFirstPage is set. `start` tells a break the report asks for from one that only
    // a full page forces.
    void NewPage(PageStart start = PageStart::Break);
    // Places an item on the current page, or on a new one when it does not fit the rest of the
    // current page (an item that fills it exactly stays). An item taller than a page stays on
    // a page that holds nothing yet, and runs past its bottom margin. The page owns the item.
    TItem& AddItem(std::unique_ptr<TItem> item);
    template <class T> T& AddItem(std::unique_ptr<T> item) {
        T& ref = *item;
        AddItem(std::unique_ptr<TItem>(std::move(item)));
        return ref;
    }
    // The running header of a page: headerText with the page number for "&p". A line too wide
    // for the page keeps its end from the last comma before the page number (",   strona 7")
    // and shortens what stands before it, ending it in "…".
    std::string HeaderLine(int pageNumber) const;
    // A paragraph of the usable width in the named style.
    TTextItem& AddText(std::string text, std::string_view styleName);
    // Prints the pages of the range, a sheet each; the headers keep the whole document's page
    // numbers. False when the canvas reports that the job failed.
    bool Print(const PrintRange& range = PrintRange::all());

    Canvas& canvas() const { return canvas_; }

    std::vector<std::unique_ptr<TPage>> pages;
    // The running header; every "&p" in it stands for the page number.
    std::string headerText;
    bool noHeaderOnFirstPage = false;
    // When false every text prints its Polish letters as their base letters. The report builder
    // copies it from the print options (PrintOptions::printPolishLetters) when it creates the
    // document: a setting of the document rather than a global, so that nothing but the
    // document being printed depends on it.
    bool printPolishLetters = true;
    int leftMargin = 0;
    int rightMargin = 0;
    int topMargin = 0;
    int bottomMargin = 0;
    int usableHeight = 0;
    int usableWidth = 0;
    const TStyles* styles = nullptr;
    int usedHeight = 0; // height filled on the current (last) page
    int pageCount = 0;

private:
    void drawPage(const TPage& page);

    Canvas& canvas_;
    std::string jobTitle_;
    PenState savedPen_;
    BrushState savedBrush_;
    bool printed_ = false;
    bool beganJob_ = false;     // the job was opened by this document
    bool pageHasItems_ = false; // the current page holds an item placed by AddItem
};

} // namespace tarnik
