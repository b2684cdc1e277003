#pragma once
// The help window: the program's help pages (HTML in Polish, in the folder "help" beside the
// program), their table of contents and a search over all of them.
#include <QTextBrowser>
#include <QWidget>

class QLineEdit;

namespace tarnik {

// A browser that reads the help pages in the code page they declare (Windows-1250 or UTF-8).
class HelpBrowser : public QTextBrowser {
    Q_OBJECT
public:
    using QTextBrowser::QTextBrowser;
    QVariant loadResource(int type, const QUrl& name) override;
};

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    // `helpDir` is the folder of the pages.
    explicit HelpWindow(const QString& helpDir, QWidget* parent = nullptr);

    // "Spis treści".
    void showContents();
    // A page, optionally with its section: "dane-ogolne.html#regon".
    void showTopic(const QString& topic);
    // The topic of a help context number; the contents when the number has none.
    void showContext(int context);

    // The page (and section) shown, relative to the help folder.
    QString currentTopic() const;
    HelpBrowser* browser() const { return browser_; }
    QLineEdit* searchEdit() const { return search_; }

    // Shows the pages whose text holds every word of `text`.
    void search(const QString& text);

private:
    void present();

    QString helpDir_;
    HelpBrowser* browser_ = nullptr;
    QLineEdit* search_ = nullptr;
};

// The text of a help page file, decoded by the code page its <meta charset> names.
QString decodeHelpPage(const QByteArray& bytes);

} // namespace tarnik
