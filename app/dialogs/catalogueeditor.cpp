#include "app/dialogs/catalogueeditor.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/help/helpcontext.h"
#include "app/help/windowhelp.h"
#include "app/platform/datafolders.h"
#include "app/platform/errorhandler.h"
#include "app/platform/pathutil.h"
#include "app/platform/prompts.h"

namespace tarnik {

TForm8::TForm8(const QString& programDir, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Form8"));
    setHelpContext(this, kHelpCatalogueEditor);
    setWindowTitle(QString::fromUtf8(kEditorTitle));
    setModal(true);
    resize(706, 477);
    EditorView& view = *this;
    // The user's changed copy is read when there is one and every change goes to it; the shipped
    // files in programDir are the defaults.
    EditorFiles files{[programDir](const std::string& name) {
                          return toPath(dataFileToRead(programDir, QString::fromStdString(name)));
                      },
                      [programDir](const std::string& name) {
                          return toPath(dataFileToWrite(programDir, QString::fromStdString(name)));
                      }};
    session_ = std::make_unique<CatalogueEditorSession>(std::move(files), view);

    files_ = new QComboBox(this);
    files_->setObjectName(QStringLiteral("ComboBox1"));
    for (const EditorItem& item : kEditorItems)
        files_->addItem(QString::fromUtf8(item.caption));
    files_->setPlaceholderText(QStringLiteral("wybierz plik do edycji"));
    files_->setCurrentIndex(-1);
    files_->setAccessibleName(QStringLiteral("Plik do edycji"));
    auto* filesLabel = new QLabel(QStringLiteral("&Plik:"), this);
    filesLabel->setBuddy(files_);
    save_ = new QPushButton(QStringLiteral("&Zapisz"), this);
    save_->setObjectName(QStringLiteral("BtnZapisz"));
    close_ = new QPushButton(QStringLiteral("Za&mknij"), this);
    close_->setObjectName(QStringLiteral("BtnZamknij"));
    for (QPushButton* b : {save_, close_}) {
        b->setAutoDefault(false);
        b->setDefault(false);
    }
    text_ = new QPlainTextEdit(this);
    text_->setObjectName(QStringLiteral("RichEdit1"));
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    text_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text_->setAccessibleName(QStringLiteral("Treść pliku"));

    auto* top = new QHBoxLayout;
    top->addWidget(filesLabel);
    top->addWidget(files_, 1);
    top->addSpacing(12);
    top->addWidget(save_);
    top->addWidget(close_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(text_, 1);

    connect(files_, &QComboBox::activated, this, [this](int item) { chooseItem(item); });
    connect(save_, &QPushButton::clicked, this, [this] { saveClicked(); });
    connect(close_, &QPushButton::clicked, this, [this] { closeClicked(); });
    connect(text_, &QPlainTextEdit::modificationChanged, this, [this] { showState(); });
    showState();
}

TForm8::~TForm8() = default;

void TForm8::start() {
    struct ShowState {
        TForm8* form;
        ~ShowState() { form->showState(); }
    } show{this};
    session_->start();
}

void TForm8::chooseItem(int item) {
    runGuarded([this, item] { session_->choose(item); }, this);
    showState();
}

void TForm8::saveClicked() {
    runGuarded([this] { session_->save(); }, this);
    showState();
}

void TForm8::closeClicked() {
    bool mayClose = false;
    runGuarded([this, &mayClose] { mayClose = session_->close(); }, this);
    showState();
    if (mayClose) accept();
}

void TForm8::showState() {
    const bool open = session_->editingEnabled();
    text_->setReadOnly(!open);
    text_->setEnabled(open);
    save_->setEnabled(open);
    // The list shows the file that is open, also after a choice that did not go through.
    if (files_->currentIndex() != session_->currentItem())
        files_->setCurrentIndex(session_->currentItem());
}

std::string TForm8::text() const {
    return text_->toPlainText().toStdString();
}

void TForm8::showText(const std::string& text) {
    text_->setPlainText(QString::fromStdString(text));
    text_->document()->setModified(false);
}

bool TForm8::isModified() const {
    return text_->document()->isModified();
}

void TForm8::setModified(bool modified) {
    text_->document()->setModified(modified);
}

bool TForm8::askSaveChanges() {
    return askYesNo(this, kTitleWarning, QString::fromUtf8(kSaveChangesQuestion));
}

void TForm8::tellEmptyFile() {
    showMessage(this, kTitleWarning, QString::fromUtf8(kEmptyFileMessage));
}

bool TForm8::acceptLackingCharacters(const std::string& characters) {
    return askYesNo(this, kTitleWarning,
                    QString::fromStdString(lackingCharactersQuestion(characters)));
}

} // namespace tarnik
