#include "app/platform/prompts.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>

namespace tarnik {

namespace {

// The program's texts use CR LF between lines, as the files do; a message box wants LF.
QString forDisplay(const QString& text) {
    QString t = text;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return t;
}

class PlatformMessageBoxes : public MessageBoxes {
public:
    void message(QWidget* parent, const QString& title, const QString& text) override {
        QMessageBox box(title == kTitleError ? QMessageBox::Critical : QMessageBox::Information,
                        title, forDisplay(text), QMessageBox::Ok, parent);
        box.exec();
    }
    bool question(QWidget* parent, const QString& title, const QString& text) override {
        QMessageBox box(QMessageBox::Question, title, forDisplay(text),
                        QMessageBox::Yes | QMessageBox::No, parent);
        box.button(QMessageBox::Yes)->setText(QStringLiteral("&Tak"));
        box.button(QMessageBox::No)->setText(QStringLiteral("&Nie"));
        box.setDefaultButton(QMessageBox::Yes);
        // Escape and the close box answer No: there is no Cancel.
        box.setEscapeButton(QMessageBox::No);
        return box.exec() == QMessageBox::Yes;
    }
    Reply questionWithCancel(QWidget* parent, const QString& title, const QString& text) override {
        QMessageBox box(QMessageBox::Question, title, forDisplay(text),
                        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent);
        box.button(QMessageBox::Yes)->setText(QStringLiteral("&Tak"));
        box.button(QMessageBox::No)->setText(QStringLiteral("&Nie"));
        box.button(QMessageBox::Cancel)->setText(QStringLiteral("Anuluj"));
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::Cancel);
        switch (box.exec()) {
        case QMessageBox::Yes:
            return Reply::Yes;
        case QMessageBox::No:
            return Reply::No;
        default:
            return Reply::Cancel;
        }
    }
};

class PlatformFileDialogs : public FileDialogs {
public:
    QString openFileName(QWidget* parent, const QString& title, const QString& filter) override {
        return run(parent, title, filter, QFileDialog::AcceptOpen);
    }
    QString saveFileName(QWidget* parent, const QString& title, const QString& filter,
                         const QString& defaultSuffix) override {
        return run(parent, title, filter, QFileDialog::AcceptSave, {}, defaultSuffix);
    }
    QString openFileNameAt(QWidget* parent, const QString& title, const QString& filter,
                           const QString& suggested) override {
        return run(parent, title, filter, QFileDialog::AcceptOpen, suggested);
    }
    QString saveFileNameAt(QWidget* parent, const QString& title, const QString& filter,
                           const QString& suggested, const QString& defaultSuffix) override {
        return run(parent, title, filter, QFileDialog::AcceptSave, suggested, defaultSuffix);
    }
    QString folderName(QWidget* parent, const QString& title, const QString& start) override {
        return QFileDialog::getExistingDirectory(parent, title, start);
    }

private:
    QString run(QWidget* parent, const QString& title, const QString& filter,
                QFileDialog::AcceptMode mode, const QString& suggested = {},
                const QString& defaultSuffix = {}) {
        QFileDialog dialog(parent, title, lastFolder_, qtFileFilter(filter));
        dialog.setAcceptMode(mode);
        // The dialog checks the name with the suffix added, so the question before replacing a
        // file is asked for the file that is going to be written.
        if (!defaultSuffix.isEmpty()) {
            dialog.setDefaultSuffix(defaultSuffix);
            for (const QString& nameFilter : dialog.nameFilters())
                if (filterSuffix(nameFilter) == defaultSuffix) {
                    dialog.selectNameFilter(nameFilter);
                    break;
                }
            // With several types to choose from, a name typed without a suffix takes the
            // suffix of the type chosen.
            QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                             [&dialog](const QString& chosenFilter) {
                                 const QString suffix = filterSuffix(chosenFilter);
                                 if (!suffix.isEmpty()) dialog.setDefaultSuffix(suffix);
                             });
        }
        if (!suggested.isEmpty()) {
            const QFileInfo info(suggested);
            dialog.setDirectory(info.absolutePath());
            dialog.selectFile(info.fileName());
        }
        // Open accepts a name that does not exist: the program itself says so.
        dialog.setFileMode(QFileDialog::AnyFile);
        if (dialog.exec() != QDialog::Accepted) return {};
        const QStringList files = dialog.selectedFiles();
        if (files.isEmpty()) return {};
        lastFolder_ = QFileInfo(files.first()).absolutePath();
        return files.first();
    }

    QString lastFolder_;
};

PlatformMessageBoxes& platformBoxes() {
    static PlatformMessageBoxes boxes;
    return boxes;
}

PlatformFileDialogs& platformDialogs() {
    static PlatformFileDialogs dialogs;
    return dialogs;
}

MessageBoxes* g_boxes = nullptr;
FileDialogs* g_dialogs = nullptr;

} // namespace

MessageBoxes& messageBoxes() {
    return g_boxes ? *g_boxes : platformBoxes();
}

FileDialogs& fileDialogs() {
    return g_dialogs ? *g_dialogs : platformDialogs();
}

void setMessageBoxes(MessageBoxes* boxes) {
    g_boxes = boxes;
}

void setFileDialogs(FileDialogs* dialogs) {
    g_dialogs = dialogs;
}

QString filterSuffix(const QString& qtFilter) {
    const qsizetype open = qtFilter.lastIndexOf(QLatin1Char('('));
    const qsizetype close = qtFilter.lastIndexOf(QLatin1Char(')'));
    if (open < 0 || close < open) return {};
    const QString first =
        qtFilter.mid(open + 1, close - open - 1).section(QLatin1Char(' '), 0, 0).trimmed();
    if (!first.startsWith(QLatin1String("*.")) || first.size() < 3 ||
        first.indexOf(QLatin1Char('*'), 1) >= 0)
        return {};
    return first.mid(2);
}

QString qtFileFilter(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i].trimmed();
        QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString& p : patterns) {
            p = p.trimmed();
            // "*.*" means every file; on systems where names need no dot that is "*".
            if (p == QLatin1String("*.*")) p = QStringLiteral("*");
        }
        const QString joined = patterns.join(QLatin1Char(' '));
        if (!description.contains(QLatin1Char('(')))
            description += QStringLiteral(" (") + joined + QLatin1Char(')');
        else if (!description.contains(QLatin1Char('(') + joined + QLatin1Char(')')))
            description += QStringLiteral(" (") + joined + QLatin1Char(')');
        out << description;
    }
    return out.join(QStringLiteral(";;"));
}

QString withTrkExtension(const QString& fileName) {
    if (fileName.isEmpty()) return fileName;
    const QFileInfo info(fileName);
    if (!info.suffix().isEmpty() || info.fileName().isEmpty()) return fileName;
    // A name ending with a dot ("ocena.") has an empty extension on purpose: keep it as typed.
    if (fileName.endsWith(QLatin1Char('.'))) return fileName;
    return fileName + QStringLiteral(".trk");
}

} // namespace tarnik
