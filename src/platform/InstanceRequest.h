#pragma once
#include <QByteArray>
#include <QString>

// One request that a second start of the program hands to the one already running: one line of
// UTF-8, either the command "new" (a blank note) or "open " and the absolute path of a note file.
// Nothing else is read from the line, so a stray or hostile writer can only ask for those two.
struct InstanceRequest {
    enum class Kind { Invalid, New, Open };
    Kind kind = Kind::Invalid;
    QString path;

    // The longest line, its line break not counted.
    static constexpr qsizetype MaxLineBytes = qsizetype(64) * 1024;

    static InstanceRequest newNote() { return {Kind::New, {}}; }
    static InstanceRequest open(const QString& absolutePath) { return {Kind::Open, absolutePath}; }

    // A line without its line break; Invalid for anything longer than MaxLineBytes, not UTF-8,
    // holding a control character, a command other than the two, or a path that is not
    // absolute.
    static InstanceRequest parse(const QByteArray& line);
    // The line with its line break; empty when the request could not be read back as it is
    // (invalid, or a path the line cannot carry).
    QByteArray encode() const;

    bool isValid() const { return kind != Kind::Invalid; }
    bool operator==(const InstanceRequest&) const = default;
};
