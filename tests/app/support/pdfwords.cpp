#include "tests/app/support/pdfwords.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QXmlStreamReader>

#include "tests/app/support/testsupport.h"

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
    const QString tool = findTool(QStringLiteral("pdftotext"));
    if (tool.isEmpty()) {
        out.error = QStringLiteral("pdftotext is not installed");
        return out;
    }
    if (!QFileInfo(pdfFile).isFile()) {
        out.error = QStringLiteral("no PDF file %1").arg(pdfFile);
        return out;
    }
    QProcess p;
    p.start(tool, {QStringLiteral("-bbox"), QStringLiteral("-enc"), QStringLiteral("UTF-8"),
                   pdfFile, QStringLiteral("-")});
    if (!p.waitForFinished(timeoutMs)) {
        p.kill();
        p.waitForFinished(5000);
        out.error = QStringLiteral("pdftotext -bbox did not finish: %1").arg(p.errorString());
        return out;
    }
    if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        out.error = QStringLiteral("pdftotext -bbox failed (exit code %1): %2")
                        .arg(p.exitCode())
                        .arg(QString::fromLocal8Bit(p.readAllStandardError()).trimmed());
        return out;
    }
    // An XHTML page: <page width= height=> elements holding <word xMin= yMin= xMax= yMax=>.
    QXmlStreamReader xml(p.readAllStandardOutput());
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
