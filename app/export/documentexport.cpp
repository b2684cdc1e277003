#include "app/export/documentexport.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <cmath>
#include <exception>

#include "app/export/officezip.h"
#include "app/platform/pathutil.h"
#include "app/print/reportprinting.h"
#include "app/widgets/chartpainter.h"
#include "core/base/errors.h"
#include "core/evaluation/chart.h"
#include "core/evaluation/recompute.h"
#include "core/export/docx.h"
#include "core/export/flowdocument.h"
#include "core/export/odt.h"
#include "core/model/convert.h"

namespace tarnik {

namespace {

constexpr double kPictureDpi = 300;

// The chart painted as the printed page paints it, at print resolution.
std::string chartPng(const FlowPicture& picture) {
    const auto pixels = [](double mm) {
        return std::max(1, static_cast<int>(std::lround(mm / 25.4 * kPictureDpi)));
    };
    QImage image(pixels(picture.widthMm), pixels(picture.heightMm), QImage::Format_RGB32);
    image.fill(Qt::white);
    const int dotsPerMetre = static_cast<int>(std::lround(kPictureDpi / 0.0254));
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    if (picture.chart) {
        ChartData data = picture.chart->data();
        if (!picture.fontFace.empty()) data.fontFace = picture.fontFace;
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        paintChart(painter, QRectF(0, 0, image.width(), image.height()), data);
    }
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG"))
        throw std::runtime_error("Nie można przygotować obrazu wykresu.");
    return png.toStdString();
}

std::string isoTime(const std::chrono::system_clock::time_point& t) {
    const std::time_t seconds = std::chrono::system_clock::to_time_t(t);
    std::tm utc{};
#ifdef _WIN32
    gmtime_s(&utc, &seconds);
#else
    gmtime_r(&seconds, &utc);
#endif
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &utc);
    return text;
}

} // namespace

std::optional<OfficeFormat> officeFormatOf(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("docx")) return OfficeFormat::Docx;
    if (suffix == QLatin1String("odt")) return OfficeFormat::Odt;
    return std::nullopt;
}

QString officeSuffix(OfficeFormat format) {
    return format == OfficeFormat::Docx ? QStringLiteral("docx") : QStringLiteral("odt");
}

OfficeReport reportDocument(const ReportInput& in, OfficeFormat format) {
    OfficeReport out;
    FlowDocument flow;
    {
        // The pages laid out on the PDF writer's device, so that every line breaks as in the
        // PDF; nothing is printed.
        QByteArray discarded;
        QBuffer buffer(&discarded);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setResolution(600);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
        PdfWriterCanvas canvas(writer);
        const std::unique_ptr<ReportLayout> layout = LayOutReport(canvas, in);
        out.cleanUps = layout->cleanUps;
        out.pageCount = layout->doc->pageCount;
        flow = flowDocument(*layout->doc);
    }
    const PdfDocumentInfo info = reportPdfInfo(in.assessment);
    flow.properties = FlowProperties{info.title, info.author, info.subject, isoTime(info.created)};

    out.parts = format == OfficeFormat::Docx ? docxParts(flow) : odtParts(flow);
    for (const FlowPicture* picture : flow.pictures()) {
        const std::string path = format == OfficeFormat::Docx ? docxPicturePath(picture->index)
                                                              : odtPicturePath(picture->index);
        out.parts.push_back(OfficePart{path, chartPng(*picture), true});
    }
    return out;
}

OfficeReport writeReportDocument(const QString& path, const ReportInput& in, OfficeFormat format) {
    OfficeReport report = reportDocument(in, format);
    writeOfficeFile(path, report.parts);
    return report;
}

QString suggestedDocumentName(const QString& station, const QString& assessmentFile,
                              const QString& fallbackFolder, OfficeFormat format) {
    QString name = suggestedPdfName(station, assessmentFile, fallbackFolder);
    name.chop(3);
    return name + officeSuffix(format);
}

DocumentCommandResult exportAssessmentDocument(const QString& in, const QString& out,
                                               OfficeFormat format, const SettingsStore& store) {
    if (sameExistingFile(in, out)) return {1, "Dokument nie może zastąpić pliku oceny."};

    Assessment a;
    Evaluation e;
    if (auto failure = openEvaluated(toPath(in), a, e)) return {1, std::move(*failure)};

    PrintOptions options;
    options.WczytajOpcjeZRejestru(store);
    ReportInput input(a, e, options);
    input.jobTitle = a.EdtStanowisko.empty() ? "Tarnik" : a.EdtStanowisko;
    try {
        writeReportDocument(out, input, format);
    } catch (const std::exception& error) {
        return {1, oneLine(error.what())};
    }
    return {0, {}};
}

} // namespace tarnik
