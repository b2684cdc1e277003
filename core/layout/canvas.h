#pragma once
// The drawing surface the page-layout model measures and draws on, and its geometry and colours.
//
// The surface is a printer page in device pixels. The Qt program implements it on QPainter
// (app/print/qtcanvas.h); the tests use the fixed-metric TestCanvas (tests/support/testcanvas.h).
#include <cstdint>
#include <string>
#include <string_view>

#include "core/evaluation/chart.h"

namespace tarnik {

// A rectangle in device pixels; right and bottom lie just outside it, as in the Windows API.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

struct Colour {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    friend bool operator==(const Colour&, const Colour&) = default;
};

inline constexpr Colour kBlack{0, 0, 0};
inline constexpr Colour kWhite{255, 255, 255};
inline constexpr Colour kRed{255, 0, 0};

// A font as the layout model selects it: face name, size in points, colour, bold.
struct FontSpec {
    std::string face = "Arial";
    int points = 10;
    Colour colour = kBlack;
    bool bold = false;
    friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

enum class PenStyle { Solid, Dash, Dot, Clear };
// How the pen combines with what is already on the page: plain copy, or exclusive-or.
enum class PenMode { Copy, Xor };
enum class BrushStyle { Solid, Clear };

struct PenState {
    Colour colour = kBlack;
    PenMode mode = PenMode::Copy;
    PenStyle style = PenStyle::Solid;
    int width = 1;
    friend bool operator==(const PenState&, const PenState&) = default;
};

struct BrushState {
    Colour colour = kWhite;
    BrushStyle style = BrushStyle::Clear;
    friend bool operator==(const BrushState&, const BrushState&) = default;
};

// The flag word of the text output, with the values of the Windows DrawText call.
enum TextFormat : unsigned {
    kTextLeft = 0x00,
    kTextCenter = 0x01,
    kTextRight = 0x02,
    kTextBottom = 0x08,
    kTextWordBreak = 0x10,
    kTextCalcRect = 0x400,
};

class Canvas {
public:
    virtual ~Canvas() = default;

    // The printable page in device pixels.
    virtual int pageWidth() const = 0;
    virtual int pageHeight() const = 0;

    virtual void setFont(const FontSpec& font) = 0;
    virtual FontSpec font() const = 0;
    virtual PenState pen() const = 0;
    virtual void setPen(const PenState& pen) = 0;
    virtual BrushState brush() const = 0;
    virtual void setBrush(const BrushState& brush) = 0;

    // Outlines the rectangle with the current pen and fills its inside with the current brush
    // (nothing when the brush is clear).
    virtual void rectangle(const Rect& r) = 0;

    // Text output in the current font, UTF-8, lines separated by CR LF (or a lone CR or LF).
    // With kTextWordBreak a line breaks at the last blank that fits the rectangle's width; a word
    // longer than the line is cut at its end; line breaks in the text always break, also one at
    // the very end of the text (breakLines in textlayout.h has the whole rule). Without
    // kTextCalcRect the text is drawn into r, aligned by the flags (and clipped to its width);
    // with it nothing is drawn, r.bottom is set below the last line and r.right to the widest
    // line. Returns the height of the text (0 for an empty text).
    virtual int drawText(std::string_view text, Rect& r, unsigned format) = 0;

    // Paints the chart into the rectangle. Returns false when it could not be painted; may also
    // throw. The layout model leaves the space blank in either case.
    virtual bool drawChart(const ChartData& chart, const Rect& r) = 0;

    // The print job: begun before the first page is laid out, a new sheet before every printed
    // page but the first, ended after the last. abortDoc drops a job that is still open.
    virtual bool beginDoc(const std::string& title) = 0;
    virtual bool newSheet() = 0;
    virtual bool endDoc() = 0;
    virtual void abortDoc() = 0;
    virtual bool printing() const = 0;
};

} // namespace tarnik
