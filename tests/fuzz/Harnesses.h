#pragma once
#include <cstddef>
#include <cstdint>

// One run of each fuzzing target over one input. The libFuzzer programs call these for every
// input they make; the corpus replay calls them over the stored corpus in every test run. A
// broken invariant aborts (FuzzCheck::fail); otherwise each returns 0.
namespace Fuzz {

// NoteDocument::parse over the bytes, and what it reads written back and read again.
int storeReader(const uint8_t* data, size_t size);

// The bytes as a note file on disk, read through modNote, and its first note saved over it.
int noteFile(const uint8_t* data, size_t size);

// A note made from the input's first bytes appended to a document of the rest.
int append(const uint8_t* data, size_t size);

} // namespace Fuzz
