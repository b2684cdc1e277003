// Drawing and measuring the layout model's texts, lines and charts with QPainter.
#include "app/print/qtcanvas.h"

#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPaintDevice>
#include <QPrinter>
#include <QPrinterInfo>
#include <algorithm>
#include <array>
#include <cmath>
#include <unordered_map>

#include "app/print/fontfallback.h"
#include "app/widgets/chartpainter.h"
#include "core/base/text.h"
#include "core/layout/textlayout.h"

namespace tarnik {

namespace {

QColor toQColor(const Colour& c) {
    return QColor(c.r, c.g, c.b);
}

} // namespace

class QtCanvas::ResolvedFont : public TextMeasure {
public:
    ResolvedFont(const QFont& f, const QPaintDevice* device)
        : font(unkerned(f, device)), metrics(font, device), metricsF(font, device) {
        latin_.fill(-1);
    }

    // Width of a piece of one line: the sum of its characters' advances.
    int textWidth(std::string_view text) const override {
        double w = 0;
        std::size_t pos = 0;
        while (pos < text.size()) {
            const auto byte = static_cast<unsigned char>(text[pos]);
            const char32_t c = byte < 0x80 ? (++pos, char32_t(byte)) : decodeUtf8(text, pos);
            w += advance(c);
        }
        return static_cast<int>(std::lround(w));
    }

    int lineHeight() const override { return metrics.height(); }

    QFont font;
    QFontMetrics metrics;
    QFontMetricsF metricsF;

private:
    static QFont unkerned(const QFont& f, const QPaintDevice* device) {
        QFont k(f, device);
        k.setKerning(false);
        return k;
    }

    double advance(char32_t c) const {
        if (c < latin_.size()) {
            double& a = latin_[c];
            if (a < 0) a = measure(c);
            return a;
        }
        const auto it = others_.find(c);
        if (it != others_.end()) return it->second;
        return others_[c] = measure(c);
    }

    double measure(char32_t c) const {
        if (c == kBadUtf8) c = 0xFFFD;
        const char32_t one[] = {c};
        return metricsF.horizontalAdvance(QString::fromUcs4(one, 1));
    }

    mutable std::array<double, 0x250> latin_{}; // Latin letters: the report's text
    mutable std::unordered_map<char32_t, double> others_;
};

QtCanvas::QtCanvas(QPaintDevice& device) : device_(device) {
    pen_.width = std::max(1, device.logicalDpiX() / 200);
}

QtCanvas::~QtCanvas() {
    if (painter_.isActive()) painter_.end();
}

int QtCanvas::pageWidth() const {
    return device_.width();
}

int QtCanvas::pageHeight() const {
    return device_.height();
}

void QtCanvas::setFont(const FontSpec& font) {
    if (font == font_ && current_) return;
    font_ = font;
    current_ = nullptr;
}

const QtCanvas::ResolvedFont& QtCanvas::resolved() const {
    if (current_) return *current_;
    const std::string key =
        font_.face + '\x1f' + std::to_string(font_.points) + (font_.bold ? "b" : "");
    auto& slot = fonts_[key];
    if (!slot) {
        slot = std::make_unique<ResolvedFont>(qtFont(font_), &device_);
    }
    current_ = slot.get();
    return *current_;
}

void QtCanvas::rectangle(const Rect& r) {
    if (!ensurePainter()) return;
    QPen pen(toQColor(pen_.colour));
    pen.setWidth(pen_.width);
    switch (pen_.style) {
    case PenStyle::Solid:
        pen.setStyle(Qt::SolidLine);
        break;
    case PenStyle::Dash:
        pen.setStyle(Qt::DashLine);
        break;
    case PenStyle::Dot:
        pen.setStyle(Qt::DotLine);
        break;
    case PenStyle::Clear:
        pen.setStyle(Qt::NoPen);
        break;
    }
    painter_.setCompositionMode(pen_.mode == PenMode::Xor ? QPainter::RasterOp_SourceXorDestination
                                                          : QPainter::CompositionMode_SourceOver);
    painter_.setPen(pen);
    painter_.setBrush(brush_.style == BrushStyle::Solid ? QBrush(toQColor(brush_.colour))
                                                        : QBrush(Qt::NoBrush));
    painter_.drawRect(QRectF(r.left, r.top, r.width(), r.height()));
    painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

int QtCanvas::drawText(std::string_view text, Rect& r, unsigned format) {
    const ResolvedFont& rf = resolved();
    const TextMeasure& measure = rf;
    if (format & kTextCalcRect) return runDrawText(text, r, format, measure, {});
    if (!ensurePainter()) return 0;
    painter_.setFont(rf.font);
    painter_.setPen(toQColor(font_.colour));
    const int ascent = rf.metrics.ascent();
    const Rect box = r;
    return runDrawText(text, r, format, measure, [&](const PlacedLine& line) {
        const bool clip = line.x + line.width > box.right;
        if (clip) {
            // A word wider than the box is cut at its right edge, as the text call clips.
            painter_.save();
            painter_.setClipRect(QRect(box.left, line.y, box.width(), rf.metrics.height()),
                                 Qt::IntersectClip);
        }
        painter_.drawText(
            QPoint(line.x, line.y + ascent),
            QString::fromUtf8(line.text.data(), static_cast<qsizetype>(line.text.size())));
        if (clip) painter_.restore();
    });
}

bool QtCanvas::drawChart(const ChartData& chart, const Rect& r) {
    if (r.width() <= 0 || r.height() <= 0 || !ensurePainter()) return false;
    paintChart(painter_, QRectF(r.left, r.top, r.width(), r.height()), chart);
    return true;
}

void QtCanvas::prepareJob(const std::string&) {}

bool QtCanvas::startSheet() {
    return false; // a plain device has one sheet
}

void QtCanvas::discardJob() {}

bool QtCanvas::beginDoc(const std::string& title) {
    if (jobOpen_) return false;
    prepareJob(title);
    jobOpen_ = true;
    failed_ = false;
    return true;
}

bool QtCanvas::ensurePainter() {
    if (painter_.isActive()) return true;
    if (!jobOpen_ || failed_) return false;
    if (!painter_.begin(&device_)) {
        failed_ = true; // a printer or file that cannot be opened: the job fails as a whole
        return false;
    }
    painter_.setRenderHint(QPainter::TextAntialiasing, true);
    return true;
}

bool QtCanvas::newSheet() {
    if (!jobOpen_ || !ensurePainter()) return false;
    return startSheet();
}

bool QtCanvas::endDoc() {
    if (!jobOpen_) return false;
    jobOpen_ = false;
    bool ok = !failed_;
    if (painter_.isActive()) ok = painter_.end() && ok;
    return ok;
}

void QtCanvas::abortDoc() {
    if (!jobOpen_) return;
    jobOpen_ = false;
    if (!painter_.isActive()) return; // nothing was sent yet
    discardJob();
    if (painter_.isActive()) painter_.end();
}

bool QtCanvas::printing() const {
    return jobOpen_;
}

QtPrinterCanvas::QtPrinterCanvas(QPrinter& printer) : QtCanvas(printer), printer_(printer) {}

void QtPrinterCanvas::prepareJob(const std::string& title) {
    printer_.setDocName(QString::fromStdString(title));
}

bool QtPrinterCanvas::startSheet() {
    return printer_.newPage();
}

void QtPrinterCanvas::discardJob() {
    printer_.abort();
    // What was written of a PDF file is no report: do not leave it behind.
    if (printer_.outputFormat() == QPrinter::PdfFormat && !printer_.outputFileName().isEmpty()) {
        if (painter().isActive()) painter().end();
        QFile::remove(printer_.outputFileName());
    }
}

bool systemHasPrinter() {
    return !QPrinterInfo::availablePrinterNames().isEmpty();
}

PrintTarget setUpReportPrinter(QPrinter& printer, const QString& pdfPath, bool forcePdf) {
    if (!forcePdf) {
        // A file the print dialog already chose stays as it is.
        if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty())
            return PrintTarget::Pdf;
        if (systemHasPrinter()) return PrintTarget::Printer;
    }
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdfPath);
    printer.setResolution(600);
    printer.setFullPage(false);
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                      QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
    return PrintTarget::Pdf;
}

} // namespace tarnik
