#pragma once
#include "store/NoteRecord.h"

#include <QString>

// What the fuzzing harnesses share: a check that stops the run on a broken invariant (libFuzzer
// then keeps the input as a crash; the corpus replay names the file), and the clean-up that
// gives what a note must read back as after it has been written.
namespace FuzzCheck {

// Prints `what`, where it was checked and the input being run, then aborts.
[[noreturn]] void fail(const char* what, const char* file, int line);

// The name of the input now being run, shown by fail(); the corpus replay sets it per file.
void setInputName(const QString& name);

// `record` as a written document reads it back: characters XML cannot carry dropped from its
// texts, line breaks as CR LF in the text and as LF in the date and colour, no source path.
NoteRecord written(const NoteRecord& record);

} // namespace FuzzCheck

#define FUZZ_CHECK(condition)                                                                      \
    ((condition) ? void() : FuzzCheck::fail(#condition, __FILE__, __LINE__))
