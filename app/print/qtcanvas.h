#pragma once
// The layout model's canvas on QPainter, for any paint device and for a printer.
//
// QtCanvas draws on any paint device (an image, a widget, a PDF writer), QtPrinterCanvas on a
// QPrinter with a print job of several sheets. Texts are broken into lines by the same line breaker
// as the test canvas, with the widths of the device's font metrics, so what is measured is what is
// drawn. As the Windows text call, the canvas does not kern: a line is exactly as wide as its
// characters' advances add up to.
#include <QPainter>
#include <QString>
#include <map>
#include <memory>
#include <string>

#include "core/layout/canvas.h"

class QPaintDevice;
class QPrinter;

namespace tarnik {

class QtCanvas : public Canvas {
public:
    // The device must outlive the canvas. The pen starts one printed line wide: one pixel on
    // a screen, a few on a printer (1/200 inch), so that table borders print visibly.
    explicit QtCanvas(QPaintDevice& device);
    ~QtCanvas() override;

    int pageWidth() const override;
    int pageHeight() const override;
    void setFont(const FontSpec& font) override;
    FontSpec font() const override { return font_; }
    PenState pen() const override { return pen_; }
    void setPen(const PenState& pen) override { pen_ = pen; }
    BrushState brush() const override { return brush_; }
    void setBrush(const BrushState& brush) override { brush_ = brush; }
    void rectangle(const Rect& r) override;
    int drawText(std::string_view text, Rect& r, unsigned format) override;
    bool drawChart(const ChartData& chart, const Rect& r) override;
    // The job opens at once, but the device is opened only when the first thing is drawn: a
    // job dropped before that leaves no trace on the printer. On a plain device the job is one
    // painting session on one sheet. endDoc is false when the device could not be opened.
    bool beginDoc(const std::string& title) override;
    bool newSheet() override;
    bool endDoc() override;
    void abortDoc() override;
    bool printing() const override;

    // The painter, active from the first drawing of a job to its end.
    QPainter& painter() { return painter_; }
    QPaintDevice& device() const { return device_; }

protected:
    // Hooks for devices with sheets (printers).
    virtual void prepareJob(const std::string& title);
    virtual bool startSheet();
    virtual void discardJob();

private:
    // A font as selected on the device, with its metrics and the advances of its characters.
    class ResolvedFont;
    const ResolvedFont& resolved() const;
    bool ensurePainter();

    QPaintDevice& device_;
    QPainter painter_;
    FontSpec font_;
    mutable std::map<std::string, std::unique_ptr<ResolvedFont>> fonts_;
    mutable const ResolvedFont* current_ = nullptr;
    PenState pen_;
    BrushState brush_;
    bool jobOpen_ = false;
    bool failed_ = false;
};

class QtPrinterCanvas : public QtCanvas {
public:
    explicit QtPrinterCanvas(QPrinter& printer);

    QPrinter& printer() const { return printer_; }

protected:
    void prepareJob(const std::string& title) override;
    bool startSheet() override;
    void discardJob() override;

private:
    QPrinter& printer_;
};

// Whether the system has a printer to print on.
bool systemHasPrinter();

enum class PrintTarget { Printer, Pdf };

// Sets a printer up for the report. The output goes into the PDF file pdfPath (A4, 600 dpi)
// when PDF is asked for or when the system has no printer; otherwise the printer stays as it
// is: the system's default, or what the print dialog chose (a printer or a file).
PrintTarget setUpReportPrinter(QPrinter& printer, const QString& pdfPath, bool forcePdf = false);

} // namespace tarnik
