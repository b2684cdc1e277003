#include "app/print/pagerangedialog.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/help/helpcontext.h"
#include "app/help/windowhelp.h"
#include "core/base/errors.h"
#include "core/base/text.h"

namespace tarnik {

namespace {

bool toInt(const QString& text, int& value) {
    return parseInt32(text.trimmed().toStdString(), value);
}

} // namespace

TForm6::TForm6(std::function<void()> setUpPrinter, QWidget* parent)
    : QDialog(parent), setUpPrinter_(std::move(setUpPrinter)) {
    setObjectName(QStringLiteral("Form6"));
    setHelpContext(this, kHelpPrintRange);
    setWindowTitle(QStringLiteral("Drukuj"));

    auto* frame = new QGroupBox(QStringLiteral("Zakres stron do wydrukowania"), this);
    rbAll_ = new QRadioButton(QStringLiteral("&Wszystkie strony"), frame);
    rbAll_->setObjectName(QStringLiteral("rbAll"));
    rbAll_->setChecked(true);
    rbFromTo_ = new QRadioButton(QStringLiteral("&Strony"), frame);
    rbFromTo_->setObjectName(QStringLiteral("rbFromTo"));
    edtFrom_ = new QLineEdit(QStringLiteral("1"), frame);
    edtFrom_->setObjectName(QStringLiteral("edtFrom"));
    edtTo_ = new QLineEdit(QStringLiteral("1"), frame);
    edtTo_->setObjectName(QStringLiteral("edtTo"));
    for (QLineEdit* edit : {edtFrom_, edtTo_}) {
        edit->setMaximumWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("0000000")) +
                              16);
        edit->installEventFilter(this);
    }
    auto* fromLabel = new QLabel(QStringLiteral("&od"), frame);
    fromLabel->setBuddy(edtFrom_);
    auto* toLabel = new QLabel(QStringLiteral("do"), frame);
    toLabel->setBuddy(edtTo_);
    edtFrom_->setAccessibleName(QStringLiteral("od"));
    edtTo_->setAccessibleName(QStringLiteral("do"));

    auto* grid = new QGridLayout(frame);
    grid->addWidget(rbAll_, 0, 0, 1, 5);
    grid->addWidget(rbFromTo_, 1, 0);
    grid->addWidget(fromLabel, 1, 1);
    grid->addWidget(edtFrom_, 1, 2);
    grid->addWidget(toLabel, 1, 3);
    grid->addWidget(edtTo_, 1, 4);
    grid->setColumnStretch(5, 1);

    print_ = new QPushButton(QStringLiteral("&Drukuj"), this);
    print_->setObjectName(QStringLiteral("Drukuj"));
    print_->setDefault(true);
    cancel_ = new QPushButton(QStringLiteral("Anuluj"), this);
    cancel_->setObjectName(QStringLiteral("Anuluj"));
    settings_ = new QPushButton(QStringLiteral("&Ustawienia..."), this);
    settings_->setObjectName(QStringLiteral("Ustawienia"));
    settings_->setAutoDefault(false);
    cancel_->setAutoDefault(false);

    connect(print_, &QPushButton::clicked, this, [this] {
        result_ = true;
        accept();
    });
    connect(cancel_, &QPushButton::clicked, this, [this] {
        result_ = false;
        reject();
    });
    connect(settings_, &QPushButton::clicked, this, [this] {
        if (setUpPrinter_) setUpPrinter_();
    });

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(print_);
    buttons->addWidget(cancel_);
    buttons->addWidget(settings_);
    buttons->addStretch(1);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(frame, 1);
    layout->addLayout(buttons);

    setTabOrder(rbAll_, rbFromTo_);
    setTabOrder(rbFromTo_, edtFrom_);
    setTabOrder(edtFrom_, edtTo_);
    setTabOrder(edtTo_, print_);
    setTabOrder(print_, cancel_);
    setTabOrder(cancel_, settings_);
}

bool TForm6::Execute() {
    result_ = false;
    exec();
    return result_;
}

PrintRange TForm6::range() const {
    if (rbAll_->isChecked()) return PrintRange::all();
    int from = 0;
    int to = 0;
    if (!toInt(edtFrom_->text(), from))
        throw ConversionError(notAnIntegerMessage(edtFrom_->text().toStdString()));
    if (!toInt(edtTo_->text(), to))
        throw ConversionError(notAnIntegerMessage(edtTo_->text().toStdString()));
    return PrintRange::pages(from, to);
}

bool TForm6::eventFilter(QObject* watched, QEvent* event) {
    if (watched == edtFrom_ || watched == edtTo_) {
        if (event->type() == QEvent::FocusIn) {
            rbFromTo_->setChecked(true);
        } else if (event->type() == QEvent::FocusOut) {
            if (watched == edtFrom_)
                edtFromExit();
            else
                edtToExit();
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TForm6::edtFromExit() {
    int value = 0;
    edtFrom_->setText(toInt(edtFrom_->text(), value) ? QString::number(value)
                                                     : QStringLiteral("1"));
}

void TForm6::edtToExit() {
    int value = 0;
    edtTo_->setText(toInt(edtTo_->text(), value) ? QString::number(value) : edtFrom_->text());
}

} // namespace tarnik
