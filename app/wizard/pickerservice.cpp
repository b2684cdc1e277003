#include "app/wizard/pickerservice.h"

#include <QPushButton>

#include "app/wizard/wizard.h"

namespace tarnik {

PickerService::PickerService(Wizard& wizard, QObject* parent) : QObject(parent), wizard_(wizard) {
    connect(&wizard_, &Wizard::resetBegun, this, [this] { forget(); });
}

void PickerService::setTarget(int list, Target target) {
    if (list < 0 || list >= kRefListCount) return;
    targets_[static_cast<std::size_t>(list)] = std::move(target);
}

bool PickerService::hasTarget(int list) const {
    return list >= 0 && list < kRefListCount && bool(targets_[static_cast<std::size_t>(list)]);
}

void PickerService::open(WizardPage* caller, int list) {
    if (!caller || isOpen()) return;
    caller_ = caller;
    list_ = list;
    flag_ = caller->keepsEditDuringPicker();
    backVisible_ = !wizard_.backButton()->isHidden();
    nextVisible_ = !wizard_.nextButton()->isHidden();
    emit opened(list);
    try {
        wizard_.showPage(kPageReferenceLists, PageReason::Picker);
    } catch (...) {
        forget();
        throw;
    }
    wizard_.setBackVisible(false);
    wizard_.setNextVisible(false);
}

void PickerService::returnToCaller() {
    WizardPage* caller = caller_;
    caller_ = nullptr;
    wizard_.showPage(wizard_.indexOf(caller), PageReason::Picker);
    wizard_.setBackVisible(backVisible_);
    wizard_.setNextVisible(nextVisible_);
}

void PickerService::accept(int list, const std::vector<std::string>& cells) {
    if (!isOpen()) return;
    returnToCaller();
    // The flag is cleared after the fields are filled, also when filling them fails.
    struct ClearFlag {
        bool& flag;
        ~ClearFlag() { flag = false; }
    } clear{flag_};
    if (hasTarget(list)) targets_[static_cast<std::size_t>(list)](cells);
}

void PickerService::cancel() {
    if (!isOpen()) return;
    returnToCaller();
    flag_ = false;
}

void PickerService::forget() {
    caller_ = nullptr;
    flag_ = false;
}

} // namespace tarnik
