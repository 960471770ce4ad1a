#include "platform/CrLfText.h"

#include <algorithm>

namespace CrLfText {

QString toDocText(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != u'\r') {
            out.append(c);
            continue;
        }
        out.append(u'\n');
        if (i + 1 < text.size() && text.at(i + 1) == u'\n')
            ++i;
    }
    return out;
}

QString toCrLf(const QString& docText) {
    QString out = docText;
    out.replace(u'\n', QStringLiteral("\r\n"));
    return out;
}

int toCrLfPos(const QString& docText, int docPos) {
    const int pos = std::clamp(docPos, 0, int(docText.size()));
    return pos + int(QStringView(docText).left(pos).count(u'\n'));
}

int toDocPos(const QString& docText, int crlfPos) {
    int crlf = 0;
    for (int i = 0; i < int(docText.size()); ++i) {
        const int width = docText.at(i) == u'\n' ? 2 : 1;
        if (crlfPos < crlf + width)
            return i;
        crlf += width;
    }
    return int(docText.size());
}

} // namespace CrLfText
