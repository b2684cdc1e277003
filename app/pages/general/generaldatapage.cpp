#include "app/pages/general/generaldatapage.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "app/document/document.h"
#include "app/help/helpcontext.h"
#include "app/pages/general/personlistbox.h"
#include "app/widgets/dateedit.h"
#include "app/widgets/fieldspinbox.h"
#include "app/widgets/limitedtextedit.h"
#include "app/widgets/pagewidgets.h"
#include "app/widgets/widgetbinding.h"
#include "app/wizard/pickerservice.h"
#include "app/wizard/wizard.h"
#include "core/rules/reflists/reflists.h"

namespace tarnik {

GeneralDataPage::GeneralDataPage(PageContext& ctx, QWidget* parent)
    : WizardPage(ctx, QStringLiteral("Dane ogólne"), QStringLiteral("dane-ogolne.html"), parent) {
    // Identification of the establishment and the station.
    auto* ident = new QGroupBox(this);
    auto* ig = new QGridLayout(ident);
    ig->setContentsMargins(6, 6, 6, 6);
    ig->setVerticalSpacing(4);
    zaklad_ = new LimitedTextEdit(int(kStoredTextLength), 3, ident);
    zaklad_->setObjectName(QStringLiteral("EdtZaklad"));
    zaklad_->setTabChangesFocus(true);
    zaklad_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    const int lineHeight = zaklad_->fontMetrics().lineSpacing();
    // Three lines of text and the counter under them.
    zaklad_->setFixedHeight(lineHeight * 3 + 10 + zaklad_->counter()->sizeHint().height());
    insertEstablishment_ = new QPushButton(QStringLiteral("Wstaw z l&isty"), ident);
    insertEstablishment_->setObjectName(QStringLiteral("BtnWstawZaklad"));
    insertEstablishment_->setAutoDefault(false);
    regon_ = new QLineEdit(ident);
    regon_->setMaxLength(int(kStoredTextLength));
    regon_->setObjectName(QStringLiteral("EdtRegon"));
    nr_ = new FieldSpinBox(ident);
    nr_->setObjectName(QStringLiteral("EdtNr"));
    nr_->setRange(1, 999);
    stanowisko_ = new QLineEdit(ident);
    stanowisko_->setMaxLength(int(kStoredTextLength));
    stanowisko_->setObjectName(QStringLiteral("EdtStanowisko"));
    kstan_ = new QLineEdit(ident);
    kstan_->setMaxLength(int(kStoredTextLength));
    kstan_->setObjectName(QStringLiteral("EdtKStan"));
    lstan_ = new FieldSpinBox(ident);
    lstan_->setObjectName(QStringLiteral("EdtLStan"));
    lstan_->setRange(1, 999);

    ig->addWidget(buddyCaption(QStringLiteral("Nazwa &zakładu:"), zaklad_, ident), 0, 0,
                  Qt::AlignTop);
    ig->addWidget(zaklad_, 0, 1, 1, 3);
    auto* zakladSide = new QVBoxLayout;
    zakladSide->addWidget(insertEstablishment_);
    zakladSide->addStretch(1);
    ig->addLayout(zakladSide, 0, 4);
    ig->addWidget(buddyCaption(QStringLiteral("&Regon:"), regon_, ident), 1, 0);
    ig->addWidget(regon_, 1, 1);
    ig->addWidget(buddyCaption(QStringLiteral("&Nr kolejny oceny stanowiska:"), nr_, ident), 1, 2);
    ig->addWidget(nr_, 1, 3);
    ig->addWidget(buddyCaption(QStringLiteral("Nazwa st&anowiska:"), stanowisko_, ident), 2, 0);
    ig->addWidget(stanowisko_, 2, 1, 1, 4);
    ig->addWidget(buddyCaption(QStringLiteral("&Kod stanowiska:"), kstan_, ident), 3, 0);
    ig->addWidget(kstan_, 3, 1);
    ig->addWidget(buddyCaption(QStringLiteral("&Liczba stanowisk:"), lstan_, ident), 3, 2);
    ig->addWidget(lstan_, 3, 3);
    ig->setColumnStretch(1, 1);

    // Date and assessing unit.
    auto* unit = new QGroupBox(this);
    auto* ug = new QGridLayout(unit);
    ug->setContentsMargins(6, 6, 6, 6);
    date_ = new DateEdit(unit);
    date_->setObjectName(QStringLiteral("DTPOcena"));
    date_->setMinimumDate(QDate(1900, 1, 1));
    jednostka_ = new QLineEdit(unit);
    jednostka_->setMaxLength(int(kStoredTextLength));
    jednostka_->setObjectName(QStringLiteral("EdtJednostka"));
    ug->addWidget(buddyCaption(QStringLiteral("Data oc&eny:"), date_, unit), 0, 0);
    ug->addWidget(date_, 0, 1);
    ug->addWidget(buddyCaption(QStringLiteral("Nazwa &jednostki dokonującej oceny ryzyka:"),
                               jednostka_, unit),
                  0, 2);
    ug->addWidget(jednostka_, 0, 3);
    ug->setColumnStretch(3, 1);

    // The two person lists, side by side.
    odpow_ = new PersonListBox(
        QStringLiteral("Osoby odpowiedzialne za &stan bezpieczeństwa na stanowisku"),
        [this]() -> std::vector<PersonEntry>& { return model().ListOdpow; },
        [this] { markChanged(); }, {4070, 4080, 4090, 4100, 4110, 4120}, this);
    odpow_->setObjectName(QStringLiteral("ListOdpow"));
    komisja_ = new PersonListBox(
        QStringLiteral("Skład ko&misji"),
        [this]() -> std::vector<PersonEntry>& { return model().ListKomisja; },
        [this] { markChanged(); }, {4150, 4160, 4170, 4670, 4680, 4690}, this);
    komisja_->setObjectName(QStringLiteral("ListKomisja"));
    odpow_->firstNameEdit()->setObjectName(QStringLiteral("EdtOdpImie"));
    odpow_->surnameEdit()->setObjectName(QStringLiteral("EdtOdpNazw"));
    odpow_->positionEdit()->setObjectName(QStringLiteral("EdtOdpStan"));
    odpow_->addButton()->setObjectName(QStringLiteral("BtnDodOdp"));
    odpow_->removeButton()->setObjectName(QStringLiteral("BtnUsunOdp"));
    komisja_->firstNameEdit()->setObjectName(QStringLiteral("EdtKomisjaImie"));
    komisja_->surnameEdit()->setObjectName(QStringLiteral("EdtKomisjaNazw"));
    komisja_->positionEdit()->setObjectName(QStringLiteral("EdtKomisjaStan"));
    komisja_->addButton()->setObjectName(QStringLiteral("BtnDodKomisja"));
    komisja_->removeButton()->setObjectName(QStringLiteral("BtnUsunKomisja"));

    auto* persons = new QHBoxLayout;
    persons->setSpacing(8);
    persons->addWidget(odpow_, 1);
    persons->addWidget(komisja_, 1);

    content()->addWidget(ident);
    content()->addWidget(unit);
    content()->addLayout(persons, 1);

    registerHelpTopics({{4020, "dane-ogolne.html#regon"},
                        {4030, "dane-ogolne.html#nr"},
                        {4040, "dane-ogolne.html#stanowisko"},
                        {4050, "dane-ogolne.html#kod"},
                        {4060, "dane-ogolne.html#liczba"},
                        {4070, "dane-ogolne.html#odpowiedzialni"},
                        {4080, "dane-ogolne.html#dodaj"},
                        {4090, "dane-ogolne.html#usun"},
                        {4100, "dane-ogolne.html#nowa-osoba"},
                        {4110, "dane-ogolne.html#nowa-osoba"},
                        {4120, "dane-ogolne.html#nowa-osoba"},
                        {4130, "dane-ogolne.html#data"},
                        {4140, "dane-ogolne.html#jednostka"},
                        {4150, "dane-ogolne.html#komisja"},
                        {4160, "dane-ogolne.html#dodaj"},
                        {4170, "dane-ogolne.html#usun"},
                        {4670, "dane-ogolne.html#nowa-osoba"},
                        {4680, "dane-ogolne.html#nowa-osoba"},
                        {4690, "dane-ogolne.html#nowa-osoba"}});
    setHelpContext(regon_, 4020);
    setHelpContext(nr_, 4030);
    setHelpContext(stanowisko_, 4040);
    setHelpContext(kstan_, 4050);
    setHelpContext(lstan_, 4060);
    setHelpContext(date_, 4130);
    setHelpContext(jednostka_, 4140);

    // Tab order: the identification, the date and unit, then each person group.
    QWidget* order[] = {zaklad_,
                        insertEstablishment_,
                        regon_,
                        nr_,
                        stanowisko_,
                        kstan_,
                        lstan_,
                        date_,
                        jednostka_,
                        odpow_->firstNameEdit(),
                        odpow_->surnameEdit(),
                        odpow_->positionEdit(),
                        odpow_->addButton(),
                        odpow_->removeButton(),
                        odpow_->insertButton(),
                        komisja_->firstNameEdit(),
                        komisja_->surnameEdit(),
                        komisja_->positionEdit(),
                        komisja_->addButton(),
                        komisja_->removeButton(),
                        komisja_->insertButton()};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        setTabOrder(order[i], order[i + 1]);

    // Where the pickers of the reference lists put a chosen row: an establishment into its name
    // and REGON, a person into the edits of a new entry of the group.
    auto cell = [](const std::vector<std::string>& cells, std::size_t i) {
        return i < cells.size() ? QString::fromStdString(cells[i]) : QString();
    };
    context().picker.setTarget(kRefEstablishments, [this, cell](const auto& cells) {
        setEstablishment(modelTextToEditor(cells.empty() ? std::string() : cells[0]),
                         cell(cells, 1));
    });
    context().picker.setTarget(kRefResponsible, [this, cell](const auto& cells) {
        odpow_->setNewEntry(cell(cells, 1), cell(cells, 0), cell(cells, 2));
    });
    context().picker.setTarget(kRefCommission, [this, cell](const auto& cells) {
        komisja_->setNewEntry(cell(cells, 1), cell(cells, 0), cell(cells, 2));
    });

    // The pickers: the establishments list, the persons responsible, the commission members.
    connect(insertEstablishment_, &QPushButton::clicked, this,
            guard([this] { context().picker.open(this, kRefEstablishments); }));
    connect(odpow_, &PersonListBox::insertRequested, this,
            guard([this] { context().picker.open(this, kRefResponsible); }));
    connect(komisja_, &PersonListBox::insertRequested, this,
            guard([this] { context().picker.open(this, kRefCommission); }));

    connect(zaklad_, &QPlainTextEdit::textChanged, this, [this] { establishmentChanged(); });
    connect(regon_, &QLineEdit::textChanged, this, [this](const QString& t) {
        if (loading()) return;
        model().EdtRegon = t.toStdString();
        markChanged();
    });
    connect(nr_, &QSpinBox::valueChanged, this, [this](int v) {
        if (loading()) return;
        model().EdtNr = v;
        markChanged();
    });
    connect(stanowisko_, &QLineEdit::textChanged, this, [this](const QString& t) {
        if (loading()) return;
        model().EdtStanowisko = t.toStdString();
        markChanged();
    });
    connect(kstan_, &QLineEdit::textChanged, this, [this](const QString& t) {
        if (loading()) return;
        model().EdtKStan = t.toStdString();
        markChanged();
    });
    connect(lstan_, &QSpinBox::valueChanged, this, [this](int v) {
        if (loading()) return;
        model().EdtLStan = v;
        markChanged();
    });
    connect(date_, &QDateEdit::dateChanged, this, [this](const QDate& d) {
        if (loading() || !d.isValid()) return;
        model().DTPOcena = dayNumberFromDate(d);
        markChanged();
    });
    connect(jednostka_, &QLineEdit::textChanged, this, [this](const QString& t) {
        if (loading()) return;
        model().EdtJednostka = t.toStdString();
        markChanged();
    });
}

void GeneralDataPage::loadFromModel() {
    const Assessment& a = model();
    zaklad_->setPlainText(modelTextToEditor(a.EdtZaklad));
    regon_->setText(QString::fromStdString(a.EdtRegon));
    nr_->setValue(a.EdtNr);
    stanowisko_->setText(QString::fromStdString(a.EdtStanowisko));
    kstan_->setText(QString::fromStdString(a.EdtKStan));
    lstan_->setValue(a.EdtLStan);
    date_->setDate(dateFromDayNumber(a.DTPOcena));
    jednostka_->setText(QString::fromStdString(a.EdtJednostka));
    odpow_->load();
    komisja_->load();
}

void GeneralDataPage::pageShown(PageReason) {
    wizard().setBackVisible(false);
    wizard().setNextEnabled(!zaklad_->toPlainText().isEmpty());
    odpow_->pageShown();
    komisja_->pageShown();
}

void GeneralDataPage::setEstablishment(const QString& name, const QString& regon) {
    // A name longer than the file keeps is cut with a message, not silently on saving.
    zaklad_->replaceWithinLimit(name);
    regon_->setText(regon);
}

void GeneralDataPage::establishmentChanged() {
    const QString text = zaklad_->toPlainText();
    // Next may leave page 0 only with an establishment name. A picker may fill the name while
    // another page is shown; that page's Next is its own.
    if (isCurrent()) wizard().setNextEnabled(!text.isEmpty());
    if (loading()) return;
    model().EdtZaklad = editorTextToModel(text);
    markChanged();
}

} // namespace tarnik
