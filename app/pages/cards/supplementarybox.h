#pragma once
// The supplementary card of page 5: the verbal judgement of a factor's exposure in seven check
// boxes (CB601 .. CB607). The boxes follow the coupling rules of the card: a change, by the user or
// by the program, sets and clears the boxes the rules say.
#include <QGroupBox>
#include <array>

#include "core/rules/factors/cards.h"

class QCheckBox;

namespace tarnik {

class SupplementaryBox : public QGroupBox {
    Q_OBJECT
public:
    explicit SupplementaryBox(QWidget* parent = nullptr);

    // The seven boxes as they stand.
    CardBoxes boxes() const;
    // Shows the boxes exactly as given (no rule runs).
    void showBoxes(const CardBoxes& boxes);
    // Box CB601 + `box` (kBoxAcceptable .. kBoxInfectious).
    QCheckBox* box(int box) const;

private:
    void boxToggled(int box, bool value);

    std::array<QCheckBox*, 7> boxes_{};
    bool applying_ = false;
};

} // namespace tarnik
