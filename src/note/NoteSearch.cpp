#include "note/NoteSearch.h"

#include <QRegularExpression>

namespace NoteSearch {

QString fold(const QString& text) {
    // Compatibility decomposition splits "é" into "e" and its accent, and "ﬁ" into "fi".
    const QString decomposed = text.normalized(QString::NormalizationForm_KD);
    QString folded;
    folded.reserve(decomposed.size());
    for (const QChar c : decomposed) {
        const QChar::Category category = c.category();
        if (category == QChar::Mark_NonSpacing || category == QChar::Mark_SpacingCombining ||
            category == QChar::Mark_Enclosing)
            continue;
        folded.append(c.toCaseFolded());
    }
    // Case folding spells "ß" as "ss" only through the whole string's folding.
    folded.replace(QChar(0x00DF), QLatin1String("ss"));
    return folded;
}

QStringList words(const QString& query) {
    return fold(query).split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
}

bool matches(const QString& foldedText, const QStringList& foldedWords) {
    for (const QString& word : foldedWords) {
        if (!foldedText.contains(word))
            return false;
    }
    return true;
}

// Typing on at the end keeps every word but the last, and the last only grows, so what matches
// now matched before; any other edit can bring back notes that did not match.
bool narrows(const QString& previous, const QString& query) {
    return query.startsWith(previous);
}

QString firstLine(const QString& text, int maxLength) {
    static const QRegularExpression lineBreak(QStringLiteral("[\\r\\n\\x{2028}\\x{2029}]"));
    for (const QString& line : text.split(lineBreak)) {
        const QString trimmed = line.simplified();
        if (trimmed.isEmpty())
            continue;
        if (trimmed.size() <= maxLength)
            return trimmed;
        return trimmed.left(maxLength - 1).trimmed() + QChar(0x2026);
    }
    return QString();
}

} // namespace NoteSearch
