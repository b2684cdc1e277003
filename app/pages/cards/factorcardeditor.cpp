#include "app/pages/cards/factorcardeditor.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "app/help/helpcontext.h"
#include "app/pages/cards/measurementbox.h"
#include "app/pages/cards/supplementarybox.h"
#include "app/platform/prompts.h"
#include "app/widgets/limitedtextedit.h"
#include "app/widgets/widgetbinding.h"

namespace tarnik {

FactorCardEditor::FactorCardEditor(QWidget* parent) : QWidget(parent) {
    factorBox_ = new QGroupBox(QStringLiteral("Czynnik"), this);
    factorBox_->setObjectName(QStringLiteral("GroupCzynnik"));
    factorBox_->setToolTip(
        QStringLiteral("Wybierz czynnik, a następnie opisz go w oknie po prawej stronie. Znaczki "
                       "pojawiają się przy czynnikach już opisanych."));
    name_ = new QLineEdit(factorBox_);
    name_->setObjectName(QStringLiteral("Ed601"));
    name_->setReadOnly(true);
    setHelpContext(name_, 9510);
    code_ = new QLineEdit(factorBox_);
    code_->setMaxLength(int(kStoredTextLength));
    code_->setObjectName(QStringLiteral("Ed602"));
    setHelpContext(code_, 9520);
    codeInsert_ = new QPushButton(QStringLiteral("Wstaw..."), factorBox_);
    codeInsert_->setObjectName(QStringLiteral("BtnWstawKod"));
    codeInsert_->setAutoDefault(false);
    characteristic_ = new LimitedTextEdit(int(kStoredTextLength), 2, factorBox_);
    characteristic_->setObjectName(QStringLiteral("Mem611"));
    characteristic_->setTabChangesFocus(true);
    setHelpContext(characteristic_, 9540);

    auto* fg = new QGridLayout(factorBox_);
    fg->setVerticalSpacing(4);
    auto* nameLabel = new QLabel(QStringLiteral("Nazwa:"), factorBox_);
    nameLabel->setBuddy(name_);
    auto* codeLabel = new QLabel(QStringLiteral("&Kod:"), factorBox_);
    codeLabel->setBuddy(code_);
    auto* charLabel = new QLabel(QStringLiteral("Krótka &charakterystyka czynnika:"), factorBox_);
    charLabel->setBuddy(characteristic_);
    fg->addWidget(nameLabel, 0, 0);
    fg->addWidget(name_, 0, 1, 1, 2);
    fg->addWidget(codeLabel, 1, 0);
    fg->addWidget(code_, 1, 1);
    fg->addWidget(codeInsert_, 1, 2);
    fg->addWidget(charLabel, 2, 0, 1, 3);
    fg->addWidget(characteristic_, 3, 0, 1, 3);
    fg->setColumnStretch(1, 1);

    // The form of description.
    formChoice_ = new QWidget(this);
    formChoice_->setObjectName(QStringLiteral("RG601"));
    auto* fl = new QHBoxLayout(formChoice_);
    fl->setContentsMargins(0, 0, 0, 0);
    formMeasurement_ = new QRadioButton(QStringLiteral("karta po&miaru"), formChoice_);
    formSupplementary_ = new QRadioButton(QStringLiteral("karta u&zupełniająca"), formChoice_);
    form_ = new QButtonGroup(this);
    form_->addButton(formMeasurement_, kMeasurementCard);
    form_->addButton(formSupplementary_, kSupplementaryCard);
    formMeasurement_->setChecked(true);
    auto* formLabel = new QLabel(QStringLiteral("Forma opisu czynnika:"), formChoice_);
    formLabel->setBuddy(formMeasurement_);
    formMeasurement_->setAccessibleName(QStringLiteral("karta pomiaru"));
    fl->addWidget(formLabel);
    fl->addWidget(formMeasurement_);
    fl->addWidget(formSupplementary_);
    fl->addStretch(1);
    for (QWidget* w : {static_cast<QWidget*>(formMeasurement_),
                       static_cast<QWidget*>(formSupplementary_), formChoice_})
        setHelpContext(w, 9530);

    // The two cards in one place.
    cards_ = new QStackedWidget(this);
    measurement_ = new MeasurementBox(cards_);
    supplementary_ = new SupplementaryBox(cards_);
    cards_->addWidget(measurement_);
    cards_->addWidget(supplementary_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(factorBox_);
    layout->addWidget(formChoice_);
    layout->addWidget(cards_, 1);

    connect(form_, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (on) showForm(id);
    });
    connect(measurement_, &MeasurementBox::multiplicityLeft, this,
            [this](int column) { checkMultiplicity(column); });
}

bool FactorCardEditor::showsSupplementary() const {
    return cards_->currentWidget() == supplementary_;
}

void FactorCardEditor::showForm(int form) {
    cards_->setCurrentWidget(isSupplementaryForm(form) ? static_cast<QWidget*>(supplementary_)
                                                       : measurement_);
}

void FactorCardEditor::setForm(int form) {
    (isSupplementaryForm(form) ? formSupplementary_ : formMeasurement_)->setChecked(true);
    showForm(form);
}

void FactorCardEditor::setCardEnabled(bool on) {
    enabled_ = on;
    factorBox_->setEnabled(on);
    formChoice_->setEnabled(on && formChoiceAllowed_);
    cards_->setEnabled(on);
}

void FactorCardEditor::showFactor(const FactorRecord& record) {
    setCardEnabled(true);
    const CardInput in = cardInputFromRecord(record, supplementary_->boxes());
    hidden_ = in;
    factorGroup_ = record.factorGroup;
    name_->setText(QString::fromStdString(record.name));
    code_->setText(QString::fromStdString(in.Ed602));
    characteristic_->setPlainText(modelTextToEditor(in.Mem611));
    measurement_->showValues(in);
    supplementary_->showBoxes(in.boxes);
    setForm(in.descriptionForm);

    const CardLayout layout = cardLayoutFor(record.factorGroup);
    formChoiceAllowed_ = layout.formChoiceEnabled;
    formChoice_->setEnabled(layout.formChoiceEnabled);
    if (layout.forcedForm >= 0) setForm(layout.forcedForm);
    measurement_->applyLayout(layout);
}

void FactorCardEditor::showEmpty(DayNumber assessmentDate) {
    const CardInput in = emptyCardInput(assessmentDate);
    hidden_ = in;
    factorGroup_ = 0;
    name_->clear();
    code_->clear();
    characteristic_->clear();
    measurement_->showValues(in);
    supplementary_->showBoxes(in.boxes);
    setForm(kMeasurementCard);
    formChoiceAllowed_ = true;
    measurement_->applyLayout(cardLayoutFor(kChemical));
}

CardInput FactorCardEditor::input() const {
    CardInput out = hidden_;
    out.Ed602 = code_->text().toStdString();
    out.descriptionForm = formSupplementary_->isChecked() ? kSupplementaryCard : kMeasurementCard;
    measurement_->readValues(out);
    out.Mem611 = editorTextToModel(characteristic_->toPlainText());
    out.boxes = supplementary_->boxes();
    return out;
}

void FactorCardEditor::insertCode(const QString& code, const QString& characteristic) {
    code_->setText(code);
    characteristic_->setPlainText(characteristic);
}

void FactorCardEditor::insertPerformer(const QString& performer) {
    measurement_->performerEdit()->setText(performer);
}

void FactorCardEditor::insertMethod(const QString& method) {
    measurement_->methodEdit()->setText(method);
}

void FactorCardEditor::checkFocusedMultiplicity() {
    for (int column = 0; column < 4; ++column)
        if (measurement_->multiplicityEdit(column)->hasFocus()) checkMultiplicity(column);
}

void FactorCardEditor::checkMultiplicity(int column) {
    if (!enabled_ || factorGroup_ == 0) return;
    QLineEdit* edit = measurement_->multiplicityEdit(column);
    const MultiplicityCheck check =
        tarnik::checkMultiplicity(edit->text().toStdString(), factorGroup_);
    const QString text = QString::fromStdString(check.text);
    if (edit->text() != text) edit->setText(text);
    if (check.rejected)
        showMessage(window(), QString::fromUtf8(kMultiplicityMessageTitle),
                    QString::fromUtf8(kMultiplicityMessage));
}

} // namespace tarnik
