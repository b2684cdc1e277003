#include "app/pages/cards/measurementbox.h"

#include <QButtonGroup>
#include <QDateEdit>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/help/helpcontext.h"
#include "app/widgets/dateedit.h"
#include "app/widgets/widgetbinding.h"
#include "core/model/assessment.h"

namespace tarnik {

namespace {

QLabel* labelFor(const QString& text, QWidget* buddy, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setBuddy(buddy);
    return l;
}

QLineEdit* lineEdit(const char* name, int helpContext, QWidget* parent,
                    std::size_t storedLength = kStoredTextLength) {
    auto* e = new QLineEdit(parent);
    e->setMaxLength(int(storedLength));
    e->setObjectName(QString::fromLatin1(name));
    setHelpContext(e, helpContext);
    return e;
}

QPushButton* insertButton(const char* name, QWidget* parent) {
    auto* b = new QPushButton(QStringLiteral("Wstaw..."), parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

QString mnemonicLimitLabel(const char* text) {
    // "Krotność &NDS:" / "Krotność &NDN:"
    QString t = QString::fromUtf8(text);
    const qsizetype at = t.indexOf(QLatin1Char('N'));
    if (at >= 0) t.insert(at, QLatin1Char('&'));
    return t;
}

} // namespace

MeasurementBox::MeasurementBox(QWidget* parent) : QGroupBox(QStringLiteral("Pomiar"), parent) {
    setObjectName(QStringLiteral("GroupPomiar"));
    date_ = new DateEdit(this);
    date_->setObjectName(QStringLiteral("DTP601"));
    setHelpContext(date_, 9700);
    place_ = lineEdit("ED603", 9710, this);
    performer_ = lineEdit("Ed604", 9720, this);
    method_ = lineEdit("Ed605", 9730, this);
    result_ = lineEdit("Ed606", 9740, this);
    performerInsert_ = insertButton("BtnWstawWykonawce", this);
    methodInsert_ = insertButton("BtnWstawMetode", this);

    meetsChoice_ = new QWidget(this);
    auto* ml = new QHBoxLayout(meetsChoice_);
    ml->setContentsMargins(0, 0, 0, 0);
    meetsYes_ = new QRadioButton(QStringLiteral("Tak"), meetsChoice_);
    meetsNo_ = new QRadioButton(QStringLiteral("Nie"), meetsChoice_);
    meetsYes_->setObjectName(QStringLiteral("RG602Tak"));
    meetsNo_->setObjectName(QStringLiteral("RG602Nie"));
    meets_ = new QButtonGroup(this);
    meets_->addButton(meetsYes_, 0);
    meets_->addButton(meetsNo_, 1);
    meetsYes_->setChecked(true);
    for (QRadioButton* b : {meetsYes_, meetsNo_})
        setHelpContext(b, 9750);
    ml->addWidget(meetsYes_);
    ml->addWidget(meetsNo_);
    ml->addStretch(1);

    auto* grid = new QGridLayout(this);
    grid->setVerticalSpacing(4);
    grid->addWidget(labelFor(QStringLiteral("Data pomia&ru:"), date_, this), 0, 0);
    grid->addWidget(date_, 0, 1, Qt::AlignLeft);
    grid->addWidget(labelFor(QStringLiteral("M&iejsce pomiaru:"), place_, this), 1, 0);
    grid->addWidget(place_, 1, 1, 1, 2);
    grid->addWidget(labelFor(QStringLiteral("W&ykonawca pomiaru:"), performer_, this), 2, 0);
    grid->addWidget(performer_, 2, 1);
    grid->addWidget(performerInsert_, 2, 2);
    grid->addWidget(labelFor(QStringLiteral("M&etoda pomiaru:"), method_, this), 3, 0);
    grid->addWidget(method_, 3, 1);
    grid->addWidget(methodInsert_, 3, 2);
    resultLabel_ = labelFor(QStringLiteral("Wynik pomiar&u:"), result_, this);
    grid->addWidget(resultLabel_, 4, 0);
    grid->addWidget(result_, 4, 1, 1, 2);
    meetsLabel_ = labelFor(QStringLiteral("&Spełnia wymagania:"), meetsYes_, this);
    grid->addWidget(meetsLabel_, 5, 0);
    grid->addWidget(meetsChoice_, 5, 1, 1, 2);

    // The multiples of the limit and, beside them, what may be typed.
    multiplicityArea_ = new QWidget(this);
    auto* mg = new QGridLayout(multiplicityArea_);
    mg->setContentsMargins(0, 4, 0, 0);
    mg->setHorizontalSpacing(4);
    mg->setVerticalSpacing(4);
    static constexpr std::array<const char*, 4> kNames{"Ed607", "Ed608", "Ed609", "Ed610"};
    for (std::size_t i = 0; i < multiples_.size(); ++i) {
        QLineEdit* e = lineEdit(kNames[i], 9760, multiplicityArea_, kStoredMultipleLength);
        const int digit = fontMetrics().horizontalAdvance(QLatin1Char('0'));
        e->setMinimumWidth(digit * 4 + 12);
        e->setMaximumWidth(digit * 12 + 12);
        e->installEventFilter(this);
        multiples_[i] = e;
    }
    limitLabel_ = labelFor(mnemonicLimitLabel(kLimitLabelNDS), multiples_[0], multiplicityArea_);
    const QString captions[] = {
        QStringLiteral("w stosunku do ko&biet:"),
        QStringLiteral("w stosunku do kobiet w ciąży  i okresie karmienia:"),
        QStringLiteral("w stosunku do młodocianyc&h:")};
    mg->addWidget(limitLabel_, 0, 0);
    for (int i = 0; i < 3; ++i)
        mg->addWidget(labelFor(captions[i], multiples_[std::size_t(i) + 1], multiplicityArea_),
                      i + 1, 0);
    for (int i = 0; i < 4; ++i)
        mg->addWidget(multiples_[std::size_t(i)], i, 1);

    legend_ = new QWidget(multiplicityArea_);
    legend_->setObjectName(QStringLiteral("Legenda"));
    auto* lg = new QVBoxLayout(legend_);
    lg->setContentsMargins(8, 0, 0, 0);
    // The legend is a reminder beside the edits, in a slightly smaller type.
    QFont small = legend_->font();
    small.setPointSizeF(small.pointSizeF() * 0.9);
    legend_->setFont(small);
    lg->setSpacing(0);
    lg->addWidget(new QLabel(QString::fromUtf8(kLegendHeading), legend_));
    legendPC_ = new QWidget(legend_);
    auto* pc = new QVBoxLayout(legendPC_);
    pc->setContentsMargins(0, 0, 0, 0);
    pc->setSpacing(0);
    auto legendLine = [](const char* text, QWidget* box) {
        return new QLabel(QString::fromUtf8(text), box);
    };
    pc->addWidget(legendLine(kLegendP, legendPC_));
    pc->addWidget(legendLine(kLegendC, legendPC_));
    legendR_ = new QWidget(legend_);
    auto* r = new QVBoxLayout(legendR_);
    r->setContentsMargins(0, 0, 0, 0);
    r->setSpacing(0);
    r->addWidget(legendLine(kLegendR1, legendR_));
    auto* r2 = legendLine(kLegendR2, legendR_);
    r2->setIndent(r2->fontMetrics().horizontalAdvance(QStringLiteral("R - ")));
    r->addWidget(r2);
    lg->addWidget(legendPC_);
    lg->addWidget(legendR_);
    lg->addStretch(1);
    mg->addWidget(legend_, 0, 2, 4, 1);
    mg->setColumnStretch(2, 1);
    grid->addWidget(multiplicityArea_, 6, 0, 1, 3);
    // The card keeps its width from factor to factor: hiding the multiples (lighting, electric
    // current) leaves their room empty instead of giving it to the list beside the card.
    QSizePolicy keep = multiplicityArea_->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    multiplicityArea_->setSizePolicy(keep);

    grid->setColumnStretch(1, 1);
    grid->setRowStretch(7, 1);

    QWidget* order[] = {date_,         place_,        performer_,   performerInsert_, method_,
                        methodInsert_, result_,       meetsYes_,    meetsNo_,         multiples_[0],
                        multiples_[1], multiples_[2], multiples_[3]};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        setTabOrder(order[i], order[i + 1]);
}

QLineEdit* MeasurementBox::multiplicityEdit(int column) const {
    return column >= 0 && column < 4 ? multiples_[std::size_t(column)] : nullptr;
}

void MeasurementBox::showValues(const CardInput& in) {
    loadedDate_ = in.DTP601;
    date_->setDate(dateFromDayNumber(in.DTP601));
    shownDate_ = date_->date();
    place_->setText(QString::fromStdString(in.ED603));
    performer_->setText(QString::fromStdString(in.Ed604));
    method_->setText(QString::fromStdString(in.Ed605));
    result_->setText(QString::fromStdString(in.Ed606));
    for (std::size_t i = 0; i < multiples_.size(); ++i)
        multiples_[i]->setText(QString::fromStdString(in.multiples[i]));
    (in.RG602 == 1 ? meetsNo_ : meetsYes_)->setChecked(true);
}

void MeasurementBox::readValues(CardInput& out) const {
    const QDate d = date_->date();
    out.DTP601 = d == shownDate_ ? loadedDate_ : dayNumberFromDate(d);
    out.ED603 = place_->text().toStdString();
    out.Ed604 = performer_->text().toStdString();
    out.Ed605 = method_->text().toStdString();
    out.Ed606 = result_->text().toStdString();
    for (std::size_t i = 0; i < multiples_.size(); ++i)
        out.multiples[i] = multiples_[i]->text().toStdString();
    out.RG602 = meetsNo_->isChecked() ? 1 : 0;
}

void MeasurementBox::applyLayout(const CardLayout& layout) {
    if (*layout.limitLabel) limitLabel_->setText(mnemonicLimitLabel(layout.limitLabel));
    multiplicityArea_->setVisible(layout.showMultiplicityRows);
    legendPC_->setVisible(layout.showLegendPC);
    legendR_->setVisible(layout.showLegendR);
    meetsLabel_->setVisible(layout.showMeetsRequirements);
    meetsChoice_->setVisible(layout.showMeetsRequirements);
    resultLabel_->setVisible(layout.showResult);
    result_->setVisible(layout.showResult);
}

bool MeasurementBox::eventFilter(QObject* watched, QEvent* event) {
    // Leaving the edit for another control; not a menu opening over it or another window
    // (a message box) taking the focus.
    if (event->type() == QEvent::FocusOut) {
        const Qt::FocusReason why = static_cast<QFocusEvent*>(event)->reason();
        if (why == Qt::PopupFocusReason || why == Qt::ActiveWindowFocusReason)
            return QGroupBox::eventFilter(watched, event);
        for (std::size_t i = 0; i < multiples_.size(); ++i)
            if (watched == multiples_[i]) emit multiplicityLeft(static_cast<int>(i));
    }
    return QGroupBox::eventFilter(watched, event);
}

} // namespace tarnik
