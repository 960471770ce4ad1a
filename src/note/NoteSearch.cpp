#include "note/NoteSearch.h"

#include <QHash>
#include <QRegularExpression>

namespace {

// One character beyond ASCII, folded: its compatibility decomposition splits "é" into "e" and
// its accent, and "ﬁ" into "fi"; the marks are dropped and the rest case folded. Characters
// recur, so each is worked out once.
const QString& foldedCharacter(char32_t character) {
    static QHash<char32_t, QString> known;
    if (const auto it = known.constFind(character); it != known.cend())
        return *it;
    QString folded;
    const QString decomposed =
        QString::fromUcs4(&character, 1).normalized(QString::NormalizationForm_KD);
    for (const QChar c : decomposed) {
        const QChar::Category category = c.category();
        if (category == QChar::Mark_NonSpacing || category == QChar::Mark_SpacingCombining ||
            category == QChar::Mark_Enclosing)
            continue;
        // Single characters fold one to one; "ß" folds to "ss" only as a string.
        if (c == QChar(0x00DF))
            folded += QLatin1String("ss");
        else
            folded += c.toCaseFolded();
    }
    return *known.insert(character, folded);
}

bool isLineBreak(QChar c) {
    return c == u'\r' || c == u'\n' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
}

} // namespace

namespace NoteSearch {

QString fold(const QString& text) {
    // Written in place: folding keeps most characters one for one.
    QString folded(text.size(), Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(folded.data());
    qsizetype length = 0;
    const char16_t* in = reinterpret_cast<const char16_t*>(text.constData());
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t c = in[i];
        // Most of what notes hold is ASCII, which only needs its capitals lowered.
        if (c < 0x80) {
            out[length++] = c >= u'A' && c <= u'Z' ? char16_t(c + 0x20) : c;
            continue;
        }
        const bool pair =
            QChar::isHighSurrogate(c) && i + 1 < size && QChar::isLowSurrogate(in[i + 1]);
        const QString& replacement =
            pair ? foldedCharacter(char32_t(QChar::surrogateToUcs4(c, in[i + 1])))
                 : foldedCharacter(c);
        if (pair)
            ++i;
        // A character that folds into more than it was ("ß", "ﬃ"): room for it and the rest.
        const qsizetype needed = length + replacement.size() + (size - i - 1);
        if (needed > folded.size()) {
            folded.resize(needed);
            out = reinterpret_cast<char16_t*>(folded.data());
        }
        for (const QChar r : replacement)
            out[length++] = r.unicode();
    }
    folded.truncate(length);
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
    // Only up to the first line with words is looked at, however long the note.
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = start;
        while (end < text.size() && !isLineBreak(text.at(end)))
            ++end;
        const QString line = text.mid(start, end - start).simplified();
        if (!line.isEmpty()) {
            if (line.size() <= maxLength)
                return line;
            return line.left(maxLength - 1).trimmed() + QChar(0x2026);
        }
        start = end + 1;
    }
    return QString();
}

} // namespace NoteSearch
