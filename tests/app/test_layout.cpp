// The window as a user sees it: on every page nothing is cut off, and the general data pages can
// be filled with the keyboard alone. With TARNIK_SCREENSHOT_DIR set, each page is also saved as a
// picture there.
#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QTest>

#include "app/document/document.h"
#include "app/help/helpwindow.h"
#include "app/shell/aboutwindow.h"
#include "app/shell/application.h"
#include "app/shell/splashwindow.h"
#include "app/wizard/wizard.h"
#include "app/wizard/wizardpage.h"
#include "tests/app/support/testsupport.h"

using namespace tarnik;
using namespace tarnik::testing;

namespace {

// Whether the widget's whole rectangle lies inside the page (which may scroll in the window).
bool insidePage(const QWidget* w, const QWidget* page) {
    const QRect r(w->mapTo(page, QPoint(0, 0)), w->size());
    return page->rect().contains(r);
}

// The window, with its frame, within a 1280 x 720 screen.
bool fitsSmallScreen(const QWidget* w) {
    return w->frameGeometry().width() <= 1280 && w->frameGeometry().height() <= 720 &&
           w->width() <= 1280 && w->height() <= 720;
}

// Text of a label or button that does not fit its widget.
QString cutOff(QWidget* w) {
    if (auto* l = qobject_cast<QLabel*>(w)) {
        if (l->text().isEmpty() || !l->pixmap().isNull()) return {};
        if (l->wordWrap()) {
            if (l->heightForWidth(l->width()) > l->height() + 1) return l->text();
            return {};
        }
        if (l->sizeHint().width() > l->width() + 1 ||
            l->minimumSizeHint().height() > l->height() + 1)
            return l->text();
    } else if (auto* b = qobject_cast<QAbstractButton*>(w)) {
        if (b->sizeHint().width() > b->width() + 1) return b->text();
    } else if (auto* g = qobject_cast<QGroupBox*>(w)) {
        if (g->minimumSizeHint().width() > g->width() + 1) return g->title();
    }
    return {};
}

bool isInput(QWidget* w) {
    return qobject_cast<QLineEdit*>(w) || qobject_cast<QPlainTextEdit*>(w) ||
           qobject_cast<QAbstractSpinBox*>(w) || qobject_cast<QAbstractButton*>(w);
}

} // namespace

class LayoutTest : public QObject, WindowTestBase {
    Q_OBJECT

private slots:
    void initTestCase() {
        MainWindowOptions o;
        o.programDir = shippedDataDir();
        openWindow(o);
        QVERIFY(showWindow());
    }
    void cleanupTestCase() { closeWindow(); }

    void windowFitsASmallScreenAndMayBeResized() {
        // At least the room of the design, at most what a 1280 x 720 screen holds.
        QVERIFY(w->centralWidget()->width() >= 779);
        QVERIFY(w->centralWidget()->height() >= 552);
        QVERIFY(fitsSmallScreen(w.get()));
        QVERIFY(w->minimumWidth() <= 779 && w->minimumHeight() <= 552);
        QVERIFY(w->maximumWidth() > 1280 && w->maximumHeight() > 720);
        QVERIFY(!(w->windowFlags() & Qt::MSWindowsFixedSizeDialogHint));

        // A larger window: every page takes the room it is given.
        const QSize before = w->size();
        w->resize(1260, 700);
        QApplication::processEvents();
        for (int i = 0; i < w->wizard().count(); ++i) {
            w->wizard().showPage(i);
            QApplication::processEvents();
            auto* area =
                qobject_cast<QScrollArea*>(w->wizard().page(i)->parentWidget()->parentWidget());
            QVERIFY2(area, "every page lies in a scrolling area");
            QCOMPARE(w->wizard().page(i)->width(), area->viewport()->width());
        }
        // A smaller one: the pages scroll instead of being cut off.
        w->resize(w->minimumSize());
        QApplication::processEvents();
        for (int i = 0; i < w->wizard().count(); ++i) {
            w->wizard().showPage(i);
            QApplication::processEvents();
            WizardPage* page = w->wizard().page(i);
            auto* area = qobject_cast<QScrollArea*>(page->parentWidget()->parentWidget());
            QVERIFY(page->height() >= page->minimumSizeHint().height());
            if (page->height() > area->viewport()->height())
                QVERIFY(area->verticalScrollBar()->maximum() > 0);
        }
        w->resize(before);
        w->wizard().restart();
        QApplication::processEvents();
    }

    void everyPageShowsItsTextWhole() {
        const QString shots = qEnvironmentVariable("TARNIK_SCREENSHOT_DIR");
        if (!shots.isEmpty()) QDir().mkpath(shots);
        for (int i = 0; i < w->wizard().count(); ++i) {
            w->wizard().showPage(i);
            QApplication::processEvents();
            WizardPage* page = w->wizard().page(i);
            // Showing a page never grows the window.
            QVERIFY(fitsSmallScreen(w.get()));
            for (QWidget* child : page->findChildren<QWidget*>()) {
                if (!child->isVisible()) continue;
                QVERIFY2(insidePage(child, page),
                         qPrintable(QStringLiteral("page %1: %2 lies outside the page")
                                        .arg(i)
                                        .arg(child->objectName())));
                const QString text = cutOff(child);
                QVERIFY2(text.isEmpty(),
                         qPrintable(QStringLiteral("page %1: \"%2\" is cut off").arg(i).arg(text)));
            }
            for (QAbstractButton* b :
                 w->wizard().findChildren<QAbstractButton*>(QString(), Qt::FindDirectChildrenOnly))
                if (b->isVisible()) QVERIFY(cutOff(b).isEmpty());
            if (!shots.isEmpty())
                QVERIFY(w->grab().save(
                    QStringLiteral("%1/page%2.png").arg(shots).arg(i, 2, 10, QLatin1Char('0'))));
        }
        w->wizard().restart();
    }

    // The splash, the about window and the help window show their texts whole.
    void otherWindows() {
        const QString shots = qEnvironmentVariable("TARNIK_SCREENSHOT_DIR");
        SplashWindow splash;
        splash.start();
        QVERIFY(QTest::qWaitForWindowExposed(&splash));
        QCOMPARE(splash.versionLabel()->text(), QStringLiteral("wersja 2.18"));
        QVERIFY(cutOff(splash.versionLabel()).isEmpty());
        QCOMPARE(splash.size(), QSize(500, 269));
        QVERIFY(!splash.timerFired());
        if (!shots.isEmpty()) QVERIFY(splash.grab().save(shots + QStringLiteral("/splash.png")));

        w->aboutWindow()->showAt(QPoint(0, 0), QRect(0, 0, 1024, 768));
        QVERIFY(QTest::qWaitForWindowExposed(w->aboutWindow()));
        for (QWidget* c : w->aboutWindow()->findChildren<QWidget*>())
            if (c->isVisible()) QVERIFY2(cutOff(c).isEmpty(), qPrintable(cutOff(c)));
        if (!shots.isEmpty())
            QVERIFY(w->aboutWindow()->grab().save(shots + QStringLiteral("/about.png")));
        w->aboutWindow()->close();

        w->helpWindow()->showTopic(QStringLiteral("poziom-ryzyka.html#granice"));
        QVERIFY(w->helpWindow()->browser()->toPlainText().contains(QStringLiteral("bardzo duże")));
        if (!shots.isEmpty())
            QVERIFY(w->helpWindow()->grab().save(shots + QStringLiteral("/help.png")));
        w->helpWindow()->close();
    }

    // Tab visits every field and button of the general data pages, in reading order.
    void tabReachesEveryField_data() {
        QTest::addColumn<int>("page");
        QTest::newRow("Dane ogólne") << int(kPageGeneralData);
        QTest::newRow("Opis stanowiska") << int(kPageStation);
    }
    void tabReachesEveryField() {
        QFETCH(int, page);
        w->wizard().showPage(page);
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        QSet<QWidget*> expected;
        for (QWidget* c : w->wizard().page(page)->findChildren<QWidget*>())
            if (c->isVisible() && c->isEnabled() && isInput(c) &&
                (c->focusPolicy() & Qt::TabFocus) &&
                !qobject_cast<QAbstractSpinBox*>(c->parentWidget()))
                expected << c;
        QVERIFY(!expected.isEmpty());
        QWidget* first = *expected.begin();
        first->setFocus(Qt::TabFocusReason);
        QSet<QWidget*> seen;
        for (int step = 0; step < 200 && seen.size() < expected.size(); ++step) {
            QWidget* f = QApplication::focusWidget();
            for (QWidget* x = f; x; x = x->parentWidget())
                if (expected.contains(x)) seen << x;
            QTest::keyClick(f, Qt::Key_Tab);
        }
        for (QWidget* e : expected)
            QVERIFY2(seen.contains(e),
                     qPrintable(e->objectName() + QLatin1Char(' ') + e->metaObject()->className()));
        w->wizard().restart();
    }
};

TARNIK_TEST_MAIN(LayoutTest)
#include "test_layout.moc"
