// The layout model on the Qt canvas: into images, and through QPrinter into PDF files that are
// read back with pdftotext.
#include <QFontDatabase>
#include <QImage>
#include <QPrinter>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>
#include <stdexcept>

#include "app/print/fontfallback.h"
#include "app/print/qtcanvas.h"
#include "app/widgets/chartpainter.h"
#include "core/layout/items.h"
#include "core/layout/pagination.h"
#include "core/layout/printrange.h"
#include "core/layout/styles.h"
#include "tests/app/support/pdftext.h"

using namespace tarnik;
using tarnik::testing::PdfText;
using tarnik::testing::pdfText;

namespace {

// The box holding every pixel darker than mid grey (null when there is none).
QRect inkBox(const QImage& img, const QRect& area) {
    int left = INT_MAX, top = INT_MAX, right = -1, bottom = -1;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (qGray(img.pixel(x, y)) < 128) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    if (right < 0) return {};
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

int countPixels(const QImage& img, const QRect& area, const std::function<bool(QRgb)>& match) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += match(img.pixel(x, y)) ? 1 : 0;
    return n;
}

bool isBarColour(QRgb c) {
    const QColor bar = chartBarColour();
    return std::abs(qRed(c) - bar.red()) < 12 && std::abs(qGreen(c) - bar.green()) < 12 &&
           std::abs(qBlue(c) - bar.blue()) < 12;
}

QImage whitePage(int w, int h) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(Qt::white);
    return img;
}

// A canvas whose chart painting fails, as a chart control that raises an error.
class FailingChartCanvas : public QtCanvas {
public:
    using QtCanvas::QtCanvas;
    bool drawChart(const ChartData&, const Rect&) override {
        throw std::runtime_error("the chart failed");
    }
};

} // namespace

class QtCanvasTest : public QObject {
    Q_OBJECT

    TStyles styles;

private slots:
    void initTestCase() { AddReportStyles(styles, "Arial"); }

    void fallsBackToAMetricCompatibleFace() {
        const QString face = installedFontFace(QStringLiteral("Arial"));
        if (QFontDatabase::hasFamily(QStringLiteral("Arial")))
            QCOMPARE(face, QStringLiteral("Arial"));
        else if (QFontDatabase::hasFamily(QStringLiteral("Liberation Sans")))
            QCOMPARE(face, QStringLiteral("Liberation Sans"));
        QVERIFY(QFontDatabase::hasFamily(face) || face == QStringLiteral("Arial"));
        // A face nobody maps is left to the font system.
        QCOMPARE(installedFontFace(QStringLiteral("Brak Takiej Czcionki")),
                 QStringLiteral("Brak Takiej Czcionki"));
    }

    // What the canvas measures is what it draws: the ink of a wrapped paragraph ends in its
    // last measured line and stays within the box's width.
    void wrappedHeightsMatchTheDrawnText() {
        QImage img = whitePage(1400, 1600);
        QtCanvas canvas(img);
        canvas.setFont(FontSpec{"Arial", 12, kBlack, false});
        const std::string text = "Ocena ryzyka zawodowego na stanowisku pracy spawacza: hałas, "
                                 "pyły, promieniowanie nadfioletowe, gazy spawalnicze i "
                                 "dźwiganie ciężarów ponad normę, zażółć gęślą jaźń.";
        Rect measured{100, 100, 500, 100};
        const int h = canvas.drawText(text, measured, kTextWordBreak | kTextCalcRect);
        const int lineH = QFontMetrics(qtFont(FontSpec{"Arial", 12}), &img).height();
        QVERIFY(h >= 3 * lineH);
        QCOMPARE(h % lineH, 0);
        QCOMPARE(measured.bottom, 100 + h);
        QVERIFY(measured.right <= 500);

        QVERIFY(canvas.beginDoc("obraz"));
        Rect box{100, 100, 500, 100 + h};
        QCOMPARE(canvas.drawText(text, box, kTextWordBreak), h);
        QVERIFY(canvas.endDoc());
        const QRect ink = inkBox(img, img.rect());
        QVERIFY(!ink.isNull());
        QVERIFY2(ink.bottom() < 100 + h,
                 qPrintable(QStringLiteral("text drawn below its measured height: ink to %1, "
                                           "%2 measured in lines of %3")
                                .arg(ink.bottom())
                                .arg(100 + h)
                                .arg(lineH)));
        QVERIFY2(ink.bottom() >= 100 + h - lineH, "the last measured line is empty");
        QVERIFY(ink.top() >= 100);
        QVERIFY(ink.left() >= 100);
        QVERIFY2(ink.right() < 500, "a wrapped line runs past the box");

        // A measured line is as wide as its ink (give or take the letters' side bearings).
        img.fill(Qt::white);
        QVERIFY(canvas.beginDoc("obraz"));
        for (const char* line : {"Wąż Żółw", "AVAVAV To Ty", "Łączny wskaźnik narażenia"}) {
            Rect one{100, 100, 1300, 100};
            canvas.drawText(line, one, kTextCalcRect);
            const int width = one.width();
            img.fill(Qt::white);
            Rect drawn{100, 100, 1300, 200};
            canvas.drawText(line, drawn, 0);
            const QRect lineInk = inkBox(img, img.rect());
            QVERIFY2(std::abs(lineInk.right() + 1 - (100 + width)) <= 3, line);
        }
        canvas.endDoc();

        // Right-aligned lines end at the box's right edge, centred ones sit in its middle.
        img.fill(Qt::white);
        QVERIFY(canvas.beginDoc("obraz"));
        Rect right{100, 100, 700, 200};
        canvas.drawText("do prawej", right, kTextWordBreak | kTextRight);
        Rect centre{100, 300, 700, 400};
        canvas.drawText("środek", centre, kTextWordBreak | kTextCenter);
        canvas.endDoc();
        const QRect r = inkBox(img, QRect(0, 90, 1400, 110));
        QVERIFY(r.right() <= 700 && r.right() >= 690);
        const QRect c = inkBox(img, QRect(0, 290, 1400, 110));
        QVERIFY(std::abs((c.left() - 100) - (700 - c.right())) <= 6);
    }

    void aLongWordIsClippedToItsBox() {
        QImage img = whitePage(800, 300);
        QtCanvas canvas(img);
        canvas.setFont(FontSpec{"Arial", 14, kBlack, true});
        QVERIFY(canvas.beginDoc("obraz"));
        Rect box{100, 100, 200, 200};
        canvas.drawText("Konstantynopolitańczykowianeczka", box, kTextWordBreak);
        canvas.endDoc();
        const QRect ink = inkBox(img, img.rect());
        QVERIFY(!ink.isNull());
        QVERIFY(ink.left() >= 100);
        QVERIFY(ink.right() < 200);
    }

    void aChartItemPaintsIntoItsRectangleAndAFailingOneLeavesItBlank() {
        ChartModel model;
        model.openData(1, 1, 4);
        model.setThisSerie(0);
        const double values[] = {3006, 2004, 1000, 500};
        for (int i = 0; i < 4; ++i)
            model.putValue(i, values[i]);
        model.closeData(1);
        model.setAxis(ChartModel::kAxisMax, 4000);
        model.setAxis(ChartModel::kAxisStep, 2000);
        model.setLegendWidth(0);

        for (const bool failing : {false, true}) {
            QImage img = whitePage(1000, 1000);
            std::unique_ptr<QtCanvas> canvas = failing ? std::make_unique<FailingChartCanvas>(img)
                                                       : std::make_unique<QtCanvas>(img);
            {
                TDoc doc(*canvas);
                doc.styles = &styles;
                doc.SetMargins(50, 50, 50, 50);
                doc.noHeaderOnFirstPage = true;
                doc.NewPage();
                auto chart = std::make_unique<TChart>(doc, &model);
                chart->width = 600;
                chart->height = 400;
                doc.AddItem(std::move(chart));
                doc.AddText("Po wykresie", "NBold");
                doc.Print();
            }
            const QRect chartRect(50, 50, 600, 400);
            const int bars = countPixels(img, chartRect, isBarColour);
            const int outside = countPixels(img, QRect(650, 50, 350, 400),
                                            [](QRgb c) { return c != qRgb(255, 255, 255); });
            QCOMPARE(outside, 0);
            if (failing) {
                QCOMPARE(
                    countPixels(img, chartRect, [](QRgb c) { return c != qRgb(255, 255, 255); }),
                    0);
            } else {
                QVERIFY(bars > 1000);
            }
            // The page goes on under the picture either way.
            QVERIFY(!inkBox(img, QRect(0, 450, 1000, 100)).isNull());
        }
    }

    void aDocumentOfSeveralPagesPrintsIntoAPdfThatReadsBack() {
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("raport.pdf"));
        QPrinter printer(QPrinter::HighResolution);
        QCOMPARE(setUpReportPrinter(printer, pdf, true), PrintTarget::Pdf);
        QtPrinterCanvas canvas(printer);
        QVERIFY(std::abs(canvas.pageWidth() - 4960) <= 4); // A4 at 600 dpi
        int pages = 0;
        {
            TDoc doc(canvas, "Ocena ryzyka");
            QVERIFY(canvas.printing());
            doc.styles = &styles;
            const int mm = canvas.pageWidth() / 210;
            doc.SetMargins(20 * mm, 15 * mm, 15 * mm, 20 * mm);
            doc.noHeaderOnFirstPage = true;
            doc.headerText = "Spawacz,   strona &p";
            doc.NewPage();
            doc.AddText("Tarnik", "BigBigHeader");
            for (int i = 1; i <= 60; ++i)
                doc.AddText("Akapit " + std::to_string(i) +
                                ": Łódź, zażółć gęślą jaźń. Pracownik zapoznał się z oceną "
                                "ryzyka zawodowego na swoim stanowisku pracy i ją rozumie.",
                            "Normal");
            auto table = std::make_unique<TTable>(doc);
            table->width = doc.usableWidth;
            table->inner = Rect{2 * mm, 2 * mm, 2 * mm, 2 * mm};
            table->border = true;
            table->SetColumns({10, 2});
            table->NewRow();
            table->AddCell("Liczba wypadków przy pracy", "TableLeft");
            table->AddCell("7", "TableText");
            doc.AddItem(std::move(table));
            pages = doc.pageCount;
            QVERIFY(pages >= 3);
            doc.Print();
        }
        QVERIFY(!canvas.printing());
        QVERIFY(QFileInfo(pdf).size() > 0);

        const PdfText read = pdfText(pdf);
        QVERIFY2(read.available, "pdftotext is not installed: the PDF checks need poppler-utils");
        QVERIFY2(read.ok, qPrintable(read.error));
        const QString& text = read.text;
        QCOMPARE(text.count(QLatin1Char('\f')), pages);
        QVERIFY(text.contains(QStringLiteral("Tarnik")));
        QVERIFY(text.contains(QStringLiteral("Akapit 1: Łódź, zażółć gęślą jaźń.")));
        QVERIFY(text.contains(QStringLiteral("Akapit 60:")));
        QVERIFY(text.contains(QStringLiteral("Spawacz,   strona 2")) ||
                text.contains(QStringLiteral("Spawacz, strona 2")));
        QVERIFY(!text.contains(QStringLiteral("strona 1")));
        QVERIFY(text.contains(QStringLiteral("Liczba wypadków przy pracy")));
    }

    void aPageRangeOfAPdfHasItsPagesOnly() {
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("zakres.pdf"));
        QPrinter printer(QPrinter::HighResolution);
        setUpReportPrinter(printer, pdf, true);
        QtPrinterCanvas canvas(printer);
        {
            TDoc doc(canvas);
            doc.styles = &styles;
            doc.SetMargins(400, 400, 400, 400);
            doc.headerText = "Strona numer &p";
            doc.printPolishLetters = false;
            for (int i = 1; i <= 5; ++i) {
                doc.NewPage();
                doc.AddText("Treść strony " + std::to_string(i) + " Łódź", "Normal");
            }
            doc.Print(PrintRange::pages(2, 3));
        }
        const PdfText read = pdfText(pdf);
        QVERIFY2(read.available, "pdftotext is not installed: the PDF checks need poppler-utils");
        QVERIFY2(read.ok, qPrintable(read.error));
        const QString& text = read.text;
        QCOMPARE(text.count(QLatin1Char('\f')), 2);
        QVERIFY(text.contains(QStringLiteral("Strona numer 2")));
        QVERIFY(text.contains(QStringLiteral("Strona numer 3")));
        QVERIFY(text.contains(QStringLiteral("Tresc strony 2 Lodz")));
        QVERIFY(!text.contains(QStringLiteral("numer 1")));
        QVERIFY(!text.contains(QStringLiteral("numer 4")));
    }

    void aDocumentThatIsNeverPrintedLeavesNoFile() {
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("porzucony.pdf"));
        QPrinter printer(QPrinter::HighResolution);
        setUpReportPrinter(printer, pdf, true);
        QtPrinterCanvas canvas(printer);
        {
            TDoc doc(canvas);
            doc.styles = &styles;
            doc.SetMargins(400, 400, 400, 400);
            doc.NewPage();
            doc.AddText("Niedokończony raport", "Normal");
        }
        QVERIFY(!canvas.printing());
        QVERIFY(!QFile::exists(pdf));
    }

    void aFileThatCannotBeWrittenFailsThePrint() {
        QTemporaryDir dir;
        QPrinter printer(QPrinter::HighResolution);
        setUpReportPrinter(printer, dir.filePath(QStringLiteral("brak/folderu/raport.pdf")), true);
        QtPrinterCanvas canvas(printer);
        TDoc doc(canvas);
        doc.styles = &styles;
        doc.SetMargins(400, 400, 400, 400);
        doc.NewPage();
        doc.AddText("Raport", "Normal");
        QVERIFY(!doc.Print());
        QVERIFY(!canvas.printing());
    }
};

QTEST_MAIN(QtCanvasTest)
#include "test_qtcanvas.moc"
