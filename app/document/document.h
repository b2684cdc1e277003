#pragma once
// The open document: the one assessment the program edits, the name of its file, whether it has
// unsaved changes, and the window caption that says so.
#include <QObject>
#include <QString>

#include "app/document/filestamp.h"
#include "core/evaluation/evaluation.h"
#include "core/model/assessment.h"

namespace tarnik {

inline const QString kUntitledCaption = QStringLiteral("Tarnik - bez nazwy");

class Document : public QObject {
    Q_OBJECT
public:
    explicit Document(QObject* parent = nullptr);

    Assessment& assessment() { return assessment_; }
    const Assessment& assessment() const { return assessment_; }

    // The indices computed from the assessment, with the texts and charts the evaluation pages
    // show. Its input handlers mark the document changed.
    Evaluation& evaluation() { return evaluation_; }
    const Evaluation& evaluation() const { return evaluation_; }

    // Full path of the assessment file; empty while the document is untitled.
    const QString& CurrentFileName() const { return fileName_; }
    void setCurrentFileName(const QString& name) { fileName_ = name; }

    // The file as it was when the document last read or wrote it.
    const FileStamp& fileStamp() const { return fileStamp_; }
    void setFileStamp(const FileStamp& stamp) { fileStamp_ = stamp; }

    // True when the document has no unsaved changes.
    bool IsSaved() const { return saved_; }
    // Stores the value; false also marks the caption with " *" (once), unless it is empty.
    void SetSaved(bool value);
    // SetSaved(false): an edit changed the document.
    void markChanged() { SetSaved(false); }

    const QString& caption() const { return caption_; }
    void setCaption(const QString& caption);
    // "Tarnik - bez nazwy".
    void setUntitledCaption() { setCaption(kUntitledCaption); }
    // "Tarnik - " and the file name without its folder.
    void setCaptionFromFileName();

signals:
    void captionChanged(const QString& caption);

private:
    Assessment assessment_;
    Evaluation evaluation_;
    QString fileName_;
    FileStamp fileStamp_;
    bool saved_ = true;
    QString caption_;
};

} // namespace tarnik
