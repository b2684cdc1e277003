#include "tests/app/support/pdfwords.h"

#include <QFileInfo>
#include <QXmlStreamReader>

#include "tests/app/support/pdftext.h"

namespace tarnik::testing {

QList<PdfWord> PdfWords::onPage(int page) const {
    QList<PdfWord> out;
    for (const PdfWord& w : words)
        if (w.page == page) out.append(w);
    return out;
}

const PdfWord* PdfWords::find(const QString& text, int page) const {
    for (const PdfWord& w : words)
        if (w.text == text && (page == 0 || w.page == page)) return &w;
    return nullptr;
}

PdfWords pdfWords(const QString& pdfFile, int timeoutMs) {
    PdfWords out;
    if (!QFileInfo(pdfFile).isFile()) {
        out.error = QStringLiteral("no PDF file %1").arg(pdfFile);
        return out;
    }
    const ToolRun r = runTool(QStringLiteral("pdftotext"),
                              {QStringLiteral("-bbox"), QStringLiteral("-enc"),
                               QStringLiteral("UTF-8"), pdfFile, QStringLiteral("-")},
                              timeoutMs);
    if (!r.finished) {
        out.error = r.error;
        return out;
    }
    if (r.exitCode != 0) {
        out.error =
            QStringLiteral("pdftotext -bbox failed (exit code %1): %2").arg(r.exitCode).arg(r.err);
        return out;
    }
    // An XHTML page: <page width= height=> elements holding <word xMin= yMin= xMax= yMax=>.
    QXmlStreamReader xml(r.out);
    const auto number = [&xml](const char* name) {
        return xml.attributes().value(QLatin1String(name)).toDouble();
    };
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == QLatin1String("page")) {
            ++out.pageCount;
            if (out.pageCount == 1) {
                out.pageWidth = number("width");
                out.pageHeight = number("height");
            }
        } else if (xml.name() == QLatin1String("word")) {
            PdfWord w;
            w.page = out.pageCount;
            w.xMin = number("xMin");
            w.yMin = number("yMin");
            w.xMax = number("xMax");
            w.yMax = number("yMax");
            w.text = xml.readElementText();
            out.words.append(w);
        }
    }
    if (xml.hasError()) {
        out.error =
            QStringLiteral("pdftotext -bbox gave no readable page: %1").arg(xml.errorString());
        return out;
    }
    out.ok = out.pageCount > 0;
    if (!out.ok) out.error = QStringLiteral("pdftotext -bbox found no page");
    return out;
}

} // namespace tarnik::testing
