#include "app/document/document.h"

#include <QFileInfo>

namespace tarnik {

Document::Document(QObject* parent) : QObject(parent) {
    evaluation_.onModified = [this] { markChanged(); };
}

void Document::SetSaved(bool value) {
    saved_ = value;
    if (!value && !caption_.isEmpty() && !caption_.endsWith(QLatin1Char('*')))
        setCaption(caption_ + QStringLiteral(" *"));
}

void Document::setCaption(const QString& caption) {
    if (caption == caption_) return;
    caption_ = caption;
    emit captionChanged(caption_);
}

void Document::setCaptionFromFileName() {
    setCaption(QStringLiteral("Tarnik - ") + QFileInfo(fileName_).fileName());
}

} // namespace tarnik
