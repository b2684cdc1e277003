#pragma once
// The printable items of the page-layout model: paragraphs, table cells, rows and tables,
// groups kept on one page, rectangles and rules, and chart pictures.
//
// Everything is in device pixels of the canvas; font sizes are in points. Texts are UTF-8 with
// lines joined by CR LF. Every item belongs to one document: it is created for the document, takes
// the document's style list (so give the document its styles first), and is owned by whatever it is
// added to (a page, a group, a table or a row).
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/evaluation/chart.h"
#include "core/layout/canvas.h"
#include "core/layout/styles.h"

namespace tarnik {

class TDoc;

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
    // The heading level of a paragraph for documents that keep an outline (1 for a section's
    // heading, 2 for a heading within a section; 0: decided by the style). Printing ignores it.
    int outlineLevel = 0;

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

    // Where a table stands in a table the report spreads over pages, for documents that flow
    // instead of being printed; printing ignores them. The first headerRows rows are the
    // column headings; a continuation's rows carry on the table placed before it; a repeat
    // holds the headings again at the top of a following page.
    int headerRows = 0;
    bool continuation = false;
    bool repeatedHeadings = false;
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

} // namespace tarnik
