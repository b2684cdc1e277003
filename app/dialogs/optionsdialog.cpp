#include "app/dialogs/optionsdialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "app/help/helpcontext.h"
#include "app/help/windowhelp.h"
#include "app/print/fontfallback.h"

namespace tarnik {

namespace {

QCheckBox* checkBox(const char* name, const QString& caption, bool checked, QWidget* parent) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setChecked(checked);
    return box;
}

// An explanatory text under a check box, indented to the box's caption.
QLabel* note(const char* name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    label->setContentsMargins(22, 0, 0, 6);
    QFont f = label->font();
    f.setPointSizeF(f.pointSizeF() * 0.9);
    label->setFont(f);
    return label;
}

} // namespace

TOpcje::TOpcje(PrintOptions& options, SettingsStore& store, QWidget* parent)
    : QDialog(parent), options_(options), store_(store) {
    setObjectName(QStringLiteral("Opcje"));
    setHelpContext(this, kHelpOptions);
    setWindowTitle(QStringLiteral("Opcje"));

    auto* frame = new QGroupBox(QStringLiteral("Drukowanie"), this);
    frame->setObjectName(QStringLiteral("GroupBox1"));
    cbPostep_ = checkBox("cbPostep", QStringLiteral("Pokaż okienko postępu drukowania"),
                         options_.showProgress(), frame);
    cbStandard_ = checkBox("cbStandard", QStringLiteral("Pokaż standardowe okienko drukowania"),
                           options_.standardPrintDialog(), frame);
    cbPodstawa_ =
        checkBox("cbPodstawa", QStringLiteral("Drukuj podstawę prawną analizy ryzyka zawodowego"),
                 options_.legalBasis(), frame);
    cbRejestr_ = checkBox("cbRejestr",
                          QStringLiteral("Drukuj Rejestr wyników badań zgodny z Rozporządzeniem"),
                          options_.registerForm(), frame);
    spinEdit1_ = new QSpinBox(frame);
    spinEdit1_->setObjectName(QStringLiteral("SpinEdit1"));
    spinEdit1_->setRange(PrintOptions::kSpacingMin, PrintOptions::kSpacingMax);
    spinEdit1_->setValue(options_.spacing());
    auto* spacingLabel =
        new QLabel(QStringLiteral("Odstęp między nazwą stanowiska a podpisem osoby\n"
                                  "sporządzającej na stronie tytułowej wydruku."),
                   frame);
    spacingLabel->setObjectName(QStringLiteral("LabelOdstep"));
    spacingLabel->setBuddy(spinEdit1_);

    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->addWidget(cbPostep_);
    frameLayout->addWidget(note("LabelPostep",
                                QStringLiteral("Powoduje wyświetlenie okienka, z kolejnymi etapami "
                                               "przygotowania dokumentu do wydruku"),
                                frame));
    frameLayout->addWidget(cbStandard_);
    frameLayout->addWidget(note("LabelStandard",
                                QStringLiteral("Jeśli po wybraniu polecenia drukowania nie pojawia "
                                               "się okienko z opcjami drukowania proszę odznaczyć "
                                               "tę opcję"),
                                frame));
    frameLayout->addWidget(cbPodstawa_);
    frameLayout->addWidget(cbRejestr_);
    auto* spacingRow = new QHBoxLayout;
    spacingRow->addWidget(spinEdit1_, 0, Qt::AlignTop);
    spacingRow->addWidget(spacingLabel, 1);
    frameLayout->addLayout(spacingRow);

    plLetters_ = checkBox("PLLetters", QStringLiteral("Drukuj polskie znaki"),
                          options_.polishLetters(), this);

    auto* fontButton = new QPushButton(QStringLiteral("Wybierz czcionkę"), this);
    fontButton->setObjectName(QStringLiteral("Button1"));
    faceLabel_ = new QLabel(this);
    faceLabel_->setObjectName(QStringLiteral("LabelCzcionka"));
    auto* fontRow = new QHBoxLayout;
    fontRow->addWidget(fontButton);
    fontRow->addWidget(faceLabel_, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->setObjectName(QStringLiteral("BitBtn1"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addWidget(plLetters_);
    layout->addLayout(fontRow);
    layout->addStretch(1);
    layout->addWidget(buttons);

    fd1_ = new QFontDialog(this);
    fd1_->setObjectName(QStringLiteral("FD1"));
    fd1_->setWindowTitle(QStringLiteral("Wybierz czcionkę"));
    showFace();

    // Only the user's own changes write: the controls were filled above, before these.
    connect(cbPostep_, &QCheckBox::clicked, this, &TOpcje::cbPostepClick);
    connect(cbStandard_, &QCheckBox::clicked, this, &TOpcje::cbStandardClick);
    connect(cbPodstawa_, &QCheckBox::clicked, this, &TOpcje::cbPodstawaClick);
    connect(cbRejestr_, &QCheckBox::clicked, this, &TOpcje::cbRejestrClick);
    connect(spinEdit1_, &QSpinBox::valueChanged, this, &TOpcje::SpinEdit1Change);
    connect(plLetters_, &QCheckBox::clicked, this, &TOpcje::PLLettersClick);
    connect(fontButton, &QPushButton::clicked, this, &TOpcje::Button1Click);
    connect(fd1_, &QFontDialog::fontSelected, this, &TOpcje::fontSelected);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
}

QString TOpcje::fontFace() const {
    return QString::fromStdString(options_.fontFace());
}

void TOpcje::cbPostepClick(bool checked) {
    options_.setShowProgress(checked, store_);
}

void TOpcje::cbStandardClick(bool checked) {
    options_.setStandardPrintDialog(checked, store_);
}

void TOpcje::cbPodstawaClick(bool checked) {
    options_.setLegalBasis(checked, store_);
}

void TOpcje::cbRejestrClick(bool checked) {
    options_.setRegisterForm(checked, store_);
}

void TOpcje::SpinEdit1Change(int value) {
    options_.setSpacing(value, store_);
}

void TOpcje::PLLettersClick(bool checked) {
    options_.setPolishLetters(checked, store_);
}

void TOpcje::Button1Click() {
    QFont current(installedFontFace(fontFace()));
    current.setPointSize(10);
    fd1_->setCurrentFont(current);
    fd1_->open();
}

void TOpcje::fontSelected(const QFont& font) {
    const QString face = font.family();
    if (face.isEmpty()) return;
    options_.setFontFace(face.toStdString());
    showFace();
    emit fontFaceChosen(face);
}

void TOpcje::showFace() {
    const QString face = fontFace();
    faceLabel_->setText(face);
    QFont f = faceLabel_->font();
    f.setFamily(installedFontFace(face));
    faceLabel_->setFont(f);
}

} // namespace tarnik
