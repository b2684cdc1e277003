#pragma once
// GridLook: how the aligned string grid draws a cell, from its records, colours and fonts.
// The grid's own colours and caption font, and how a cell is drawn once its property records are
// resolved (font, background, text colour, alignment, word wrap), plain and selected.
#include <QColor>
#include <QFont>
#include <QPalette>

#include "app/widgets/grid/cellproperties.h"

namespace tarnik {

// How a cell is drawn, after the lookup of its properties.
struct CellLook {
    QFont font;
    QColor background;
    QColor text;
    GridAlignment alignment = alLeft;
    GridWordWrap wordwrap = ww_none;
};

class GridLook {
public:
    QColor fixedColor;        // the background of the fixed cells
    QColor selectedCellColor; // the background of a selected cell
    QColor selectedFontColor = Qt::white;
    QFont fixedFont;           // the fixed cells' font
    bool drawSelection = true; // selected cells are drawn in the selected colours

    // A cell's look: its records' font over `font` (the fixed font for a fixed cell), their
    // colours or else those of `palette` and the grid; `selected` asks for its look as a
    // selected cell.
    CellLook look(const ResolvedCell& rc, const QFont& font, const QPalette& palette,
                  bool selected) const;
};

} // namespace tarnik
