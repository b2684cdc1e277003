#pragma once
// Page 13: the reference lists (establishments, persons, commission members, factors, measuring
// bodies, methods), reached only from the "Wstaw..." and "Wstaw z listy" buttons of other pages.
// Back and Next are hidden while it is open.
#include "pages/wizardpage.h"
#include "reflists/reflists.h"

namespace tarnik {

class ReferenceListsPage : public WizardPage {
    Q_OBJECT
public:
    explicit ReferenceListsPage(PageContext& ctx, QWidget* parent = nullptr);

    void pageHidden() override;

    // Reads "podpowiedzi.txt" from the program folder; a missing or unreadable file leaves the
    // lists as they are, without a message.
    void loadLists();
    const ReferenceLists& lists() const { return lists_; }
    ReferenceLists& lists() { return lists_; }

protected:
    void pageShown() override;

private:
    ReferenceLists lists_;
};

} // namespace tarnik
