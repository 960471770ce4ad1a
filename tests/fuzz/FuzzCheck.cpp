#include "FuzzCheck.h"

#include "platform/CrLfText.h"
#include "store/NoteDocument.h"

#include <cstdio>
#include <cstdlib>

namespace {

QString& inputName() {
    static QString name;
    return name;
}

} // namespace

namespace FuzzCheck {

void fail(const char* what, const char* file, int line) {
    std::fprintf(stderr, "%s:%d: broken invariant: %s\n", file, line, what);
    if (!inputName().isEmpty())
        std::fprintf(stderr, "input: %s\n", qPrintable(inputName()));
    std::fflush(stderr);
    std::abort();
}

void setInputName(const QString& name) {
    inputName() = name;
}

NoteRecord written(const NoteRecord& record) {
    NoteRecord out = record;
    out.SourcePath.clear();
    out.Data = CrLfText::toCrLf(CrLfText::toDocText(NoteDocument::XmlSafe(record.Data)));
    // XML reads every line break as LF; only the text turns them back into CR LF.
    out.TimeDate = CrLfText::toDocText(NoteDocument::XmlSafe(record.TimeDate));
    out.Color = CrLfText::toDocText(NoteDocument::XmlSafe(record.Color));
    return out;
}

} // namespace FuzzCheck
