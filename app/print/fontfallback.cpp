#include "app/print/fontfallback.h"

#include <QFontDatabase>
#include <QHash>

namespace tarnik {

namespace {

QStringList metricCompatible(const QString& face) {
    const QString key = face.trimmed().toLower();
    if (key == QLatin1String("arial") || key == QLatin1String("helvetica"))
        return {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo")};
    if (key == QLatin1String("times new roman") || key == QLatin1String("times"))
        return {QStringLiteral("Liberation Serif"), QStringLiteral("Tinos")};
    if (key == QLatin1String("courier new") || key == QLatin1String("courier"))
        return {QStringLiteral("Liberation Mono"), QStringLiteral("Cousine")};
    if (key == QLatin1String("arial narrow")) return {QStringLiteral("Liberation Sans Narrow")};
    return {};
}

} // namespace

QString installedFontFace(const QString& face) {
    // Asking the font database is slow; the answer does not change while the program runs.
    static QHash<QString, QString> known;
    const auto it = known.constFind(face);
    if (it != known.constEnd()) return it.value();
    QString chosen = face;
    if (!QFontDatabase::hasFamily(face)) {
        for (const QString& candidate : metricCompatible(face)) {
            if (QFontDatabase::hasFamily(candidate)) {
                chosen = candidate;
                break;
            }
        }
    }
    known.insert(face, chosen);
    return chosen;
}

QFont qtFont(const FontSpec& font) {
    QFont f(installedFontFace(QString::fromStdString(font.face)));
    f.setPointSize(font.points > 0 ? font.points : 1);
    f.setBold(font.bold);
    return f;
}

} // namespace tarnik
