#pragma once
// A list of persons (surname, first name, position) with the edits of a new entry and the
// buttons "Dodaj", "Usuń" and "Wstaw...": the persons responsible for safety on the station and
// the members of the assessing commission on the general data page.
#include <QGroupBox>
#include <functional>
#include <optional>
#include <vector>

#include "core/model/assessment.h"

class QAction;
class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace tarnik {

class PersonListBox : public QGroupBox {
    Q_OBJECT
public:
    // Help context numbers of the box's controls.
    struct HelpNumbers {
        int list, add, remove, firstName, surname, position;
    };
    // `persons` gives the list of the assessment that the box edits; `changed` is called after
    // every change of it (an entry added or removed, or the selected entry changed).
    PersonListBox(const QString& title, std::function<std::vector<PersonEntry>&()> persons,
                  std::function<void()> changed, const HelpNumbers& help,
                  QWidget* parent = nullptr);

    // Fills the list from the assessment (nothing selected, no change reported).
    void load();
    // The page was shown: "Usuń" disabled, "Dodaj" re-evaluated.
    void pageShown();

    // The picker of the reference lists puts a person into the edits of a new entry.
    void setNewEntry(const QString& firstName, const QString& surname, const QString& position);

    QTreeWidget* list() const { return list_; }
    QLineEdit* firstNameEdit() const { return firstName_; }
    QLineEdit* surnameEdit() const { return surname_; }
    QLineEdit* positionEdit() const { return position_; }
    QPushButton* addButton() const { return add_; }
    QPushButton* removeButton() const { return remove_; }
    QPushButton* insertButton() const { return insert_; }
    // "Cofnij usunięcie" (Ctrl+Z within the box, and in the list's context menu): the person
    // last removed with "Usuń" comes back at its place. Adding a person or filling the list
    // anew forgets the removal.
    QAction* undoRemoveAction() const { return undo_; }

signals:
    // "Wstaw...": the page opens the reference list of the box's persons.
    void insertRequested();

protected:
    // The box's mnemonic takes the keyboard into its list, which Tab skips.
    bool event(QEvent* e) override;

private:
    void updateAddButton();
    void addEntry();
    void removeEntry();
    void undoRemove();
    void forgetRemoved();
    void selectionChanged();

    std::function<std::vector<PersonEntry>&()> persons_;
    std::function<void()> changed_;
    QTreeWidget* list_ = nullptr;
    QLineEdit* firstName_ = nullptr;
    QLineEdit* surname_ = nullptr;
    QLineEdit* position_ = nullptr;
    QPushButton* add_ = nullptr;
    QPushButton* remove_ = nullptr;
    QPushButton* insert_ = nullptr;
    QAction* undo_ = nullptr;
    // The person last removed and the row it stood in.
    std::optional<std::pair<int, PersonEntry>> removed_;
    bool loading_ = false;
};

} // namespace tarnik
