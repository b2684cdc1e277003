#pragma once
// Page 1, "Opis i charakterystyka stanowiska": the free-text description of the station.
#include <array>

#include "app/wizard/wizardpage.h"

class QLineEdit;
class QPlainTextEdit;

namespace tarnik {

class StationPage : public WizardPage {
    Q_OBJECT
public:
    explicit StationPage(PageContext& ctx, QWidget* parent = nullptr);

    QLineEdit* Ed201() const { return edits_[0]; }
    QLineEdit* Ed202() const { return edits_[1]; }
    QLineEdit* Ed203() const { return edits_[2]; }
    // mm204 .. mm213.
    QPlainTextEdit* mm(int n) const { return memos_[static_cast<std::size_t>(n - 204)]; }

protected:
    void loadFromModel() override;
    void pageShown(PageReason why) override;

private:
    std::array<QLineEdit*, 3> edits_{};
    std::array<QPlainTextEdit*, 10> memos_{};
};

} // namespace tarnik
