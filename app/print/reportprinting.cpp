#include "app/print/reportprinting.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QWidget>
#include <chrono>
#include <stdexcept>
#include <string>

#include "app/platform/pathutil.h"
#include "app/print/pdfarchive.h"
#include "core/base/textfile.h"

namespace tarnik {

PdfWriterCanvas::PdfWriterCanvas(QPdfWriter& writer) : QtCanvas(writer), writer_(writer) {}

void PdfWriterCanvas::prepareJob(const std::string& title) {
    writer_.setTitle(QString::fromStdString(title));
}

bool PdfWriterCanvas::startSheet() {
    return writer_.newPage();
}

PdfDocumentInfo reportPdfInfo(const Assessment& a) {
    PdfDocumentInfo info;
    const std::string station = pdfPropertyText(a.EdtStanowisko);
    // A station not named yet still leaves the file a title.
    info.title = station.empty() ? std::string("Ocena ryzyka zawodowego")
                                 : "Ocena ryzyka zawodowego \u2013 " + station;
    info.author = a.EdtJednostka;
    info.subject = a.EdtZaklad;
    info.creator = "Tarnik";
    info.producer = std::string("Qt ") + qVersion();
    info.created = std::chrono::system_clock::now();
    return normalizedPdfInfo(std::move(info));
}

PdfReport renderPdf(const PdfDocumentInfo& info, const PdfBuild& build) {
    PdfReport out;
    QBuffer buffer(&out.bytes);
    if (!buffer.open(QIODevice::WriteOnly))
        throw std::runtime_error("Nie można przygotować dokumentu PDF.");
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(600);
        writer.setCreator(QStringLiteral("Tarnik"));
        // PDF/A-1b: Qt embeds the fonts and adds the sRGB output intent; the properties go into
        // our own XMP packet, and the information dictionary is matched to it below.
        writer.setPdfVersion(QPagedPaintDevice::PdfVersion_A1b);
        const std::string xmp = pdfaXmpPacket(info);
        writer.setDocumentXmpMetadata(QByteArray(xmp.data(), qsizetype(xmp.size())));
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
        PdfWriterCanvas canvas(writer);
        out.result = build(canvas);
    }
    buffer.close();
    if (out.result.pagesPrinted > 0 && out.bytes.isEmpty()) out.result.ok = false;
    if (out.result.ok && out.result.pagesPrinted > 0) {
        std::string pdf = out.bytes.toStdString();
        appendInfoUpdate(pdf, info); // throws when Qt's bytes are not as expected
        out.bytes = QByteArray(pdf.data(), qsizetype(pdf.size()));
    }
    return out;
}

ReportResult writePdf(const QString& path, const PdfDocumentInfo& info, const PdfBuild& build) {
    const PdfReport pdf = renderPdf(info, build);
    if (pdf.result.pagesPrinted == 0) return pdf.result;
    if (!pdf.result.ok) throw std::runtime_error("Nie można przygotować dokumentu PDF.");
    writeFileAtomically(toPath(path),
                        std::string_view(pdf.bytes.constData(), std::size_t(pdf.bytes.size())));
    return pdf.result;
}

PdfReport renderReportPdf(const ReportInput& in, const PrintRange& range) {
    return renderPdf(reportPdfInfo(in.assessment),
                     [&](Canvas& canvas) { return BuildReport(canvas, in, range); });
}

ReportResult writeReportPdf(const QString& path, const ReportInput& in, const PrintRange& range) {
    return writePdf(path, reportPdfInfo(in.assessment),
                    [&](Canvas& canvas) { return BuildReport(canvas, in, range); });
}

QString noPagesInRangeMessage(const PrintRange& range, int pageCount) {
    return QStringLiteral("Zakres stron od %1 do %2 nie obejmuje żadnej strony wydruku "
                          "(liczba stron wydruku: %3).")
        .arg(range.from)
        .arg(range.to)
        .arg(pageCount);
}

QString suggestedPdfName(const QString& station, const QString& assessmentFile,
                         const QString& fallbackFolder) {
    QString base;
    for (const QChar c : station.trimmed()) {
        // Characters no file system takes in a name, and control characters, become "_".
        const bool bad = c.unicode() < 0x20 || QStringLiteral("\\/:*?\"<>|").contains(c);
        base += bad ? QLatin1Char('_') : c;
    }
    base = base.trimmed();
    while (base.endsWith(QLatin1Char('.')))
        base.chop(1);
    if (base.isEmpty() && !assessmentFile.isEmpty())
        base = QFileInfo(assessmentFile).completeBaseName();
    if (base.isEmpty()) base = QStringLiteral("ocena");
    const QString folder =
        assessmentFile.isEmpty() ? fallbackFolder : QFileInfo(assessmentFile).absolutePath();
    return QDir(folder).filePath(base + QStringLiteral(".pdf"));
}

} // namespace tarnik
