#include "app/pages/workers/workerform.h"

#include <QButtonGroup>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/help/helpcontext.h"
#include "app/widgets/dateedit.h"
#include "app/widgets/pagewidgets.h"
#include "app/widgets/widgetbinding.h"
#include "core/rules/workers/training.h"
#include "core/rules/workers/workereditor.h"
#include "core/rules/workers/workers.h"

namespace tarnik {

namespace {

QLabel* warningLabel(const char* name, QWidget* parent) {
    auto* l = new QLabel(parent);
    l->setObjectName(QString::fromLatin1(name));
    QPalette pal = l->palette();
    pal.setColor(QPalette::WindowText, Qt::red);
    l->setPalette(pal);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    // The line keeps its room while it is empty, so that nothing moves when a warning appears.
    l->setMinimumHeight(l->fontMetrics().height());
    l->setMinimumWidth(l->fontMetrics().horizontalAdvance(
        QString::fromUtf8(kStoredTrainingWarning) + QStringLiteral("  ")));
    return l;
}

} // namespace

WorkerForm::WorkerForm(const Assessment& assessment, QWidget* parent)
    : QWidget(parent), assessment_(assessment) {
    firstName_ = new QLineEdit(this);
    firstName_->setObjectName(QStringLiteral("Ed401"));
    surname_ = new QLineEdit(this);
    surname_->setObjectName(QStringLiteral("Ed402"));
    position_ = new QLineEdit(this);
    position_->setObjectName(QStringLiteral("Ed403"));
    for (QLineEdit* e : {firstName_, surname_, position_})
        e->setMaxLength(int(kStoredTextLength));
    setHelpContext(firstName_, 7720);
    setHelpContext(surname_, 7730);
    setHelpContext(position_, 7750);

    auto* personal = new QGridLayout;
    personal->setContentsMargins(0, 0, 0, 0);
    personal->setHorizontalSpacing(6);
    personal->setVerticalSpacing(4);
    personal->addWidget(buddyCaption(QStringLiteral("&Imię:"), firstName_, this), 0, 0);
    personal->addWidget(firstName_, 0, 1);
    personal->addWidget(buddyCaption(QStringLiteral("Na&zwisko:"), surname_, this), 0, 2);
    personal->addWidget(surname_, 0, 3);
    personal->addWidget(buddyCaption(QStringLiteral("&Stanowisko:"), position_, this), 1, 0);
    personal->addWidget(position_, 1, 1);
    QDateEdit* employed = makeDate(kEmployment, "DTP401", this);
    setHelpContext(employed, 7760);
    personal->addWidget(buddyCaption(QStringLiteral("Data zat&rudnienia:"), employed, this), 1, 2);
    personal->addWidget(employed, 1, 3);
    personal->setColumnStretch(1, 1);
    personal->setColumnStretch(3, 1);

    auto* checks = new QHBoxLayout;
    checks->setSpacing(6);
    checks->addWidget(buildQualifications(), 0);
    checks->addWidget(buildExaminations(), 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);
    layout->addLayout(personal);
    layout->addWidget(buildCategories());
    layout->addLayout(checks);
    layout->addWidget(buildTrainings());
    layout->addStretch(1);

    connectHandlers();
    clear();
    setEditing(false);
}

QGroupBox* WorkerForm::buildCategories() {
    categoryBox_ = new QGroupBox(QStringLiteral("&Grupa"), this);
    categoryBox_->setObjectName(QStringLiteral("RG401"));
    setHelpContext(categoryBox_, 7740);
    categoryGroup_ = new QButtonGroup(categoryBox_);
    auto* g = new QGridLayout(categoryBox_);
    g->setContentsMargins(6, 2, 6, 4);
    g->setVerticalSpacing(2);
    for (int i = 0; i < 4; ++i) {
        auto* b =
            new QRadioButton(QString::fromUtf8(kWorkerCategoryItems[std::size_t(i)]), categoryBox_);
        b->setObjectName(QStringLiteral("RG401_%1").arg(i));
        setHelpContext(b, 7740);
        categoryGroup_->addButton(b, i);
        categories_[std::size_t(i)] = b;
    }
    // "mężczyzna", "kobieta" in the first column; the longer two in the second.
    g->addWidget(categories_[0], 0, 0);
    g->addWidget(categories_[1], 1, 0);
    g->addWidget(categories_[2], 0, 1);
    g->addWidget(categories_[3], 1, 1);
    g->setColumnStretch(1, 1);
    return categoryBox_;
}

WorkerForm::Pair WorkerForm::makePair(Answer a, const QString& caption, QWidget* parent) {
    static const char* names[kAnswerCount][2] = {{"RB402", "RB412"}, {"RB403", "RB413"},
                                                 {"RB404", "RB414"}, {"RB405", "RB415"},
                                                 {"RB406", "RB416"}, {"RB407", "RB417"}};
    Pair p;
    p.yes = new QRadioButton(QStringLiteral("tak"), parent);
    p.no = new QRadioButton(QStringLiteral("nie"), parent);
    p.yes->setObjectName(QString::fromLatin1(names[a][0]));
    p.no->setObjectName(QString::fromLatin1(names[a][1]));
    // Twelve buttons read "tak" or "nie": each says what it answers.
    p.yes->setAccessibleDescription(caption);
    p.no->setAccessibleDescription(caption);
    p.group = new QButtonGroup(parent);
    p.group->addButton(p.yes, 1);
    p.group->addButton(p.no, 0);
    const int help = a == kQualifications ? 7770 : a == kExaminations ? 7780 : 7800;
    setHelpContext(p.yes, help);
    setHelpContext(p.no, help);
    pairs_[std::size_t(a)] = p;
    return p;
}

QDateEdit* WorkerForm::makeDate(DateField field, const char* name, QWidget* parent) {
    auto* d = new DateEdit(parent);
    d->setObjectName(QString::fromLatin1(name));
    d->setDateRange(QDate(100, 1, 1), QDate(9999, 12, 31));
    // Room for the longest date; wider than that the field need not grow.
    d->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    dates_[std::size_t(field)] = d;
    return d;
}

QGroupBox* WorkerForm::buildQualifications() {
    auto* box = new QGroupBox(QStringLiteral("&Kwalifikacje"), this);
    auto* g = new QGridLayout(box);
    g->setContentsMargins(6, 2, 6, 4);
    const Pair p = makePair(kQualifications, QStringLiteral("Kwalifikacje – Odpowiednie:"), box);
    g->addWidget(new QLabel(QStringLiteral("Odpowiednie:"), box), 0, 0);
    g->addWidget(p.yes, 0, 1);
    g->addWidget(p.no, 0, 2);
    g->setRowStretch(1, 1);
    return box;
}

QGroupBox* WorkerForm::buildExaminations() {
    auto* box = new QGroupBox(QStringLiteral("Pro&filaktyczne badania lekarskie"), this);
    auto* g = new QGridLayout(box);
    g->setContentsMargins(6, 2, 6, 4);
    g->setVerticalSpacing(3);
    const Pair p = makePair(kExaminations,
                            QStringLiteral("Profilaktyczne badania lekarskie – Odpowiednie:"), box);
    g->addWidget(new QLabel(QStringLiteral("Odpowiednie:"), box), 0, 0);
    auto* answers = new QHBoxLayout;
    answers->addWidget(p.yes);
    answers->addWidget(p.no);
    answers->addStretch(1);
    g->addLayout(answers, 0, 1);
    QDateEdit* next = makeDate(kNextExamination, "DTP402", box);
    setHelpContext(next, 7790);
    g->addWidget(buddyCaption(QStringLiteral("Data następn&ego badania:"), next, box), 1, 0, 1, 2);
    g->addWidget(next, 2, 0, 1, 2, Qt::AlignLeft);
    stBad_ = warningLabel("STBad", box);
    g->addWidget(stBad_, 3, 0, 1, 2);
    g->setColumnStretch(1, 1);
    return box;
}

QGroupBox* WorkerForm::buildTrainings() {
    auto* box = new QGroupBox(QStringLiteral("Szkolenia &bhp"), this);
    auto* g = new QGridLayout(box);
    g->setContentsMargins(6, 2, 6, 4);
    g->setHorizontalSpacing(10);
    g->setVerticalSpacing(2);
    struct Row {
        Answer answer;
        const char* caption;
        int date; // DateField, or -1
        const char* dateName;
    };
    const Row rows[] = {{kGeneralTraining, "ogólne", -1, nullptr},
                        {kStationTraining, "stanowiskowe", -1, nullptr},
                        {kFirstPeriodic, "pierwsze okresowe", kFirstPeriodicDate, "DTP403"},
                        {kFurtherPeriodic, "kolejne okresowe", kFurtherPeriodicDate, "DTP404"}};
    auto* dateHeading = new QLabel(QStringLiteral("data"), box);
    g->addWidget(dateHeading, 0, 3, Qt::AlignHCenter);
    for (int r = 0; r < 4; ++r) {
        const Row& row = rows[r];
        const QString caption = QString::fromUtf8(row.caption);
        const Pair p = makePair(row.answer, QStringLiteral("szkolenie ") + caption, box);
        auto* label = new QLabel(caption, box);
        g->addWidget(label, r + 1, 0);
        g->addWidget(p.yes, r + 1, 1);
        g->addWidget(p.no, r + 1, 2);
        if (row.date >= 0) {
            QDateEdit* d = makeDate(DateField(row.date), row.dateName, box);
            setHelpContext(d, 7810);
            d->setAccessibleName(QStringLiteral("data: szkolenie ") + caption);
            label->setBuddy(d);
            g->addWidget(d, r + 1, 3);
        }
    }
    stSzkol_ = warningLabel("STSzkol", box);
    g->addWidget(stSzkol_, 5, 0, 1, 5);
    g->setColumnStretch(4, 1);
    return box;
}

void WorkerForm::connectHandlers() {
    connect(firstName_, &QLineEdit::textChanged, this, [this](const QString& t) {
        if (!quiet_) fields_.Ed401 = t.toStdString();
    });
    connect(surname_, &QLineEdit::textChanged, this, [this](const QString& t) {
        if (!quiet_) fields_.Ed402 = t.toStdString();
    });
    connect(position_, &QLineEdit::textChanged, this, [this](const QString& t) {
        if (!quiet_) fields_.Ed403 = t.toStdString();
    });
    connect(categoryGroup_, &QButtonGroup::idClicked, this, [this](int id) {
        if (!quiet_) fields_.workerCategory = id;
    });
    for (int a = 0; a < kAnswerCount; ++a)
        connect(pairs_[std::size_t(a)].group, &QButtonGroup::idClicked, this,
                [this, a](int id) { answerClicked(Answer(a), id == 1); });
    for (int f = 0; f < 4; ++f)
        connect(dates_[std::size_t(f)], &QDateEdit::dateChanged, this,
                [this, f](const QDate& d) { dateChanged(DateField(f), d); });
}

bool& WorkerForm::flag(Answer a) {
    switch (a) {
    case kQualifications:
        return fields_.RB402;
    case kExaminations:
        return fields_.RB403;
    case kGeneralTraining:
        return fields_.RB404;
    case kStationTraining:
        return fields_.RB405;
    case kFirstPeriodic:
        return fields_.RB406;
    default:
        return fields_.RB407;
    }
}

DayNumber& WorkerForm::date(DateField field) {
    switch (field) {
    case kEmployment:
        return fields_.DTP401;
    case kNextExamination:
        return fields_.DTP402;
    case kFirstPeriodicDate:
        return fields_.DTP403;
    default:
        return fields_.DTP404;
    }
}

void WorkerForm::showFields() {
    ++quiet_;
    firstName_->setText(QString::fromStdString(fields_.Ed401));
    surname_->setText(QString::fromStdString(fields_.Ed402));
    position_->setText(QString::fromStdString(fields_.Ed403));
    const int category = fields_.workerCategory >= 0 && fields_.workerCategory < 4
                             ? fields_.workerCategory
                             : int(kMen);
    categories_[std::size_t(category)]->setChecked(true);
    for (int a = 0; a < kAnswerCount; ++a) {
        const Pair& p = pairs_[std::size_t(a)];
        (flag(Answer(a)) ? p.yes : p.no)->setChecked(true);
    }
    for (int f = 0; f < 4; ++f)
        dates_[std::size_t(f)]->setDate(dateFromDayNumber(date(DateField(f))));
    --quiet_;
}

void WorkerForm::clear() {
    fields_ = baseline_ = clearedWorkerFields(assessment_.DTPOcena);
    showFields();
    stBad_->clear();
    stSzkol_->clear();
    setEditing(editing_);
}

void WorkerForm::load(const WorkerRecord& record) {
    fields_ = baseline_ = record;
    showFields();
    stBad_->setText(QString::fromStdString(storedExaminationWarning(record)));
    stSzkol_->setText(QString::fromStdString(storedTrainingWarning(record)));
    setEditing(editing_);
}

void WorkerForm::showCurrentWarnings() {
    updateExaminationWarning();
    updateTrainingWarning();
}

void WorkerForm::setEditing(bool on) {
    editing_ = on;
    for (QWidget* w : {static_cast<QWidget*>(firstName_), static_cast<QWidget*>(surname_),
                       static_cast<QWidget*>(position_), static_cast<QWidget*>(categoryBox_)})
        w->setEnabled(on);
    for (const Pair& p : pairs_) {
        p.yes->setEnabled(on);
        p.no->setEnabled(on);
    }
    dates_[kEmployment]->setEnabled(on);
    dates_[kNextExamination]->setEnabled(on);
    showPeriodicDatesOpen();
}

void WorkerForm::showPeriodicDatesOpen() {
    // A periodic training not done has no date to give.
    dates_[kFirstPeriodicDate]->setEnabled(editing_ && firstPeriodicDateGiven(fields_));
    dates_[kFurtherPeriodicDate]->setEnabled(editing_ && furtherPeriodicDateGiven(fields_));
}

void WorkerForm::answerClicked(Answer a, bool yes) {
    if (quiet_) return;
    if (a == kFurtherPeriodic) {
        // RB407Click, RB417Click: without a further training its date may become the first
        // one's.
        answerFurtherPeriodicTraining(fields_, yes);
        ++quiet_;
        dates_[kFurtherPeriodicDate]->setDate(dateFromDayNumber(fields_.DTP404));
        --quiet_;
    } else {
        flag(a) = yes;
    }
    if (a == kFirstPeriodic || a == kFurtherPeriodic) {
        // RB406Click, RB416Click and the two above.
        showPeriodicDatesOpen();
        updateTrainingWarning();
    }
}

void WorkerForm::dateChanged(DateField field, const QDate& d) {
    if (quiet_ || !d.isValid()) return;
    date(field) = dayNumberFromDate(d);
    if (field == kNextExamination)
        updateExaminationWarning();
    else
        updateTrainingWarning();
}

void WorkerForm::updateExaminationWarning() {
    stBad_->setText(
        QString::fromStdString(examinationWarning(examinationCurrentFor(assessment_, fields_))));
}

void WorkerForm::updateTrainingWarning() {
    stSzkol_->setText(
        QString::fromStdString(trainingWarning(trainingCurrentFor(assessment_, fields_))));
}

QList<QWidget*> WorkerForm::tabOrder() const {
    QList<QWidget*> order{firstName_, surname_, position_, dates_[kEmployment]};
    for (QRadioButton* b : categories_)
        order << b;
    for (int a = 0; a < kAnswerCount; ++a) {
        order << pairs_[std::size_t(a)].yes << pairs_[std::size_t(a)].no;
        if (a == kExaminations) order << dates_[kNextExamination];
        if (a == kFirstPeriodic) order << dates_[kFirstPeriodicDate];
        if (a == kFurtherPeriodic) order << dates_[kFurtherPeriodicDate];
    }
    return order;
}

} // namespace tarnik
