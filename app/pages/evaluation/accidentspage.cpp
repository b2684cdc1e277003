#include "app/pages/evaluation/accidentspage.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include "app/document/document.h"
#include "app/help/helpcontext.h"
#include "app/widgets/fieldspinbox.h"
#include "app/widgets/pagewidgets.h"
#include "app/wizard/wizard.h"

namespace tarnik {

namespace {

RangedInt& accidentField(Assessment& a, int n) {
    switch (n) {
    case 901:
        return a.SE901;
    case 902:
        return a.SE902;
    case 903:
        return a.SE903;
    case 904:
        return a.SE904;
    default:
        return a.SE905;
    }
}

} // namespace

AccidentsPage::AccidentsPage(PageContext& ctx, QWidget* parent)
    : WizardPage(ctx, QStringLiteral("Wypadki przy pracy"), QStringLiteral("wypadki.html"),
                 parent) {
    registerHelpTopics({{12500, "wypadki.html#dane"},
                        {12600, "wypadki.html#dane"},
                        {12700, "wypadki.html#dane"},
                        {12800, "wypadki.html#dane"},
                        {12900, "wypadki.html#choroby"}});

    period_ = captionLabel(QString(), this, true);
    period_->setObjectName(QStringLiteral("Label81"));
    setBold(period_);
    content()->addWidget(period_);

    const QString captions[5] = {
        QStringLiteral("liczba w&ypadków przy pracy:"), QStringLiteral("liczba po&szkodowanych:"),
        QStringLiteral("w tym o&fiar śmiertelnych:"),
        QStringLiteral("liczba dni &niezdolności do pracy spowodowanych wypadkami przy pracy:"),
        QStringLiteral("liczba &chorób zawodowych stwierdzonych w związku z pracą na danym "
                       "stanowisku:")};
    auto* figures = new QGroupBox(this);
    auto* fg = new QGridLayout(figures);
    fg->setVerticalSpacing(6);
    fg->setHorizontalSpacing(12);
    for (int i = 0; i < 5; ++i) {
        const int n = 901 + i;
        FieldSpinBox* f = numberField(QStringLiteral("SE%1").arg(n), 0, kIntMax, figures);
        f->setMinimumWidth(f->fontMetrics().horizontalAdvance(QStringLiteral("00000000000")) + 30);
        setHelpContext(f, 12500 + 100 * i);
        fields_[static_cast<std::size_t>(i)] = f;
        fg->addWidget(buddyCaption(captions[i], f, figures), i, 0);
        fg->addWidget(f, i, 1, Qt::AlignLeft | Qt::AlignVCenter);
        connect(f, &FieldSpinBox::rawTextChanged, this,
                guard([this, n, f] { fieldChanged(n, f->rawText()); }));
        connect(f, &FieldSpinBox::left, this, [this, n](const QString& raw) {
            runGuarded([&] { fieldLeft(n, raw); }, window());
        });
    }
    fg->setColumnStretch(2, 1);
    content()->addWidget(figures);

    const QString indexCaptions[4] = {QStringLiteral("wskaźnik częstotliwości:"),
                                      QStringLiteral("wskaźnik ciężkości:"),
                                      QStringLiteral("skorygowany o liczbę wypadków śmiertelnych"),
                                      QStringLiteral("wskaźnik chorób zawodowych:")};
    auto* results = new QGroupBox(this);
    auto* rg = new QGridLayout(results);
    rg->setVerticalSpacing(6);
    rg->setHorizontalSpacing(12);
    for (int i = 0; i < 4; ++i) {
        QLabel* value = valueBox(QStringLiteral("ST%1").arg(901 + i), results, 11);
        indices_[static_cast<std::size_t>(i)] = value;
        QLabel* caption = captionLabel(indexCaptions[i], results);
        // The corrected severity stands under the severity it corrects.
        if (i == 2)
            caption->setIndent(caption->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 3);
        rg->addWidget(caption, i, 0);
        rg->addWidget(value, i, 1);
    }
    rg->setColumnStretch(2, 1);
    content()->addWidget(results);
    content()->addStretch(1);

    for (std::size_t i = 1; i < fields_.size(); ++i)
        setTabOrder(fields_[i - 1], fields_[i]);
}

FieldSpinBox* AccidentsPage::field(int n) const {
    return n >= 901 && n <= 905 ? fields_[static_cast<std::size_t>(n - 901)] : nullptr;
}

QLabel* AccidentsPage::indexLabel(int n) const {
    return n >= 901 && n <= 904 ? indices_[static_cast<std::size_t>(n - 901)] : nullptr;
}

void AccidentsPage::documentReset() {
    LoadingScope quiet(this);
    dropFocus(this);
}

void AccidentsPage::loadFromModel() {
    showFields();
    showIndices();
}

void AccidentsPage::pageShown(PageReason) {
    // TabSheet9Show.
    document().evaluation().recountAccidents(model());
    period_->setText(qs(document().evaluation().Label81));
    showIndices();
}

void AccidentsPage::fieldChanged(int n, const QString& raw) {
    if (loading()) return;
    const std::optional<std::string> replacement =
        document().evaluation().accidentFieldChange(model(), n, raw.toStdString());
    LoadingScope quiet(this);
    if (replacement) field(n)->replaceText(qs(*replacement));
    showFields(n);
    showIndices();
}

void AccidentsPage::fieldLeft(int n, const QString& raw) {
    if (loading()) return;
    // Leaving a field that shows what the assessment holds changes nothing.
    if (raw == QString::number(accidentField(model(), n).get())) return;
    fieldChanged(n, raw);
}

void AccidentsPage::showFields(int typedField) {
    const Assessment& a = model();
    const bool details = Evaluation::accidentDetailsEnabled(a);
    for (int n = 901; n <= 905; ++n) {
        FieldSpinBox* f = field(n);
        // The field being typed in keeps its text as typed.
        if (n != typedField) f->showValue(accidentField(model(), n));
        if (n >= 902 && n <= 904) f->setEnabled(details);
    }
}

void AccidentsPage::showIndices() {
    const Evaluation& e = document().evaluation();
    indices_[0]->setText(qs(e.ST901));
    indices_[1]->setText(qs(e.ST902));
    indices_[2]->setText(qs(e.ST903));
    indices_[3]->setText(qs(e.ST904));
}

} // namespace tarnik
