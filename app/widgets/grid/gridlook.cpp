// GridLook: how the aligned string grid draws a cell, from its records, colours and fonts.
#include "app/widgets/grid/gridlook.h"

#include <QFontDatabase>

namespace tarnik {

namespace {

QColor qtColour(const GridColour& c) {
    return QColor(c.r, c.g, c.b);
}

// A record's font over the grid's: face (when installed), height and style.
QFont qtFont(const GridFont& f, const QFont& base) {
    QFont out(base);
    if (!f.face.empty()) {
        const QString face = QString::fromStdString(f.face);
        if (QFontDatabase::hasFamily(face)) out.setFamily(face);
    }
    // A negative height is the character height in pixels of a 96-dpi screen.
    if (f.height < 0)
        out.setPointSizeF(-f.height * 72.0 / 96.0);
    else if (f.height > 0)
        out.setPointSizeF(f.height * 0.8 * 72.0 / 96.0);
    out.setBold(f.bold);
    out.setItalic(f.italic);
    out.setUnderline(f.underline);
    out.setStrikeOut(f.strikeOut);
    return out;
}

} // namespace

CellLook GridLook::look(const ResolvedCell& rc, const QFont& font, const QPalette& palette,
                        bool selected) const {
    CellLook out;
    out.alignment = rc.alignment;
    out.wordwrap = rc.wordwrap;
    const QFont base = rc.fixed ? fixedFont : font;
    out.font = rc.font ? qtFont(*rc.font, base) : base;
    const QColor plainText = palette.color(rc.fixed ? QPalette::ButtonText : QPalette::Text);
    out.text = rc.font && rc.font->colour ? qtColour(*rc.font->colour) : plainText;
    out.background =
        rc.brush ? qtColour(*rc.brush) : (rc.fixed ? fixedColor : palette.color(QPalette::Base));
    if (selected) {
        out.background = rc.selectedBrush ? qtColour(*rc.selectedBrush) : selectedCellColor;
        if (rc.selectedFont) {
            out.font = qtFont(*rc.selectedFont, base);
            out.text =
                rc.selectedFont->colour ? qtColour(*rc.selectedFont->colour) : selectedFontColor;
        } else {
            out.text = selectedFontColor;
        }
    }
    return out;
}

} // namespace tarnik
