// The hazard level card page: its captions, the recount when it is shown, a weight that counts
// only once its field is left, "Przywróć", a weight still being typed when the file is saved,
// and the two charts, whose pictures on the screen are the ones the painter makes.
#include <QAccessible>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "app/document/document.h"
#include "app/pages/evaluation/hazardcardpage.h"
#include "app/pages/evaluation/risklevelpage.h"
#include "app/platform/pathutil.h"
#include "app/shell/application.h"
#include "app/shell/documentcommands.h"
#include "app/widgets/chartpainter.h"
#include "app/widgets/chartwidget.h"
#include "app/widgets/fieldspinbox.h"
#include "app/wizard/wizard.h"
#include "core/model/trkfile.h"
#include "core/rules/factors/selection.h"
#include "tests/app/support/assessmentfiles.h"
#include "tests/app/support/testsupport.h"

using namespace tarnik;
using namespace tarnik::testing;

namespace {

// The weights of the nine rows that "Przywróć" brings back.
constexpr int kWeights[9] = {5000, 3000, 1000, 3000, 3000, 100, 10, 1000, 10};

QString accessibleName(QObject* o) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(o);
    return iface ? iface->text(QAccessible::Name) : QString();
}

// The chart as the painter makes it for the widget's size.
QImage painted(const ChartWidget* w) {
    QImage img(w->size(), QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    paintChart(p, QRectF(QPointF(0, 0), QSizeF(w->size())), w->model()->data());
    p.end();
    return img;
}

QImage onScreen(ChartWidget* w) {
    QApplication::processEvents();
    return w->grab().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

int barPixels(const QImage& img) {
    const QColor bar = chartBarColour();
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixelColor(x, y) == bar) ++n;
    return n;
}

} // namespace

class HazardCardTest : public QObject, WindowTestBase {
    Q_OBJECT

    QTemporaryDir dir;

    Wizard& wiz() { return w->wizard(); }
    HazardCardPage* page() { return wiz().page<HazardCardPage>(); }
    Assessment& model() { return w->document().assessment(); }
    QString fixtureFile() { return dir.filePath(QStringLiteral("karta.trk")); }
    QString shown(int n) { return page()->indexLabel(n)->text(); }

    void openFixture() {
        saveAssessmentFile(fixtures::evaluationAssessment(), fixtureFile());
        w->commands().openAtStartup(fixtureFile());
        wiz().showPage(kPageHazardCard);
        w->document().SetSaved(true);
    }
    void type(FieldSpinBox* f, const QString& text) {
        f->setFocus();
        QVERIFY(f->hasFocus());
        f->selectAll();
        QTest::keyClicks(f, text);
    }
    void leave() { page()->restoreButton()->setFocus(); }

private slots:
    void init() {
        openWindow();
        QVERIFY(showWindow(true));
    }
    void cleanup() { closeWindow(); }

    // A new assessment: the captions as the card has them, 36 zeros, zero indices, a chart
    // scale of 2 with a step of 1 and no legend.
    void newAssessment() {
        wiz().showPage(kPageHazardCard);
        for (int r = 1; r <= 9; ++r) {
            QCOMPARE(accessibleName(page()->weightField(r)),
                     QString::fromUtf8(kHazardRowCaptions[std::size_t(r - 1)]));
            QCOMPARE(page()->weightField(r)->value(), kWeights[r - 1]);
            for (int g = 0; g < 4; ++g)
                QCOMPARE(page()->countLabel(r, g)->text(), QStringLiteral("0"));
        }
        QCOMPARE(accessibleName(page()->weightField(6)),
                 QStringLiteral("których wartosci mieszczą się pomiędzy 0,5 a 1,0 NDN lub NDS"));
        QStringList texts;
        for (QLabel* l : page()->findChildren<QLabel*>())
            texts << l->text();
        for (const char* caption :
             {"Liczba czynników szkodliwych, uciążliwych i niebezpiecznych", "Parametr",
              "W odniesieniu do", "ogólnych wymagań", "kobiet",
              "kobiet w ciąży lub w okresie karmienia", "młodocianych", "Wskaźnik narażenia:",
              "mężczyzn (1):", "kobiet (bez kobiet w ciąży lub w okresie karmienia) (2):",
              "kobiet w ciąży lub w okresie karmienia (3):", "młodocianych (4):", "łączny:"})
            QVERIFY2(texts.contains(QString::fromUtf8(caption)), caption);
        for (int n = 701; n <= 705; ++n)
            QCOMPARE(shown(n), QStringLiteral("0"));
        QVERIFY(page()->indexLabel(705)->font().bold());
        QCOMPARE(page()->restoreButton()->text(), QStringLiteral("Prz&ywróć"));
        const ChartData& chart = w->document().evaluation().Chart1.data();
        QCOMPARE(chart.axisMax, 2);
        QCOMPARE(chart.axisStep, 1);
        QVERIFY(!chart.legend);
        QCOMPARE(page()->chart()->objectName(), QStringLiteral("Chart1"));
    }

    // Typing a weight changes nothing; leaving the field recomputes the indices from the counts
    // of the last showing and marks the document.
    void aWeightCountsWhenItsFieldIsLeft() {
        openFixture();
        QCOMPARE(shown(705), QStringLiteral("5219"));
        // The card counted when it was shown; a factor moved since then is not recounted.
        factorsToDescribe(model()).front().record->hazardCategory = {9, 9, 9, 9};
        type(page()->weightField(1), QStringLiteral("6000"));
        QCOMPARE(model().p1.get(), 5000);
        QCOMPARE(shown(705), QStringLiteral("5219"));
        QVERIFY(w->document().IsSaved());
        leave();
        QCOMPARE(model().p1.get(), 6000);
        // 6000 + 100 + 10 + 10 = 6120 for the first three groups, 6000 + 100 + 1000 + 10 for
        // juveniles, scaled by 5, 3, 1 and 1 of 10 workers.
        QCOMPARE(shown(701), QStringLiteral("3060"));
        QCOMPARE(shown(702), QStringLiteral("1836"));
        QCOMPARE(shown(703), QStringLiteral("612"));
        QCOMPARE(shown(704), QStringLiteral("711"));
        QCOMPARE(shown(705), QStringLiteral("6219"));
        QCOMPARE(page()->countLabel(1, 0)->text(), QStringLiteral("1"));
        QCOMPARE(page()->countLabel(9, 0)->text(), QStringLiteral("1"));
        QVERIFY(!w->document().IsSaved());
        QCOMPARE(model().SE1004.get(), 6219);
        QCOMPARE(w->document().evaluation().Chart1.data().axisMax, 4000);

        // Showing the card again recounts.
        wiz().back();
        wiz().showPage(kPageHazardCard);
        QCOMPARE(page()->countLabel(1, 0)->text(), QStringLiteral("0"));
        QCOMPARE(page()->countLabel(9, 0)->text(), QStringLiteral("2"));

        // Leaving a weight without changing it leaves the document as it was.
        w->document().SetSaved(true);
        page()->weightField(2)->setFocus();
        leave();
        QVERIFY(w->document().IsSaved());
    }

    // A weight left empty counts as 0, its lower bound, and shows so.
    void anEmptyWeightIsZero() {
        openFixture();
        FieldSpinBox* p7 = page()->weightField(7);
        p7->setFocus();
        p7->selectAll();
        QTest::keyClick(p7, Qt::Key_Delete);
        QCOMPARE(p7->text(), QString());
        leave();
        QCOMPARE(model().p7.get(), 0);
        QCOMPARE(p7->text(), QStringLiteral("0"));
        QCOMPARE(shown(701), QStringLiteral("2555")); // 5110 × 5 div 10
    }

    // "Przywróć" brings back the nine defaults and recomputes; the document is marked only when
    // a weight changed.
    void restoreBringsBackTheDefaults() {
        openFixture();
        QTest::mouseClick(page()->restoreButton(), Qt::LeftButton);
        QVERIFY(w->document().IsSaved());
        QCOMPARE(shown(705), QStringLiteral("5219"));

        type(page()->weightField(1), QStringLiteral("6000"));
        type(page()->weightField(9), QStringLiteral("0"));
        leave();
        QCOMPARE(shown(705), QStringLiteral("6209"));
        w->document().SetSaved(true);
        QTest::mouseClick(page()->restoreButton(), Qt::LeftButton);
        for (int r = 1; r <= 9; ++r) {
            QCOMPARE(model().weight(r).get(), kWeights[r - 1]);
            QCOMPARE(page()->weightField(r)->value(), kWeights[r - 1]);
        }
        QCOMPARE(shown(705), QStringLiteral("5219"));
        QCOMPARE(page()->countLabel(1, 0)->text(), QStringLiteral("1"));
        QVERIFY(!w->document().IsSaved());
    }

    // A weight still being typed when the file is saved goes into the file.
    void aWeightBeingTypedIsSaved() {
        openFixture();
        type(page()->weightField(3), QStringLiteral("1234"));
        QVERIFY(page()->weightField(3)->hasFocus());
        QVERIFY(w->commands().Save());
        Assessment back(0);
        back.questions.clear();
        QVERIFY(readTrkFile(back, toPath(fixtureFile())).ok());
        QCOMPARE(back.p3.get(), 1234);
        QCOMPARE(model().p3.get(), 1234);
    }

    // A weight typed when the page is left by Alt+D (the focus still in the field) counts; one
    // typed when another document replaces this one does not reach the new document.
    void aWeightBeingTypedWhenThePageIsLeft() {
        openFixture();
        type(page()->weightField(1), QStringLiteral("6000"));
        wiz().next();
        QCOMPARE(wiz().currentIndex(), int(kPageSafety));
        QCOMPARE(model().p1.get(), 6000);
        QCOMPARE(model().SE1004.get(), 6219);

        wiz().back();
        type(page()->weightField(2), QStringLiteral("2500"));
        prompts->answers.enqueue(false); // "Zapisać zmiany?" No
        w->commands().New();
        QCOMPARE(model().p2.get(), 3000);
        QVERIFY(w->document().IsSaved());
        wiz().showPage(kPageHazardCard);
        QCOMPARE(page()->weightField(2)->value(), 3000);
    }

    // Both charts show on the screen exactly what the painter draws into an image of their
    // size, and follow the font face of their data.
    void chartsPaintTheirBarsAsOnScreen() {
        openFixture();
        ChartWidget* chart1 = page()->chart();
        QVERIFY(chart1->width() > 100 && chart1->height() > 80);
        QImage screen = onScreen(chart1);
        QCOMPARE(screen, painted(chart1));
        QVERIFY(barPixels(screen) > 100);

        Evaluation& e = w->document().evaluation();
        e.Chart1.setFontFace("DejaVu Serif");
        e.Chart2.setFontFace("DejaVu Serif");
        const QImage serif = onScreen(chart1);
        QCOMPARE(serif, painted(chart1));
        QVERIFY(serif != screen);

        wiz().showPage(kPageRiskLevel);
        ChartWidget* chart2 = wiz().page<RiskLevelPage>()->chart();
        QCOMPARE(chart2->objectName(), QStringLiteral("Chart2"));
        QCOMPARE(chart2->model(), &e.Chart2);
        QVERIFY(chart2->width() > 100 && chart2->height() > 80);
        screen = onScreen(chart2);
        QCOMPARE(screen, painted(chart2));
        QVERIFY(barPixels(screen) > 100);
        QCOMPARE(e.Chart2.data().fontFace, std::string("DejaVu Serif"));
    }
};

TARNIK_TEST_MAIN(HazardCardTest)
#include "test_hazardcard.moc"
