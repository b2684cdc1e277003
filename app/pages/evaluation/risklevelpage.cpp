#include "app/pages/evaluation/risklevelpage.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "app/document/document.h"
#include "app/help/helpcontext.h"
#include "app/print/printcommand.h"
#include "app/widgets/chartwidget.h"
#include "app/widgets/fieldspinbox.h"
#include "app/widgets/pagewidgets.h"
#include "app/widgets/widgetbinding.h"
#include "app/wizard/wizard.h"
#include "core/evaluation/gradetone.h"

namespace tarnik {

namespace {

constexpr int kHelpLimits = 14500;
constexpr int kHelpRecommendations = 14700;

// The grade line in the colour of its band: background and text.
QString gradeStyle(GradeTone tone) {
    switch (tone) {
    case GradeTone::Low:
        return QStringLiteral("background-color: #2e7d32; color: white; padding: 2px 10px;");
    case GradeTone::Medium:
        return QStringLiteral("background-color: #f2a900; color: #1a1a1a; padding: 2px 10px;");
    case GradeTone::High:
        return QStringLiteral("background-color: #c62828; color: white; padding: 2px 10px;");
    case GradeTone::None:
        break;
    }
    return {};
}

QString lines(const std::vector<std::string>& text) {
    QStringList out;
    for (const std::string& line : text)
        out << qs(line);
    return out.join(QLatin1Char('\n'));
}

} // namespace

RiskLevelPage::RiskLevelPage(PageContext& ctx, QWidget* parent)
    : WizardPage(ctx, QStringLiteral("Poziom ryzyka"), QStringLiteral("poziom-ryzyka.html"),
                 parent) {
    registerHelpTopics({{kHelpLimits, "poziom-ryzyka.html#granice"},
                        {kHelpRecommendations, "poziom-ryzyka.html#zalecenia"}});

    // The level and its grade.
    st1101_ = captionLabel(QString(), this);
    st1101_->setObjectName(QStringLiteral("ST1101"));
    grade_ = captionLabel(QString(), this);
    grade_->setObjectName(QStringLiteral("StaticText23"));
    for (QLabel* l : {st1101_, grade_}) {
        QFont f = l->font();
        f.setBold(true);
        f.setPointSizeF(f.pointSizeF() * 1.3);
        l->setFont(f);
        l->setMargin(3);
    }
    auto* result = new QHBoxLayout;
    result->setSpacing(16);
    result->addWidget(st1101_);
    result->addWidget(grade_);
    result->addStretch(1);
    content()->addLayout(result);

    // The five bands with their limits.
    auto* bands = new QGroupBox(QStringLiteral("Interpretacja wyniku"), this);
    bands->setObjectName(QStringLiteral("GroupBands"));
    auto* bg = new QGridLayout(bands);
    bg->setHorizontalSpacing(10);
    bg->setVerticalSpacing(4);
    auto* od = captionLabel(QStringLiteral("OD"), bands);
    auto* doHeading = captionLabel(QStringLiteral("DO"), bands);
    for (QLabel* h : {od, doHeading}) {
        setBold(h);
        h->setAlignment(Qt::AlignCenter);
    }
    bg->addWidget(od, 0, 1);
    bg->addWidget(doHeading, 0, 2);
    const QString names[5] = {QStringLiteral("bardzo małe"), QStringLiteral("&małe"),
                              QStringLiteral("ś&rednie"), QStringLiteral("d&uże"),
                              QStringLiteral("b&ardzo duże")};
    for (int k = 1; k <= 4; ++k) {
        FieldSpinBox* limit = numberField(QStringLiteral("SE%1").arg(1100 + k), 3, 9999999, bands);
        limit->setMinimumWidth(limit->fontMetrics().horizontalAdvance(QStringLiteral("00000000")) +
                               36);
        setHelpContext(limit, kHelpLimits);
        limits_[static_cast<std::size_t>(k - 1)] = limit;
        QLabel* upper = valueBox(QStringLiteral("E%1").arg(1100 + k), bands, 8);
        uppers_[static_cast<std::size_t>(k - 1)] = upper;
        connect(limit, &QSpinBox::valueChanged, this,
                guard([this, k, limit] { limitChanged(k, limit->rawText(), false); }));
        connect(limit, &FieldSpinBox::left, this, [this, k](const QString& raw) {
            runGuarded([&] { limitChanged(k, raw, true); }, window());
        });
    }
    for (int row = 0; row < 5; ++row) {
        QWidget* from = nullptr;
        if (row == 0) {
            QLabel* zero = valueBox(QStringLiteral("BandVerySmallFrom"), bands, 8);
            zero->setText(QStringLiteral("0"));
            from = zero;
        } else {
            from = limits_[static_cast<std::size_t>(row - 1)];
        }
        QWidget* to = nullptr;
        if (row < 4) {
            to = uppers_[static_cast<std::size_t>(row)];
        } else {
            QLabel* more = valueBox(QStringLiteral("BandVeryLargeTo"), bands, 8);
            more->setText(QStringLiteral("i więcej"));
            to = more;
        }
        QLabel* name =
            row == 0 ? captionLabel(names[0], bands) : buddyCaption(names[row], from, bands);
        bg->addWidget(name, row + 1, 0);
        bg->addWidget(from, row + 1, 1);
        bg->addWidget(to, row + 1, 2);
    }
    bg->setRowStretch(6, 1);

    // The recommendations.
    memo6_ = new QPlainTextEdit(this);
    memo6_->setObjectName(QStringLiteral("Memo6"));
    memo6_->setReadOnly(true);
    memo6_->setTabChangesFocus(true);
    memo6_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    memo6_->setMinimumHeight(memo6_->fontMetrics().lineSpacing() * 5 + 12);
    setHelpContext(memo6_, kHelpRecommendations);
    auto* advice = new QVBoxLayout;
    advice->setSpacing(2);
    advice->addWidget(buddyCaption(QStringLiteral("&Zalecenia:"), memo6_, this));
    advice->addWidget(memo6_, 1);
    auto* middle = new QHBoxLayout;
    middle->setSpacing(10);
    middle->addWidget(bands);
    middle->addLayout(advice, 1);
    content()->addLayout(middle);

    // The chart and its legend with the values.
    chart_ = new ChartWidget(this);
    chart_->setObjectName(QStringLiteral("Chart2"));
    chart_->setAccessibleName(QStringLiteral("Wykres poziomu ryzyka"));
    chart_->setModel(&document().evaluation().Chart2);
    connect(chart_, &ChartWidget::laidOut, this, [&print = ctx.print](ChartProportions p) {
        print.chartLaidOut(ReportChart::RiskLevel, p);
    });
    QStringList legendLines;
    for (const char* line : kRiskChartLegend)
        legendLines << QString::fromUtf8(line);
    memo5_ = captionLabel(legendLines.join(QLatin1Char('\n')), this);
    memo5_->setObjectName(QStringLiteral("Memo5"));
    memo7_ = captionLabel(QString(), this);
    memo7_->setObjectName(QStringLiteral("Memo7"));
    memo7_->setAlignment(Qt::AlignRight | Qt::AlignTop);
    memo7_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // Memo7 opens with a line of its own, so that its values stand level with the legend.
    memo5_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    memo5_->setContentsMargins(0, memo5_->fontMetrics().lineSpacing(), 0, 0);
    auto* legendBox = new QHBoxLayout;
    legendBox->setSpacing(10);
    legendBox->addWidget(memo5_, 0, Qt::AlignTop);
    legendBox->addWidget(memo7_, 0, Qt::AlignTop);
    auto* lower = new QHBoxLayout;
    lower->setSpacing(10);
    lower->addWidget(chart_, 1);
    lower->addLayout(legendBox);
    content()->addLayout(lower, 1);

    for (std::size_t i = 1; i < limits_.size(); ++i)
        setTabOrder(limits_[i - 1], limits_[i]);
    setTabOrder(limits_[3], memo6_);
}

FieldSpinBox* RiskLevelPage::limitField(int k) const {
    return k >= 1 && k <= 4 ? limits_[static_cast<std::size_t>(k - 1)] : nullptr;
}

QLabel* RiskLevelPage::upperLabel(int k) const {
    return k >= 1 && k <= 4 ? uppers_[static_cast<std::size_t>(k - 1)] : nullptr;
}

void RiskLevelPage::loadFromModel() {
    showLimits();
    showLevel();
    showGrade();
}

void RiskLevelPage::pageShown(PageReason) {
    // TabSheet11Show.
    document().evaluation().recountRiskLevel(model());
    {
        LoadingScope quiet(this);
        showLimits();
    }
    showLevel();
    showGrade();
    // Showing the page makes Next visible again.
    wizard().setNextVisible(true);
}

void RiskLevelPage::pageHidden(PageReason why) {
    if (why != PageReason::Reset) storePendingEdit();
}

void RiskLevelPage::storePendingEdit() {
    for (int k = 1; k <= 4; ++k) {
        FieldSpinBox* f = limitField(k);
        if (f->hasFocus()) limitChanged(k, f->rawText(), true);
    }
}

void RiskLevelPage::documentReset() {
    LoadingScope quiet(this);
    dropFocus(this);
}

void RiskLevelPage::limitChanged(int k, const QString& text, bool leaving) {
    if (loading()) return;
    // Leaving a limit that shows what the assessment holds changes nothing.
    if (leaving && text == QString::number(model().bandLimit(k).get())) return;
    const std::optional<std::string> replacement =
        document().evaluation().bandLimitChange(model(), k, text.toStdString(), leaving);
    LoadingScope quiet(this);
    if (replacement) limitField(k)->replaceText(qs(*replacement));
    showLimits(leaving ? 0 : k);
    showGrade();
}

void RiskLevelPage::showLimits(int typedLimit) {
    const Assessment& a = model();
    for (int k = 1; k <= 4; ++k) {
        FieldSpinBox* f = limitField(k);
        const RangedInt& limit = a.bandLimit(k);
        if (f->minimum() != limit.min() || f->maximum() != limit.max())
            f->setRange(limit.min(), limit.max());
        if (k != typedLimit) f->showValue(limit.get());
    }
}

void RiskLevelPage::showLevel() {
    const Evaluation& e = document().evaluation();
    st1101_->setText(qs(e.ST1101));
    memo7_->setText(lines(e.Memo7));
}

void RiskLevelPage::showGrade() {
    const Evaluation& e = document().evaluation();
    grade_->setText(qs(e.StaticText23));
    grade_->setStyleSheet(gradeStyle(riskGradeTone(e.riskGrade)));
    memo6_->setPlainText(modelTextToEditor(e.recommendationsText()));
    const std::string* upper[4] = {&e.E1101, &e.E1102, &e.E1103, &e.E1104};
    for (int k = 0; k < 4; ++k)
        uppers_[static_cast<std::size_t>(k)]->setText(qs(*upper[k]));
}

} // namespace tarnik
