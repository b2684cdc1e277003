#include "app/pages/evaluation/hazardcardpage.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/document/document.h"
#include "app/help/helpcontext.h"
#include "app/print/printcommand.h"
#include "app/widgets/chartwidget.h"
#include "app/widgets/fieldspinbox.h"
#include "app/widgets/pagewidgets.h"
#include "app/wizard/wizard.h"

namespace tarnik {

const std::array<const char*, kHazardRowCount> kHazardRowCaptions{
    "których przekroczone jest NDSP",
    "których przekroczone jest NDSCh",
    "których przekroczone jest NDN",
    "o działaniu mutagennym lub rakotwórczym",
    "powodujących zakażenia bakteriami lub wirusami chorobotwórczymi",
    "których wartosci mieszczą się pomiędzy 0,5 a 1,0 NDN lub NDS",
    "których wartosci mieszczą się pomiędzy 0 a 0,5 NDN lub NDS",
    "pozostałe czynniki występujące na poziomie nie do zaakceptowania",
    "pozostałe czynniki nie uwzględnione powyżej"};

namespace {

// The letter of each row caption that moves the focus to its weight: the first letter of this
// part of the caption.
constexpr std::array<const char*, kHazardRowCount> kRowMnemonics{
    "SP", "Ch", "NDN", "mutagennym", "zakażenia", "5 a", "0 a", "akceptowania", "uwzględnione"};

const std::array<const char*, kWorkerGroupCount> kGroupHeadings{
    "ogólnych wymagań", "kobiet", "kobiet w ciąży lub w okresie karmienia", "młodocianych"};

const std::array<const char*, kWorkerGroupCount> kIndexCaptions{
    "mężczyzn (1):", "kobiet (bez kobiet w ciąży lub w okresie karmienia) (2):",
    "kobiet w ciąży lub w okresie karmienia (3):", "młodocianych (4):"};

QString withMnemonic(const char* caption, const char* key) {
    QString text = QString::fromUtf8(caption);
    const qsizetype at = text.indexOf(QString::fromUtf8(key));
    if (at >= 0) text.insert(at, QLatin1Char('&'));
    return text;
}

constexpr int kHelpWeights = 10500;
constexpr int kHelpRestore = 10600;

} // namespace

HazardCardPage::HazardCardPage(PageContext& ctx, QWidget* parent)
    : WizardPage(ctx, QStringLiteral("Karta poziomu zagrożeń"),
                 QStringLiteral("karta-zagrozen.html"), parent) {
    registerHelpTopics({{kHelpWeights, "karta-zagrozen.html#parametry"},
                        {kHelpRestore, "karta-zagrozen.html#przywroc"}});

    // The card: row captions, weights and the 9 x 4 counts.
    auto* card = new QGridLayout;
    card->setHorizontalSpacing(8);
    card->setVerticalSpacing(3);
    auto* rowsHeading = captionLabel(
        QStringLiteral("Liczba czynników szkodliwych, uciążliwych i niebezpiecznych"), this, true);
    setBold(rowsHeading);
    auto* weightHeading = captionLabel(QStringLiteral("Parametr"), this);
    setBold(weightHeading);
    weightHeading->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    auto* groupsHeading = captionLabel(QStringLiteral("W odniesieniu do"), this);
    setBold(groupsHeading);
    groupsHeading->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    card->addWidget(rowsHeading, 0, 0, 2, 1, Qt::AlignBottom);
    card->addWidget(weightHeading, 0, 1, 2, 1, Qt::AlignBottom);
    card->addWidget(groupsHeading, 0, 2, 1, kWorkerGroupCount);
    for (int g = 0; g < kWorkerGroupCount; ++g) {
        auto* h = captionLabel(QString::fromUtf8(kGroupHeadings[static_cast<std::size_t>(g)]), this,
                               true);
        h->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        card->addWidget(h, 1, 2 + g);
        // The four groups share the room evenly.
        card->setColumnMinimumWidth(2 + g, 64);
        card->setColumnStretch(2 + g, 1);
    }
    for (int r = 1; r <= kHazardRowCount; ++r) {
        const auto ri = static_cast<std::size_t>(r - 1);
        FieldSpinBox* weight = numberField(QStringLiteral("p%1").arg(r), 0, 9999, this);
        setHelpContext(weight, kHelpWeights);
        weights_[ri] = weight;
        card->addWidget(buddyCaption(withMnemonic(kHazardRowCaptions[ri], kRowMnemonics[ri]),
                                     weight, this, true),
                        r + 1, 0);
        card->addWidget(weight, r + 1, 1);
        for (int g = 0; g < kWorkerGroupCount; ++g) {
            QLabel* count = valueBox(QStringLiteral("hazardCount%1_%2").arg(r).arg(g), this, 3);
            count->setAlignment(Qt::AlignCenter);
            counts_[ri][static_cast<std::size_t>(g)] = count;
            card->addWidget(count, r + 1, 2 + g);
        }
        connect(weight, &FieldSpinBox::left, this, [this, r](const QString& raw) {
            if (!loading()) runGuarded([&] { weightLeft(r, raw); }, window());
        });
    }
    card->setColumnStretch(0, 5);
    content()->addLayout(card);

    // The exposure indices with "Przywróć", and the chart beside them.
    auto* results = new QGridLayout;
    results->setHorizontalSpacing(8);
    results->setVerticalSpacing(3);
    auto* indexHeading = captionLabel(QStringLiteral("Wskaźnik narażenia:"), this);
    setBold(indexHeading);
    results->addWidget(indexHeading, 0, 0, 1, 3);
    for (int n = 701; n <= 709; ++n)
        indices_[static_cast<std::size_t>(n - 701)] = valueBox(QStringLiteral("ST%1").arg(n), this);
    for (int g = 0; g < kWorkerGroupCount; ++g) {
        const auto gi = static_cast<std::size_t>(g);
        results->addWidget(captionLabel(QString::fromUtf8(kIndexCaptions[gi]), this), 1 + g, 0);
        results->addWidget(indices_[gi], 1 + g, 1);
        // ST706 .. ST709 stand beside the group indices; they are emptied on every showing.
        QLabel* extra = indices_[5 + gi];
        extra->setFrameShape(QFrame::NoFrame);
        extra->setMinimumWidth(0);
        results->addWidget(extra, 1 + g, 2);
    }
    auto* totalCaption = captionLabel(QStringLiteral("łączny:"), this);
    setBold(totalCaption);
    QLabel* total = indices_[4];
    setBold(total);
    results->addWidget(totalCaption, 5, 0, Qt::AlignRight);
    results->addWidget(total, 5, 1);
    restore_ = new QPushButton(QStringLiteral("Prz&ywróć"), this);
    restore_->setObjectName(QStringLiteral("Button10"));
    restore_->setAutoDefault(false);
    restore_->setToolTip(QStringLiteral("Przywraca domyślne wartości parametrów"));
    setHelpContext(restore_, kHelpRestore);
    results->addWidget(restore_, 6, 0, Qt::AlignLeft);
    results->setColumnStretch(3, 1);
    results->setRowStretch(7, 1);

    chart_ = new ChartWidget(this);
    chart_->setObjectName(QStringLiteral("Chart1"));
    chart_->setAccessibleName(QStringLiteral("Wykres wskaźników narażenia"));
    chart_->setModel(&document().evaluation().Chart1);
    connect(chart_, &ChartWidget::laidOut, this, [&print = ctx.print](ChartProportions p) {
        print.chartLaidOut(ReportChart::HazardCard, p);
    });

    auto* bottom = new QHBoxLayout;
    bottom->setSpacing(12);
    bottom->addLayout(results, 1);
    bottom->addWidget(chart_, 1);
    content()->addLayout(bottom, 1);

    connect(restore_, &QPushButton::clicked, this, guard([this] { restoreWeights(); }));

    QWidget* previous = weights_[0];
    for (std::size_t i = 1; i < weights_.size(); ++i) {
        setTabOrder(previous, weights_[i]);
        previous = weights_[i];
    }
    setTabOrder(previous, restore_);

    showResults();
}

FieldSpinBox* HazardCardPage::weightField(int row) const {
    return row >= 1 && row <= kHazardRowCount ? weights_[static_cast<std::size_t>(row - 1)]
                                              : nullptr;
}

QLabel* HazardCardPage::countLabel(int row, int group) const {
    if (row < 1 || row > kHazardRowCount || group < 0 || group >= kWorkerGroupCount) return nullptr;
    return counts_[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(group)];
}

QLabel* HazardCardPage::indexLabel(int n) const {
    return n >= 701 && n <= 709 ? indices_[static_cast<std::size_t>(n - 701)] : nullptr;
}

void HazardCardPage::loadFromModel() {
    showWeights();
    showResults();
}

void HazardCardPage::pageShown(PageReason) {
    // TabSheet7Show. The measurement card still open is stored first, so that it is counted.
    wizard().storePendingEdit();
    document().evaluation().recountHazardCard(model());
    for (QLabel* extra : {indices_[5], indices_[6], indices_[7], indices_[8]})
        extra->clear();
    showResults();
}

void HazardCardPage::pageHidden(PageReason why) {
    if (why != PageReason::Reset) storePendingEdit();
}

void HazardCardPage::documentReset() {
    LoadingScope quiet(this);
    dropFocus(this);
}

void HazardCardPage::storePendingEdit() {
    for (int r = 1; r <= kHazardRowCount; ++r) {
        FieldSpinBox* w = weightField(r);
        if (w->hasFocus()) weightLeft(r, w->rawText());
    }
}

void HazardCardPage::weightLeft(int row, const QString& raw) {
    // Leaving a field whose weight is what the assessment holds changes nothing.
    if (raw == QString::number(model().weight(row).get())) return;
    const std::string shown =
        document().evaluation().weightEntered(model(), row, raw.toStdString());
    {
        LoadingScope quiet(this);
        weightField(row)->replaceText(qs(shown));
    }
    showResults();
}

void HazardCardPage::restoreWeights() {
    // The evaluation marks the document when a weight really changed.
    document().evaluation().restoreDefaultWeights(model());
    {
        LoadingScope quiet(this);
        showWeights();
    }
    showResults();
}

void HazardCardPage::showWeights() {
    for (int r = 1; r <= kHazardRowCount; ++r)
        weightField(r)->showValue(model().weight(r));
}

void HazardCardPage::showResults() {
    const Evaluation& e = document().evaluation();
    for (int r = 1; r <= kHazardRowCount; ++r)
        for (int g = 0; g < kWorkerGroupCount; ++g)
            countLabel(r, g)->setText(QString::number(e.hazardCount(r, g)));
    indices_[0]->setText(qs(e.ST701));
    indices_[1]->setText(qs(e.ST702));
    indices_[2]->setText(qs(e.ST703));
    indices_[3]->setText(qs(e.ST704));
    indices_[4]->setText(qs(e.ST705));
}

} // namespace tarnik
