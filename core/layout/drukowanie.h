#pragma once
// Drukowanie: the page-layout model of the printed report. The report builder creates a TDoc
// on a printer canvas, fills it with paragraphs, tables, groups, rules, chart pictures and the
// register title block; the document measures every item as it is added, begins a new page when
// the item no longer fits, and finally prints all pages or a range of them.
//
// Everything is in device pixels of the canvas; font sizes are in points. Texts are UTF-8 with
// lines joined by CR LF. Every item belongs to one document: it is created for the document,
// takes the document's style list (so give the document its styles first), and is owned by
// whatever it is added to (a page, a group, a table or a row).
#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/evaluation/chart.h"
#include "core/layout/canvas.h"

namespace tarnik {

class TDoc;

// One named text style: the font, the empty space a paragraph leaves above its text, and the
// flag word of the text output (kTextWordBreak, kTextCenter, ...).
struct TStyle {
    std::string name;
    FontSpec font;
    int spacing = 0;
    unsigned format = kTextWordBreak;
};

// The styles of one document, in the order added. The list owns its styles; items refer to them.
class TStyles {
public:
    TStyles() = default;
    TStyles(const TStyles&) = delete;
    TStyles& operator=(const TStyles&) = delete;

    TStyle& Add(TStyle style);
    // The first style whose name is exactly the given one (case-sensitive), or null.
    const TStyle* Find(std::string_view name) const;

    std::size_t size() const { return styles_.size(); }
    const TStyle& operator[](std::size_t i) const { return *styles_[i]; }

private:
    std::vector<std::unique_ptr<TStyle>> styles_;
};

// The 18 styles of the report, in their order, every font in the given face.
void AddReportStyles(TStyles& styles, const std::string& face);

// The text with every Polish letter replaced by its base letter ("Łódź" → "Lodz"), for printers
// that are not to print them.
std::string StripPolishLetters(std::string_view text);

// A printable item: measured for its width (Height) and drawn at a position (Draw).
class TItem {
public:
    explicit TItem(TDoc& doc);
    TItem(const TItem&) = delete;
    TItem& operator=(const TItem&) = delete;
    virtual ~TItem() = default;

    // Measures the item and returns its height in device pixels; may update the item's
    // rectangles. The height is also kept (lastHeight) for drawing.
    virtual int Height() = 0;
    // Draws the item with its top-left corner at (x, y), as last measured.
    virtual void Draw(int x, int y) = 0;

    int lastHeight() const { return lastHeight_; }
    TDoc& doc() const { return doc_; }

    // The style list the item's texts look their styles up in (the document's).
    const TStyles* styles;

protected:
    Canvas& canvas() const;
    // Looks a style up in the item's list; a name the list lacks is a fault of the caller.
    const TStyle& requireStyle(std::string_view name) const;

    int lastHeight_ = 0;

private:
    TDoc& doc_;
};

// A paragraph of text, also the cell of a table.
class TTextItem : public TItem {
public:
    explicit TTextItem(TDoc& doc);

    // Stores the style and copies its format.
    void SetStyle(const TStyle& style);
    // SetStyle with the named style, outer := (0, 0, width, 20), text := the text. The inner
    // margins stay as they are.
    void Setup(std::string text, std::string_view styleName, int width);

    int Height() override;
    void Draw(int x, int y) override;

    const TStyle* style = nullptr;
    std::string text;
    Rect outer; // the whole item, relative to its origin (below the style's spacing)
    Rect inner; // inner margins: left, top, right, bottom
    bool border = false;
    unsigned format = 0;
    Rect textRect; // where the text goes, computed by Height

private:
    void applyLetters();
};

class TCell : public TTextItem {
public:
    using TTextItem::TTextItem;
};

// Cells laid side by side; all cells of a row end at the same bottom.
class TRow : public TItem {
public:
    explicit TRow(TDoc& doc) : TItem(doc) {}

    TTextItem& Add(std::unique_ptr<TTextItem> cell);

    int Height() override;
    void Draw(int x, int y) override;

    std::vector<std::unique_ptr<TTextItem>> cells;
    int height = 0;

protected:
    // Makes a measured cell h pixels tall (its border and text box end there).
    static void stretch(TTextItem& cell, int h);
};

// Rows with shared column widths, cell inner margins and border flag. Set width, inner and
// border, then SetColumns, then NewRow / AddCell.
class TTable : public TItem {
public:
    explicit TTable(TDoc& doc) : TItem(doc) {}

    // Fixes the columns: every column but the last gets its truncated share of the width, the
    // last one the rest. The proportions must be non-negative with a positive sum.
    void SetColumns(std::vector<int> columnProportions);
    TRow& NewRow();
    // A cell for the next column of the current row, with the table's inner margins and border.
    TCell& AddCell(std::string text, std::string_view styleName);

    int Height() override;
    void Draw(int x, int y) override;

    Rect inner;
    std::vector<std::unique_ptr<TRow>> rows;
    int width = 0;
    std::vector<int> columnWidths;
    TRow* currentRow = nullptr;
    int currentColumn = 0;
    std::vector<int> proportions;
    bool border = false;
};

// Items kept together on one page.
class TGroup : public TItem {
public:
    explicit TGroup(TDoc& doc) : TItem(doc) {}

    TItem& Add(std::unique_ptr<TItem> item);
    template <class T> T& Add(std::unique_ptr<T> item) {
        T& ref = *item;
        Add(std::unique_ptr<TItem>(std::move(item)));
        return ref;
    }

    int Height() override;
    void Draw(int x, int y) override;

    std::vector<std::unique_ptr<TItem>> items;
};

// A rectangle outline; with height 1 a horizontal rule.
class TRct : public TItem {
public:
    explicit TRct(TDoc& doc) : TItem(doc) {}

    int Height() override;
    void Draw(int x, int y) override;

    int height = 1;
    int width = 1;
};

// The picture of a chart: what the chart shows when the page is drawn.
class TChart : public TItem {
public:
    TChart(TDoc& doc, const ChartModel* chartModel) : TItem(doc), chart(chartModel) {}

    int Height() override;
    // A chart that fails to paint leaves its space blank.
    void Draw(int x, int y) override;

    int height = 0;
    int width = 0;
    const ChartModel* chart;
    // The face of the chart's texts; empty: the face the chart itself holds.
    std::string fontFace;
};

// The three-column title block of the measurement register: twelve cells, four per column.
class TRejestrNaglowek : public TRow {
public:
    explicit TRejestrNaglowek(TDoc& doc) : TRow(doc) {}

    // Creates the twelve cells from the fields below (again, when called again).
    void Build();

    int Height() override;
    void Draw(int x, int y) override;

    // "[" + character (two blanks for a blank) + "] " for each of the first six characters of
    // the text, padded with blanks.
    static std::string Boxed(std::string_view text);

    std::array<int, 12> cellHeights{};
    std::string regon;
    std::string station;
    std::string location;
    std::string cardNumber = "      ";
    std::string registerDate = "      ";
    int totalWidth = 0;
    Rect cellInner;
};

// One printed page: its margins and items, top to bottom.
class TPage {
public:
    TItem& Add(std::unique_ptr<TItem> item);

    int leftMargin = 0;
    int rightMargin = 0;
    int topMargin = 0;
    int bottomMargin = 0;
    int usableHeight = 0;
    int usableWidth = 0;
    std::vector<std::unique_ptr<TItem>> items;
};

// The pages to print: all, or from..to (1-based, inclusive; from > to selects none).
struct PrintRange {
    bool allPages = true;
    int from = 1;
    int to = 1;

    static PrintRange all() { return {}; }
    static PrintRange pages(int from, int to) { return {false, from, to}; }
    bool includes(int page) const { return allPages || (from <= page && page <= to); }
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
    // noHeaderOnFirstPage is set.
    void NewPage();
    // Places an item on the current page, or on a new one when it does not fit the rest of the
    // current page (an item that fills it exactly stays). An item taller than a page stays on
    // a page that holds nothing yet, and runs past its bottom margin. The page owns the item.
    TItem& AddItem(std::unique_ptr<TItem> item);
    template <class T> T& AddItem(std::unique_ptr<T> item) {
        T& ref = *item;
        AddItem(std::unique_ptr<TItem>(std::move(item)));
        return ref;
    }
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
