#pragma once
// The pickers of the reference lists: a button of a page ("Wstaw z listy", "Wstaw...") opens
// one of the six lists on the reference-list page, which stands in for the calling page; OK
// returns to the calling page and puts the chosen row's cells into the fields of the list whose
// tab is selected at that moment, on their own page; "Anuluj" returns without changing a field.
// While the list page is open Back and Next are hidden; on return they are as they were.
//
// The picker flag is set while a page that keeps its edit during a picker (the measurement
// card) has called: that page then ignores its own leaving and showing, so its controls and its
// edit in progress are still there when the picker returns.
#include <QObject>
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "core/rules/reflists/reflists.h"

namespace tarnik {

class Wizard;
class WizardPage;

class PickerService : public QObject {
    Q_OBJECT
public:
    // Puts the cells of a chosen row (one per column of its list, empty ones included) into
    // the fields of a page.
    using Target = std::function<void(const std::vector<std::string>& cells)>;

    explicit PickerService(Wizard& wizard, QObject* parent = nullptr);

    // The page that owns the fields of list `list` (RefListId) says where OK puts its cells.
    void setTarget(int list, Target target);
    bool hasTarget(int list) const;

    // Opens list `list` for the calling page: the reference-list page is shown (its tab chosen
    // from requestedList()), Back and Next are hidden.
    void open(WizardPage* caller, int list);
    bool isOpen() const { return caller_ != nullptr; }
    // The picker flag.
    bool flag() const { return flag_; }
    // The list the picker was opened with.
    int requestedList() const { return list_; }
    WizardPage* caller() const { return caller_; }

    // OK: back to the calling page, Back and Next as they were, the cells into the fields of
    // list `list` (the tab selected now), the flag cleared.
    void accept(int list, const std::vector<std::string>& cells);
    // "Anuluj": back to the calling page, no field changes, the flag cleared.
    void cancel();

signals:
    // The reference-list page is about to be shown for list `list`.
    void opened(int list);

private:
    void returnToCaller();
    // The document is being replaced: the picker forgets its caller.
    void forget();

    Wizard& wizard_;
    std::array<Target, kRefListCount> targets_{};
    WizardPage* caller_ = nullptr;
    int list_ = 0;
    bool flag_ = false;
    bool backVisible_ = true;
    bool nextVisible_ = true;
};

} // namespace tarnik
