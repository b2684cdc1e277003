#include "app/pages/general/stationpage.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "app/document/document.h"
#include "app/help/helpcontext.h"
#include "app/widgets/compacttextedit.h"
#include "app/widgets/widgetbinding.h"
#include "app/wizard/wizard.h"

namespace tarnik {

namespace {

std::string& editField(Assessment& a, int i) {
    return i == 0 ? a.Ed201 : i == 1 ? a.Ed202 : a.Ed203;
}

} // namespace

StationPage::StationPage(PageContext& ctx, QWidget* parent)
    : WizardPage(ctx, QStringLiteral("Opis i charakterystyka stanowiska"),
                 QStringLiteral("opis-stanowiska.html"), parent) {
    registerHelpTopics({{5500, "opis-stanowiska.html#lokalizacja"}});
    const QString editCaptions[3] = {QStringLiteral("W&ydział:"),
                                     QStringLiteral("&Hala/pomieszczenie:"),
                                     QStringLiteral("&Ustawienie – lokalizacja:")};
    const QString memoCaptions[10] = {QStringLiteral("&Rodzaj produkcji:"),
                                      QStringLiteral("Technolo&gia:"),
                                      QStringLiteral("&Materiały, surowce:"),
                                      QStringLiteral("Ma&szyny, urządzenia i narzędzia:"),
                                      QStringLiteral("Podstawowe &zagrożenia:"),
                                      QStringLiteral("Opis pr&acy - czynności:"),
                                      QStringLiteral("Sposób wykonywa&nia pracy:"),
                                      QStringLiteral("&Czas pracy z podziałem na czynności:"),
                                      QStringLiteral("Środki ochrony &indywidualnej"),
                                      QStringLiteral("Środki ochrony z&biorowej")};

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(14);
    grid->setVerticalSpacing(2);
    auto* left = new QVBoxLayout;
    auto* right = new QVBoxLayout;
    left->setSpacing(2);
    right->setSpacing(2);

    auto* editsGrid = new QGridLayout;
    editsGrid->setVerticalSpacing(4);
    for (int i = 0; i < 3; ++i) {
        auto* e = new QLineEdit(this);
        e->setObjectName(QStringLiteral("Ed%1").arg(201 + i));
        e->setMaxLength(int(kStoredTextLength));
        setHelpContext(e, 5500);
        auto* l = new QLabel(editCaptions[i], this);
        l->setBuddy(e);
        editsGrid->addWidget(l, i, 0);
        editsGrid->addWidget(e, i, 1);
        edits_[static_cast<std::size_t>(i)] = e;
        connect(e, &QLineEdit::textChanged, this, [this, i](const QString& t) {
            if (loading()) return;
            editField(model(), i) = t.toStdString();
            markChanged();
        });
    }
    editsGrid->setColumnStretch(1, 1);
    left->addLayout(editsGrid);
    left->addSpacing(4);

    for (int i = 0; i < 10; ++i) {
        auto* m = new CompactTextEdit(2, this);
        m->setObjectName(QStringLiteral("mm%1").arg(204 + i));
        m->setTabChangesFocus(true);
        m->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        auto* l = new QLabel(memoCaptions[i], this);
        l->setBuddy(m);
        QVBoxLayout* column = i < 4 ? left : right;
        column->addWidget(l);
        column->addWidget(m, 1);
        memos_[static_cast<std::size_t>(i)] = m;
        const int n = 204 + i;
        connect(m, &QPlainTextEdit::textChanged, this, [this, m, n] {
            if (loading()) return;
            model().mm(n) = editorTextToModel(m->toPlainText());
            markChanged();
        });
    }
    grid->addLayout(left, 0, 0);
    grid->addLayout(right, 0, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    content()->addLayout(grid, 1);

    // Tab order: the left column from the top, then the right column.
    QWidget* previous = edits_[0];
    for (std::size_t i = 1; i < 3; ++i) {
        setTabOrder(previous, edits_[i]);
        previous = edits_[i];
    }
    for (QPlainTextEdit* m : memos_) {
        setTabOrder(previous, m);
        previous = m;
    }
}

void StationPage::loadFromModel() {
    Assessment& a = model();
    for (int i = 0; i < 3; ++i)
        edits_[static_cast<std::size_t>(i)]->setText(QString::fromStdString(editField(a, i)));
    for (int i = 0; i < 10; ++i)
        memos_[static_cast<std::size_t>(i)]->setPlainText(modelTextToEditor(a.mm(204 + i)));
}

void StationPage::pageShown(PageReason) {
    wizard().setBackVisible(true);
}

} // namespace tarnik
