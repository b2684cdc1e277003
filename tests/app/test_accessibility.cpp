// Every control that takes input carries its caption as its accessible name (the text of the
// label that names it, the text of a button or check box, the title of its group), so that a
// screen reader, and the program's own checks, find it by the words on the screen.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextDocumentFragment>
#include <QTextEdit>

#include "app/document/document.h"
#include "app/pages/cards/factorcardeditor.h"
#include "app/pages/cards/measurementbox.h"
#include "app/pages/cards/measurementcardpage.h"
#include "app/shell/application.h"
#include "app/wizard/wizard.h"
#include "app/wizard/wizardpage.h"
#include "tests/app/support/testsupport.h"

using namespace tarnik;
using namespace tarnik::testing;

namespace {

// A control the user types into, clicks or chooses in. The edit inside a spin box or a combo
// box is part of that control.
bool takesInput(QWidget* w) {
    if (qobject_cast<QAbstractSpinBox*>(w->parentWidget()) ||
        qobject_cast<QComboBox*>(w->parentWidget()))
        return false;
    // A list's header names its columns; it is part of the list.
    if (qobject_cast<QHeaderView*>(w)) return false;
    if (auto* e = qobject_cast<QLineEdit*>(w)) return !e->isReadOnly();
    if (auto* e = qobject_cast<QPlainTextEdit*>(w)) return !e->isReadOnly();
    if (auto* e = qobject_cast<QTextEdit*>(w)) return !e->isReadOnly();
    return qobject_cast<QAbstractButton*>(w) || qobject_cast<QAbstractSpinBox*>(w) ||
           qobject_cast<QComboBox*>(w) || qobject_cast<QAbstractItemView*>(w);
}

QString accessibleName(QObject* o) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(o);
    return iface ? iface->text(QAccessible::Name).trimmed() : QString();
}

// The words of a caption as the user reads them: no mnemonic sign, no markup, one line.
QString captionText(const QLabel* label) {
    QString text = label->text();
    if (Qt::mightBeRichText(text)) text = QTextDocumentFragment::fromHtml(text).toPlainText();
    text.remove(QLatin1Char('&'));
    return text.replace(QLatin1Char('\n'), QLatin1Char(' ')).trimmed();
}

QString describe(QWidget* w) {
    return QStringLiteral("%1 \"%2\"")
        .arg(QLatin1String(w->metaObject()->className()), w->objectName());
}

} // namespace

class AccessibilityTest : public QObject, WindowTestBase {
    Q_OBJECT

private slots:
    void initTestCase() {
        MainWindowOptions o;
        o.programDir = shippedDataDir();
        openWindow(o);
        QVERIFY(showWindow());
    }
    void cleanupTestCase() { closeWindow(); }

    void everyControlOfEveryPageHasItsName() {
        QStringList unnamed;
        for (int i = 0; i < w->wizard().count(); ++i) {
            w->wizard().showPage(i);
            QApplication::processEvents();
            WizardPage* page = w->wizard().page(i);
            for (QWidget* c : page->findChildren<QWidget*>()) {
                if (!takesInput(c)) continue;
                if (accessibleName(c).isEmpty())
                    unnamed << QStringLiteral("page %1: %2").arg(i).arg(describe(c));
                // The entries of a list carry their texts.
                if (auto* view = qobject_cast<QListView*>(c)) {
                    QAbstractItemModel* m = view->model();
                    for (int r = 0; m && r < m->rowCount(); ++r)
                        if (m->index(r, 0).data().toString().trimmed().isEmpty())
                            unnamed << QStringLiteral("page %1: entry %2 of %3")
                                           .arg(i)
                                           .arg(r)
                                           .arg(describe(c));
                }
            }
        }
        for (QAbstractButton* b : w->wizard().findChildren<QAbstractButton*>())
            if (accessibleName(b).isEmpty()) unnamed << describe(b);
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QLatin1Char('\n'))));
        w->wizard().restart();
    }

    // Every control named by a caption carries the caption it shows now, after the program has
    // rewritten the captions: the multiples of a physical factor's card are "Krotność NDN:".
    // (A control may say more than its caption: "data: szkolenie pierwsze okresowe".)
    void theNamesFollowTheirCaptions() {
        Assessment& a = w->document().assessment();
        QVERIFY(!a.LB503.empty());
        a.LB503[0].checked = true;
        QStringList wrong;
        for (int i = 0; i < w->wizard().count(); ++i) {
            w->wizard().showPage(i);
            if (i == kPageMeasurementCards)
                w->wizard().page<MeasurementCardPage>()->selectFactor(0);
            QApplication::processEvents();
            for (QLabel* label : w->wizard().page(i)->findChildren<QLabel*>()) {
                QWidget* control = label->buddy();
                // A button is named by its own text ("karta pomiaru").
                if (!control || !takesInput(control) || qobject_cast<QAbstractButton*>(control))
                    continue;
                if (!accessibleName(control).endsWith(captionText(label)))
                    wrong << QStringLiteral("page %1: %2 is \"%3\", its caption \"%4\"")
                                 .arg(i)
                                 .arg(describe(control), accessibleName(control),
                                      captionText(label));
            }
        }
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));
        MeasurementBox* box = w->wizard().page<MeasurementCardPage>()->card()->measurement();
        QCOMPARE(accessibleName(box->multiplicityEdit(0)), QStringLiteral("Krotność NDN:"));
        w->wizard().restart();
    }

    // The name is the caption the user reads, without its mnemonic sign.
    void theNameIsTheCaption() {
        auto* regon = w->findChild<QLineEdit*>(QStringLiteral("EdtRegon"));
        QVERIFY(regon);
        QCOMPARE(accessibleName(regon), QStringLiteral("Regon:"));
        auto* zaklad = w->findChild<QPlainTextEdit*>(QStringLiteral("EdtZaklad"));
        QCOMPARE(accessibleName(zaklad), QStringLiteral("Nazwa zakładu:"));
        QCOMPARE(accessibleName(w->wizard().nextButton()), QStringLiteral("Dalej"));
    }
};

TARNIK_TEST_MAIN(AccessibilityTest)
#include "test_accessibility.moc"
