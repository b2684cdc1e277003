// Laying out and printing a large report with the page-layout model, against drawing the same
// texts straight with QPainter into a PDF of the same pages (no model: each text measured only
// by the drawing call itself, page breaks by hand). Target: the model within 2× the bare
// drawing.
#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "app/print/fontfallback.h"
#include "app/print/qtcanvas.h"
#include "core/layout/items.h"
#include "core/layout/pagination.h"
#include "core/layout/styles.h"

using namespace tarnik;

namespace {

constexpr int kParagraphs = 5000;
constexpr int kTables = 500;
constexpr int kRows = 4;
constexpr int kColumns = 3;

struct Content {
    std::vector<std::string> paragraphs;
    std::vector<std::vector<std::string>> tables; // kRows × kColumns cells each
};

Content makeContent() {
    const char* words[] = {"ocena",     "ryzyka",    "zawodowego",   "stanowisko",    "pracy",
                           "pracownik", "hałas",     "pyły",         "czynniki",      "szkodliwe",
                           "środki",    "ochrony",   "zbiorowej",    "indywidualnej", "pomiar",
                           "NDS",       "wartość",   "dopuszczalna", "łączny",        "wskaźnik",
                           "narażenia", "spawalnia", "hala",         "maszyny",       "urządzenia",
                           "szkolenie", "okresowe",  "badania",      "lekarskie",     "zażółć"};
    std::mt19937 rng(2024);
    const auto phrase = [&](int minWords, int maxWords) {
        const int n =
            minWords + static_cast<int>(rng() % static_cast<unsigned>(maxWords - minWords + 1));
        std::string s;
        for (int i = 0; i < n; ++i) {
            if (i) s += ' ';
            s += words[rng() % std::size(words)];
        }
        return s;
    };
    Content c;
    c.paragraphs.reserve(kParagraphs);
    for (int i = 0; i < kParagraphs; ++i)
        c.paragraphs.push_back(std::to_string(i + 1) + ". " + phrase(15, 70) + ".");
    for (int t = 0; t < kTables; ++t) {
        std::vector<std::string> cells;
        for (int r = 0; r < kRows; ++r)
            for (int col = 0; col < kColumns; ++col)
                cells.push_back(col == 0 ? phrase(3, 12) : std::to_string(rng() % 10000));
        c.tables.push_back(std::move(cells));
    }
    return c;
}

void setUpPrinter(QPrinter& printer, const QString& path) {
    setUpReportPrinter(printer, path, true);
}

// The report through the layout model: laid out while added, then printed.
int printWithModel(const Content& c, const QString& path) {
    QPrinter printer(QPrinter::HighResolution);
    setUpPrinter(printer, path);
    QtPrinterCanvas canvas(printer);
    TStyles styles;
    AddReportStyles(styles, "Arial");
    TDoc doc(canvas, "Benchmark");
    doc.styles = &styles;
    const int mm = canvas.pageWidth() / 210;
    doc.SetMargins(20 * mm, 15 * mm, 15 * mm, 20 * mm);
    doc.noHeaderOnFirstPage = true;
    doc.headerText = "Spawacz,   strona &p";
    doc.NewPage();
    const int perTable = kParagraphs / kTables;
    for (int i = 0; i < kParagraphs; ++i) {
        doc.AddText(c.paragraphs[static_cast<std::size_t>(i)], "Normal");
        if ((i + 1) % perTable == 0) {
            const auto& cells = c.tables[static_cast<std::size_t>(i / perTable)];
            auto table = std::make_unique<TTable>(doc);
            table->width = doc.usableWidth;
            table->inner = Rect{2 * mm, 2 * mm, 2 * mm, 2 * mm};
            table->border = true;
            table->SetColumns({4, 1, 1});
            for (int r = 0; r < kRows; ++r) {
                table->NewRow();
                for (int col = 0; col < kColumns; ++col)
                    table->AddCell(cells[static_cast<std::size_t>(r * kColumns + col)],
                                   col == 0 ? "TableLeft" : "TableText");
            }
            doc.AddItem(std::move(table));
        }
    }
    doc.Print();
    return doc.pageCount;
}

// The same texts drawn straight: every paragraph drawn once by QPainter, which reports the
// height it took; a page ends when the next text would start below the bottom margin.
int printBare(const Content& c, const QString& path) {
    QPrinter printer(QPrinter::HighResolution);
    setUpPrinter(printer, path);
    QPainter p(&printer);
    const int mm = printer.width() / 210;
    const int left = 20 * mm;
    const int width = printer.width() - 35 * mm;
    const int top = 15 * mm;
    const int bottom = printer.height() - 20 * mm;
    const QString face = installedFontFace(QStringLiteral("Arial"));
    QFont normal(face, 10);
    QFont header(face, 8);
    header.setBold(true);
    QPen border(Qt::black);
    border.setWidth(3);
    int pages = 1;
    int y = top;
    const auto newPage = [&] {
        printer.newPage();
        ++pages;
        p.setFont(header);
        QRect br;
        p.drawText(QRect(left, top, width, 200), Qt::AlignHCenter,
                   QStringLiteral("Spawacz,   strona %1").arg(pages), &br);
        p.drawLine(left, br.bottom() + 25, left + width, br.bottom() + 25);
        y = br.bottom() + 60;
    };
    const int perTable = kParagraphs / kTables;
    const int cellMargin = 2 * mm;
    const int colW[kColumns] = {width * 4 / 6, width / 6, width - width * 4 / 6 - width / 6};
    for (int i = 0; i < kParagraphs; ++i) {
        if (y > bottom) newPage();
        p.setFont(normal);
        QRect br;
        p.drawText(QRect(left, y + 10, width, bottom - y), Qt::TextWordWrap,
                   QString::fromStdString(c.paragraphs[static_cast<std::size_t>(i)]), &br);
        y += br.height() + 10;
        if ((i + 1) % perTable == 0) {
            const auto& cells = c.tables[static_cast<std::size_t>(i / perTable)];
            for (int r = 0; r < kRows; ++r) {
                // A row needs its height before its borders: measure, then draw.
                QString texts[kColumns];
                int rowH = 0;
                for (int col = 0; col < kColumns; ++col) {
                    texts[col] =
                        QString::fromStdString(cells[static_cast<std::size_t>(r * kColumns + col)]);
                    const QRect need = p.boundingRect(
                        QRect(0, 0, colW[col] - 2 * cellMargin, 100000),
                        Qt::TextWordWrap | (col ? Qt::AlignHCenter : Qt::AlignLeft), texts[col]);
                    rowH = std::max(rowH, need.height() + 2 * cellMargin);
                }
                if (y + rowH > bottom) newPage();
                p.setFont(normal);
                int x = left;
                for (int col = 0; col < kColumns; ++col) {
                    p.setPen(border);
                    p.drawRect(x, y, colW[col], rowH);
                    p.setPen(Qt::black);
                    p.drawText(QRect(x + cellMargin, y + cellMargin, colW[col] - 2 * cellMargin,
                                     rowH - 2 * cellMargin),
                               Qt::TextWordWrap | (col ? Qt::AlignHCenter : Qt::AlignLeft),
                               texts[col]);
                    x += colW[col];
                }
                y += rowH;
            }
        }
    }
    p.end();
    return pages;
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const Content content = makeContent();
    std::printf("Report of %d paragraphs and %d tables of %d x %d cells, printed to PDF\n",
                kParagraphs, kTables, kRows, kColumns);

    // One round each first, so that fonts are loaded and cached for both.
    printBare(content, dir.filePath(QStringLiteral("warm.pdf")));

    double best[2] = {1e300, 1e300};
    int pages[2] = {0, 0};
    for (int round = 0; round < 3; ++round) {
        QElapsedTimer t;
        t.start();
        pages[0] = printWithModel(content, dir.filePath(QStringLiteral("model.pdf")));
        best[0] = std::min(best[0], static_cast<double>(t.nsecsElapsed()) / 1e9);
        t.restart();
        pages[1] = printBare(content, dir.filePath(QStringLiteral("bare.pdf")));
        best[1] = std::min(best[1], static_cast<double>(t.nsecsElapsed()) / 1e9);
    }
    const double ratio = best[0] / best[1];
    std::printf("  layout model + print : %7.3f s  (%d pages, %lld kB)\n", best[0], pages[0],
                QFileInfo(dir.filePath(QStringLiteral("model.pdf"))).size() / 1024);
    std::printf("  bare QPainter drawing: %7.3f s  (%d pages, %lld kB)\n", best[1], pages[1],
                QFileInfo(dir.filePath(QStringLiteral("bare.pdf"))).size() / 1024);
    std::printf("  ratio                : %7.2f  (target: at most 2.00) %s\n", ratio,
                ratio <= 2.0 ? "met" : "NOT MET");
    return 0;
}
