#include "app/pages/cards/supplementarybox.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>

#include "app/help/helpcontext.h"

namespace tarnik {

namespace {

struct BoxControl {
    const char* caption;
    const char* name;
    int helpContext;
};

constexpr std::array<BoxControl, 7> kBoxes{{
    {"akceptowa&lne", "CB601", 9550},
    {"wszystkich &grup pracowniczych", "CB602", 9560},
    {"kobiet", "CB603", 9560},
    {"kobiet w ciąży lub w okresie karmienia", "CB604", 9560},
    {"młodocianych", "CB605", 9560},
    {"o działaniu mutagennym lub rakotwórczym", "CB606", 9570},
    {"powoduj&ący zakażenia bakteriami\nlub wirusami chorobotwórczymi", "CB607", 9580},
}};

} // namespace

SupplementaryBox::SupplementaryBox(QWidget* parent)
    : QGroupBox(QStringLiteral("Karta uzupełniająca"), parent) {
    setObjectName(QStringLiteral("GroupUzupelniajaca"));
    for (std::size_t i = 0; i < kBoxes.size(); ++i) {
        auto* b = new QCheckBox(QString::fromUtf8(kBoxes[i].caption), this);
        b->setObjectName(QString::fromLatin1(kBoxes[i].name));
        setHelpContext(b, kBoxes[i].helpContext);
        boxes_[i] = b;
        connect(b, &QCheckBox::toggled, this,
                [this, i](bool value) { boxToggled(static_cast<int>(i), value); });
    }
    // The exposure: acceptable, unacceptable for some groups, or a danger of its own.
    auto* grid = new QGridLayout(this);
    grid->setColumnMinimumWidth(0, 16);
    grid->setVerticalSpacing(4);
    int row = 0;
    grid->addWidget(new QLabel(QStringLiteral("Narażenie:"), this), row++, 0, 1, 3);
    grid->addWidget(boxes_[kBoxAcceptable], row++, 1, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("nie do zaakceptowania w stosunku do:"), this), row++,
                    1, 1, 2);
    for (int b = kBoxAllGroups; b <= kBoxJuveniles; ++b)
        grid->addWidget(boxes_[std::size_t(b)], row++, 2);
    grid->addWidget(boxes_[kBoxMutagenic], row++, 1, 1, 2);
    grid->addWidget(boxes_[kBoxInfectious], row++, 1, 1, 2);
    grid->setColumnMinimumWidth(1, 16);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(row, 1);
}

CardBoxes SupplementaryBox::boxes() const {
    CardBoxes state{};
    for (std::size_t i = 0; i < boxes_.size(); ++i)
        state[i] = boxes_[i]->isChecked();
    return state;
}

void SupplementaryBox::showBoxes(const CardBoxes& state) {
    const bool was = applying_;
    applying_ = true;
    for (std::size_t i = 0; i < boxes_.size(); ++i)
        boxes_[i]->setChecked(state[i]);
    applying_ = was;
}

QCheckBox* SupplementaryBox::box(int box) const {
    return box >= 0 && box < int(boxes_.size()) ? boxes_[std::size_t(box)] : nullptr;
}

void SupplementaryBox::boxToggled(int box, bool value) {
    if (applying_) return;
    // The state before this change, then the change with every rule it sets off.
    CardBoxes before = boxes();
    before[std::size_t(box)] = !value;
    showBoxes(coupleCardBoxes(before, box, value));
}

} // namespace tarnik
