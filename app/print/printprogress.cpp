#include "app/print/printprogress.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "app/help/helpcontext.h"
#include "app/help/windowhelp.h"

namespace tarnik {

namespace {

constexpr int kRepaintEveryMs = 40;

} // namespace

TPrintPrg::TPrintPrg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("PrintPrg"));
    setHelpContext(this, kHelpPrintProgress);
    setWindowTitle(QStringLiteral("Przygotowanie do druku"));
    setModal(false);
    memo_ = new QPlainTextEdit(this);
    memo_->setObjectName(QStringLiteral("Memo1"));
    memo_->setReadOnly(true);
    memo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo_->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo_->setAccessibleName(QStringLiteral("Przebieg przygotowania do druku"));
    close_ = new QPushButton(QStringLiteral("&Zamknij"), this);
    close_->setObjectName(QStringLiteral("Zamknij"));
    close_->setAutoDefault(false);
    connect(close_, &QPushButton::clicked, this, &QDialog::hide);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(close_);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(memo_, 1);
    layout->addLayout(buttons);
    resize(420, 360);
    sinceRepaint_.start();
}

void TPrintPrg::clear() {
    entries_.clear();
    memo_->clear();
}

void TPrintPrg::append(const QString& entry) {
    entries_ << entry;
    QString shown = entry;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    memo_->appendPlainText(shown);
    memo_->verticalScrollBar()->setValue(memo_->verticalScrollBar()->maximum());
    repaintNow(false);
}

void TPrintPrg::showProgress() {
    show();
    raise();
    repaintNow(true);
}

QString TPrintPrg::text() const {
    return memo_->toPlainText();
}

void TPrintPrg::repaintNow(bool force) {
    if (!isVisible()) return;
    if (!force && sinceRepaint_.elapsed() < kRepaintEveryMs) return;
    sinceRepaint_.restart();
    // Paint events only: clicks and keys wait until the print is done, so that nothing starts
    // a second print or changes the document while this one is laid out.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

} // namespace tarnik
