#pragma once
// The print command of the menu "Drukuj" and of the button "Drukuj Ocenę". Before the report is
// built, the page being edited stores what it holds, and the wizard walks through its pages so
// that every page's show handler brings its computed values up to date.
#include <QObject>

namespace tarnik {

class Wizard;

class PrintCommand : public QObject {
    Q_OBJECT
public:
    explicit PrintCommand(Wizard& wizard, QObject* parent = nullptr);

    // The pending edit of the pages is stored, then every page after the active one and then
    // the first is shown once, and the wizard returns to the page it started from with Back and
    // Next as they were. Throws when the pending edit cannot be stored; nothing is walked then.
    void preparePages();

private:
    Wizard& wizard_;
};

} // namespace tarnik
