// Adding a note to the notes store.
#include "app/modMain.h"
#include "app/modNote.h"
#include "app/modNote_internal.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>

namespace {

// Everything in the store stays as it was written (comments, whitespace, line ends), so the
// notes already there come back out unchanged apart from entity spelling.
constexpr unsigned AppendFlags =
    (pugi::parse_full | pugi::parse_ws_pcdata) & ~(pugi::parse_eol | pugi::parse_wconv_attribute);

// Another Pinleaf appending holds the lock for milliseconds; a lock left behind by one that died
// is noticed by QLockFile at once.
constexpr int LockTimeoutMs = 10000;

struct ByteWriter : pugi::xml_writer {
    QByteArray bytes;
    void write(const void* data, size_t size) override {
        bytes.append(static_cast<const char*>(data), qsizetype(size));
    }
};

bool startsWithByteOrderMark(const QByteArray& bytes) {
    const QByteArray marks[] = {QByteArray("\xEF\xBB\xBF", 3), QByteArray("\xFE\xFF", 2),
                                QByteArray("\xFF\xFE", 2), QByteArray("\0\0\xFE\xFF", 4)};
    for (const QByteArray& mark : marks) {
        if (bytes.startsWith(mark))
            return true;
    }
    return false;
}

// The document in the encoding it was read in, with its declaration as it was and each
// top-level node on a line of its own, as in the text form.
QByteArray serialise(pugi::xml_document& document, pugi::xml_encoding encoding, bool bom) {
    for (pugi::xml_node node = document.first_child(); node; node = node.next_sibling()) {
        if (node.type() != pugi::node_pcdata)
            node = document.insert_child_after(pugi::node_pcdata, node);
        node.set_value("\r\n");
    }
    ByteWriter out;
    unsigned format = pugi::format_raw | pugi::format_no_declaration;
    if (bom)
        format |= pugi::format_write_bom;
    document.save(out, "", format, encoding);
    return out.bytes;
}

// Renames an unreadable store to "pinleaf.dat.unreadable-<local time>", never over a file.
bool setAside(const QString& store) {
    const QString base = store + QStringLiteral(".unreadable-") +
                         QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString name = base;
    for (int n = 2;; ++n) {
        const QFileInfo taken(name);
        if (!taken.exists() && !taken.isSymLink())
            break;
        if (n > 9999)
            return false;
        name = base + u'-' + QString::number(n);
    }
    return QFile::rename(store, name);
}

void appendNote(pugi::xml_node root, const NoteRecord& record) {
    using modNote::detail::AddTextElement;
    root.append_child(pugi::node_pcdata).set_value("\r\n");
    pugi::xml_node note = root.append_child("NOTE");
    AddTextElement(note, "DATA", record.Data);
    AddTextElement(note, "TIMEDATE", record.TimeDate);
    AddTextElement(note, "COLOR", record.Color);
    AddTextElement(note, "HEIGHT", QString::number(record.Height));
    AddTextElement(note, "WIDTH", QString::number(record.Width));
    AddTextElement(note, "LEFT", QString::number(record.Left));
    AddTextElement(note, "TOP", QString::number(record.Top));
    root.append_child(pugi::node_pcdata).set_value("\r\n");
}

} // namespace

namespace modNote {

void detail::AddTextElement(pugi::xml_node parent, const char* name, const QString& text) {
    // The writer escapes markup; characters XML cannot carry are dropped here, as in the text form.
    parent.append_child(pugi::node_pcdata).set_value("\r\n");
    parent.append_child(name).text().set(XmlSafe(text).toStdString().c_str());
    parent.append_child(pugi::node_pcdata).set_value("\r\n");
}

void AppendNoteToStore(const NoteRecord& record) {
    const QString store = StorePath();
    if (!QDir().mkpath(QFileInfo(store).absolutePath()))
        return;
    // Copies of Pinleaf that end together append one after another: the lock covers the whole
    // read, append and write.
    QLockFile lock(store + QStringLiteral(".lock"));
    if (!lock.tryLock(LockTimeoutMs))
        return;
    if (!modMain::FileExists(store)) {
        detail::WriteWhole(store, detail::TextForm(record));
        return;
    }
    QFile file(store);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return;
    file.close();

    pugi::xml_document document;
    const pugi::xml_parse_result parsed =
        document.load_buffer(bytes.constData(), size_t(bytes.size()), AppendFlags);
    if (!parsed || !document.document_element()) {
        // Never write over a store that cannot be parsed: keep it for the user and start anew.
        if (setAside(store))
            detail::WriteWhole(store, detail::TextForm(record));
        return;
    }
    appendNote(document.document_element(), record);
    detail::WriteWhole(store, serialise(document, parsed.encoding, startsWithByteOrderMark(bytes)));
}

} // namespace modNote
