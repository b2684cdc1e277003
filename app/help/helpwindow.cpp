#include "app/help/helpwindow.h"

#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextDocument>
#include <QUrl>
#include <QVBoxLayout>

#include "app/help/helptopics.h"
#include "core/base/cp1250.h"

namespace tarnik {

QString decodeHelpPage(const QByteArray& bytes) {
    static const QRegularExpression charset(
        QStringLiteral("<meta[^>]*charset\\s*=\\s*[\"']?([A-Za-z0-9_-]+)"),
        QRegularExpression::CaseInsensitiveOption);
    const QString head = QString::fromLatin1(bytes.left(1024));
    const QString name = charset.match(head).captured(1).toLower();
    if (name == QLatin1String("windows-1250") || name == QLatin1String("cp1250"))
        return QString::fromStdString(cp1250ToUtf8(
            std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()))));
    return QString::fromUtf8(bytes);
}

QVariant HelpBrowser::loadResource(int type, const QUrl& name) {
    if (type == QTextDocument::HtmlResource && name.isLocalFile()) {
        QFile f(name.toLocalFile());
        if (!f.open(QIODevice::ReadOnly)) return QVariant();
        return decodeHelpPage(f.readAll());
    }
    return QTextBrowser::loadResource(type, name);
}

HelpWindow::HelpWindow(const QString& helpDir, QWidget* parent)
    : QWidget(parent, Qt::Window), helpDir_(helpDir) {
    setWindowTitle(QStringLiteral("Tarnik - pomoc"));
    auto* layout = new QVBoxLayout(this);
    auto* bar = new QHBoxLayout;
    auto* contents = new QPushButton(QStringLiteral("&Spis treści"), this);
    auto* back = new QPushButton(QStringLiteral("&Wstecz"), this);
    auto* forward = new QPushButton(QStringLiteral("&Dalej"), this);
    search_ = new QLineEdit(this);
    search_->setPlaceholderText(QStringLiteral("wpisz słowa i naciśnij Enter"));
    auto* searchLabel = new QLabel(QStringLiteral("S&zukaj:"), this);
    searchLabel->setBuddy(search_);
    bar->addWidget(contents);
    bar->addWidget(back);
    bar->addWidget(forward);
    bar->addSpacing(12);
    bar->addWidget(searchLabel);
    bar->addWidget(search_, 1);
    layout->addLayout(bar);

    browser_ = new HelpBrowser(this);
    browser_->setOpenExternalLinks(true);
    browser_->setSearchPaths({helpDir_});
    layout->addWidget(browser_, 1);

    back->setEnabled(false);
    forward->setEnabled(false);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QWidget::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QWidget::setEnabled);
    connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(contents, &QPushButton::clicked, this, [this] { showContents(); });
    connect(search_, &QLineEdit::returnPressed, this, [this] { search(search_->text()); });
    resize(720, 560);
}

void HelpWindow::showContents() {
    showTopic(kHelpContentsPage);
}

void HelpWindow::showTopic(const QString& topic) {
    QString page = topic;
    QString fragment;
    const qsizetype hash = topic.indexOf(QLatin1Char('#'));
    if (hash >= 0) {
        page = topic.left(hash);
        fragment = topic.mid(hash + 1);
    }
    QUrl url = QUrl::fromLocalFile(QDir(helpDir_).absoluteFilePath(page));
    if (!fragment.isEmpty()) url.setFragment(fragment);
    if (!QFile::exists(url.toLocalFile())) {
        browser_->setHtml(QStringLiteral("<p>Nie znaleziono strony pomocy „%1” w folderze "
                                         "%2.</p>")
                              .arg(page.toHtmlEscaped(), helpDir_.toHtmlEscaped()));
    } else {
        browser_->setSource(url);
    }
    present();
}

void HelpWindow::showContext(int context) {
    const QString topic = helpTopicUrl(context);
    if (topic.isEmpty())
        showContents();
    else
        showTopic(topic);
}

QString HelpWindow::currentTopic() const {
    const QUrl url = browser_->source();
    if (url.isEmpty()) return {};
    QString topic = QDir(helpDir_).relativeFilePath(url.toLocalFile());
    if (url.hasFragment()) topic += QLatin1Char('#') + url.fragment();
    return topic;
}

void HelpWindow::search(const QString& text) {
    const QStringList words = text.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.isEmpty()) return;
    QString html = QStringLiteral("<h2>Wyniki wyszukiwania</h2><p>Szukane słowa: <b>%1</b></p><ul>")
                       .arg(words.join(QLatin1Char(' ')).toHtmlEscaped());
    int found = 0;
    const QStringList files =
        QDir(helpDir_).entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name);
    for (const QString& file : files) {
        QFile f(QDir(helpDir_).filePath(file));
        if (!f.open(QIODevice::ReadOnly)) continue;
        QTextDocument doc;
        doc.setHtml(decodeHelpPage(f.readAll()));
        const QString plain = doc.toPlainText();
        bool all = true;
        for (const QString& w : words)
            if (!plain.contains(w, Qt::CaseInsensitive)) all = false;
        if (!all) continue;
        ++found;
        const QString title = doc.metaInformation(QTextDocument::DocumentTitle);
        html += QStringLiteral("<li><a href=\"%1\">%2</a></li>")
                    .arg(QUrl::fromLocalFile(QDir(helpDir_).absoluteFilePath(file)).toString(),
                         (title.isEmpty() ? file : title).toHtmlEscaped());
    }
    html += QStringLiteral("</ul>");
    if (found == 0) html += QStringLiteral("<p>Żadna strona pomocy nie zawiera tych słów.</p>");
    browser_->setHtml(html);
    present();
}

void HelpWindow::present() {
    show();
    raise();
    activateWindow();
}

} // namespace tarnik
