#pragma once
// Page 13: the reference lists (establishments, persons, commission members, factors, measuring
// bodies, methods), reached only from the "Wstaw..." and "Wstaw z listy" buttons of other pages
// through the picker service, which hides Back and Next while it is open.
#include "pages/wizardpage.h"

namespace tarnik {

class ReferenceListsPage : public WizardPage {
    Q_OBJECT
public:
    explicit ReferenceListsPage(PageContext& ctx, QWidget* parent = nullptr);
};

} // namespace tarnik
