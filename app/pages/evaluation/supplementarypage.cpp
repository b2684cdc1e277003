#include "app/pages/evaluation/supplementarypage.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "app/document/document.h"
#include "app/help/helpcontext.h"
#include "app/widgets/fieldspinbox.h"
#include "app/widgets/limitedtextedit.h"
#include "app/widgets/pagewidgets.h"
#include "app/widgets/widgetbinding.h"
#include "app/wizard/wizard.h"

namespace tarnik {

const std::array<const char*, 6> kProbabilityScale{
    "* zdarzenie nastąpi w przeciągu jednego roku – 200 pkt",
    "* zdarzenie bardzo prawdopodobne – 90 pkt",
    "* zdarzenie prawdopodobne – 80 pkt",
    "* zdarzenie możliwe – 40 pkt",
    "* zdarzenie mało prawdopodobne – 20 pkt",
    "* zdarzenie praktycznie niemożliwe – 1 pkt"};

const std::array<const char*, 5> kConsequenceScale{
    "* wypadek lekki – 5 pkt", "* wypadek ciężki lub  powstanie choroby zawodowej – 9 pkt",
    "* wypadek ciężki zbiorowy – 20 pkt", "* wypadek śmiertelny – 40 pkt",
    "* wypadek śmiertelny, zbiorowy – 50 pkt"};

namespace {

// The value of an input field of the page other than SE1004 and SE1007.
int inputValue(const Assessment& a, int n) {
    switch (n) {
    case 1001:
        return a.SE1001;
    case 1002:
        return a.SE1002;
    case 1003:
        return a.SE1003;
    case 1005:
        return a.SE1005;
    case 1006:
        return a.SE1006;
    default:
        return a.SE1007;
    }
}

template <std::size_t N> QLabel* scaleLabel(const std::array<const char*, N>& lines, QWidget* p) {
    QStringList text;
    for (const char* line : lines)
        text << QString::fromUtf8(line);
    QLabel* l = captionLabel(text.join(QLatin1Char('\n')), p);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return l;
}

constexpr int kHelpProbability = 13500;
constexpr int kHelpConsequences = 13600;
constexpr int kHelpPrevious = 13700;
constexpr int kHelpTasks = 13720;
constexpr int kHelpUnrealised = 13730;
constexpr int kHelpExpert = 13800;
constexpr int kHelpJustification = 13900;

} // namespace

SupplementaryPage::SupplementaryPage(PageContext& ctx, QWidget* parent)
    : WizardPage(ctx, QStringLiteral("Karta uzupełniajaca"),
                 QStringLiteral("karta-uzupelniajaca.html"), parent) {
    registerHelpTopics({{kHelpProbability, "karta-uzupelniajaca.html#prawdopodobienstwo"},
                        {kHelpConsequences, "karta-uzupelniajaca.html#prawdopodobienstwo"},
                        {kHelpPrevious, "karta-uzupelniajaca.html#plan"},
                        {kHelpTasks, "karta-uzupelniajaca.html#plan"},
                        {kHelpUnrealised, "karta-uzupelniajaca.html#plan"},
                        {kHelpExpert, "karta-uzupelniajaca.html#ekspert"},
                        {kHelpJustification, "karta-uzupelniajaca.html#ekspert"}});

    auto field = [this](int n, int min, int max, QWidget* box, int help) {
        FieldSpinBox* f = numberField(QStringLiteral("SE%1").arg(n), min, max, box);
        f->setMinimumWidth(f->fontMetrics().horizontalAdvance(QStringLiteral("-00000000000")) + 30);
        setHelpContext(f, help);
        fields_[static_cast<std::size_t>(n - 1001)] = f;
        return f;
    };

    // Probability of an accident and the level of its consequences, each beside its scale.
    auto* probability = new QGroupBox(QStringLiteral("Wskaźnik prawdopodobieństwa"), this);
    probability->setObjectName(QStringLiteral("GroupProbability"));
    auto* pg = new QGridLayout(probability);
    pg->setHorizontalSpacing(12);
    pg->setVerticalSpacing(8);
    FieldSpinBox* se1001 = field(1001, 0, kIntMax, probability, kHelpProbability);
    FieldSpinBox* se1002 = field(1002, 0, kIntMax, probability, kHelpConsequences);
    pg->addWidget(buddyCaption(QStringLiteral("Prawdopodobieństwo &zaistnienia wypadku:"), se1001,
                               probability, true),
                  0, 0, Qt::AlignTop);
    pg->addWidget(se1001, 0, 1, Qt::AlignTop);
    pg->addWidget(scaleLabel(kProbabilityScale, probability), 0, 2);
    pg->addWidget(buddyCaption(QStringLiteral("Poziom &ewentualnych skutków zagrożenia:"), se1002,
                               probability, true),
                  1, 0, Qt::AlignTop);
    pg->addWidget(se1002, 1, 1, Qt::AlignTop);
    pg->addWidget(scaleLabel(kConsequenceScale, probability), 1, 2);
    lb1001_ = captionLabel(QString(), probability);
    lb1001_->setObjectName(QStringLiteral("LB1001"));
    setBold(lb1001_);
    pg->addWidget(lb1001_, 2, 0, 1, 3);
    pg->setColumnStretch(0, 2);
    pg->setColumnStretch(2, 3);
    content()->addWidget(probability);

    // The realisation of the previous assessment's plan.
    planGroup_ =
        new QGroupBox(QStringLiteral("Wskaźnik realizacji planu poprawy warunków pracy"), this);
    planGroup_->setObjectName(QStringLiteral("GroupPlan"));
    auto* lg = new QGridLayout(planGroup_);
    lg->setHorizontalSpacing(12);
    lg->setVerticalSpacing(6);
    FieldSpinBox* se1003 = field(1003, 0, kIntMax, planGroup_, kHelpPrevious);
    se1004_ = new QLineEdit(planGroup_);
    se1004_->setObjectName(QStringLiteral("SE1004"));
    se1004_->setReadOnly(true);
    se1004_->setAlignment(Qt::AlignRight);
    se1004_->setMinimumWidth(se1003->minimumWidth());
    se1004_->setToolTip(QStringLiteral("Wartość z karty poziomu zagrożeń"));
    FieldSpinBox* se1005 = field(1005, 0, kIntMax, planGroup_, kHelpTasks);
    FieldSpinBox* se1006 = field(1006, 0, kIntMax, planGroup_, kHelpUnrealised);
    const std::pair<QString, QWidget*> planRows[4] = {
        {QStringLiteral("łączny wskaźnik narażenia z poprzedn&iej oceny:"), se1003},
        {QStringLiteral("łączny wskaźnik narażenia z &aktualnej oceny:"), se1004_},
        {QStringLiteral("&liczba zadań wynikających z poprzedniej oceny:"), se1005},
        {QStringLiteral("liczba &niezrealizowanych zadań wynikających z poprzedniej oceny:"),
         se1006}};
    for (int i = 0; i < 4; ++i) {
        lg->addWidget(buddyCaption(planRows[i].first, planRows[i].second, planGroup_, true), i, 0);
        lg->addWidget(planRows[i].second, i, 1, Qt::AlignTop);
    }
    st1002_ = captionLabel(QString(), planGroup_);
    st1002_->setObjectName(QStringLiteral("ST1002"));
    setBold(st1002_);
    lg->addWidget(st1002_, 4, 0, 1, 2);
    lg->setColumnStretch(0, 1);
    lg->setRowStretch(5, 1);

    // The expert index and why it was given.
    auto* expert = new QGroupBox(QStringLiteral("Wskaźnik eksperta"), this);
    expert->setObjectName(QStringLiteral("GroupExpert"));
    auto* eg = new QGridLayout(expert);
    eg->setHorizontalSpacing(12);
    eg->setVerticalSpacing(6);
    FieldSpinBox* se1007 = field(1007, kIntMin, kIntMax, expert, kHelpExpert);
    memo1_ = new LimitedTextEdit(int(kStoredTextLength), 3, expert);
    memo1_->setObjectName(QStringLiteral("Memo1"));
    memo1_->setTabChangesFocus(true);
    setHelpContext(memo1_, kHelpJustification);
    eg->addWidget(buddyCaption(QStringLiteral("wa&rtość wskaźnika:"), se1007, expert), 0, 0);
    eg->addWidget(se1007, 0, 1, Qt::AlignLeft);
    eg->addWidget(buddyCaption(QStringLiteral("&uzasadnienie wprowadzenia:"), memo1_, expert), 1, 0,
                  1, 2);
    eg->addWidget(memo1_, 2, 0, 1, 2);
    eg->setRowStretch(2, 1);
    eg->setColumnStretch(1, 1);

    auto* lower = new QHBoxLayout;
    lower->setSpacing(8);
    lower->addWidget(planGroup_, 3);
    lower->addWidget(expert, 2);
    content()->addLayout(lower, 1);

    for (int n : {1001, 1002, 1003, 1005, 1006}) {
        FieldSpinBox* f = this->field(n);
        connect(f, &FieldSpinBox::rawTextChanged, this,
                guard([this, n, f] { fieldChanged(n, f->rawText()); }));
        connect(f, &FieldSpinBox::left, this, [this, n](const QString& raw) {
            runGuarded([&] { fieldLeft(n, raw); }, window());
        });
    }
    connect(se1007, &FieldSpinBox::rawTextChanged, this,
            guard([this, se1007] { expertChanged(se1007->rawText()); }));
    connect(se1007, &FieldSpinBox::left, this, [this, se1007] {
        // A text that is no number counts as 0; leaving the field shows so.
        LoadingScope quiet(this);
        se1007->showValue(model().SE1007);
    });
    connect(memo1_, &QPlainTextEdit::textChanged, this, [this] {
        if (loading()) return;
        model().Memo1 = editorTextToModel(memo1_->toPlainText());
        markChanged();
    });

    QWidget* order[] = {se1001, se1002, se1003, se1004_, se1005, se1006, se1007, memo1_};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

FieldSpinBox* SupplementaryPage::field(int n) const {
    return n >= 1001 && n <= 1007 ? fields_[static_cast<std::size_t>(n - 1001)] : nullptr;
}

void SupplementaryPage::documentReset() {
    LoadingScope quiet(this);
    dropFocus(this);
}

void SupplementaryPage::loadFromModel() {
    showFields();
    memo1_->setPlainText(modelTextToEditor(model().Memo1));
    showIndices();
}

void SupplementaryPage::pageShown(PageReason) {
    // TabSheet10Show.
    planGroup_->setVisible(Evaluation::planGroupVisible(model()));
}

void SupplementaryPage::fieldChanged(int n, const QString& raw) {
    if (loading()) return;
    const std::optional<std::string> replacement =
        document().evaluation().supplementaryFieldChange(model(), n, raw.toStdString());
    LoadingScope quiet(this);
    if (replacement) field(n)->replaceText(qs(*replacement));
    showFields(n);
    showIndices();
}

void SupplementaryPage::fieldLeft(int n, const QString& raw) {
    if (loading()) return;
    // Leaving a field that shows what the assessment holds changes nothing.
    if (raw == QString::number(inputValue(model(), n))) return;
    fieldChanged(n, raw);
}

void SupplementaryPage::expertChanged(const QString& raw) {
    if (loading()) return;
    document().evaluation().expertIndexEntered(model(), raw.toStdString());
}

void SupplementaryPage::showFields(int typedField) {
    const Assessment& a = model();
    for (int n : {1001, 1002, 1003, 1005, 1006, 1007})
        if (n != typedField) field(n)->showValue(inputValue(a, n));
    se1004_->setText(QString::number(a.SE1004.get()));
}

void SupplementaryPage::showIndices() {
    const Evaluation& e = document().evaluation();
    lb1001_->setText(qs(e.LB1001));
    st1002_->setText(qs(e.ST1002));
}

} // namespace tarnik
