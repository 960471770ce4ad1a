#include "platform/InstanceRequest.h"

#include <QDir>
#include <QStringDecoder>

namespace {
const QByteArray NewCommand = QByteArrayLiteral("new");
const QByteArray OpenCommand = QByteArrayLiteral("open ");

bool hasControlCharacter(const QString& text) {
    for (const QChar c : text) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            return true;
    }
    return false;
}
} // namespace

InstanceRequest InstanceRequest::parse(const QByteArray& line) {
    if (line.size() > MaxLineBytes)
        return {};
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8(line);
    if (utf8.hasError() || hasControlCharacter(text))
        return {};
    if (line == NewCommand)
        return newNote();
    if (!line.startsWith(OpenCommand))
        return {};
    const QString path = text.mid(OpenCommand.size());
    // A relative path would be read from wherever the running program happens to be.
    if (path.isEmpty() || !QDir::isAbsolutePath(path))
        return {};
    return open(path);
}

QByteArray InstanceRequest::encode() const {
    QByteArray line;
    if (kind == Kind::New)
        line = NewCommand;
    else if (kind == Kind::Open)
        line = OpenCommand + path.toUtf8();
    if (line.isEmpty() || parse(line) != *this)
        return {};
    return line + '\n';
}
