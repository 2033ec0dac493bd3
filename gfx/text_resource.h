// Text resources: copies a TEXTFILE resource's text up to its end mark "~" into a caller's buffer.
#pragma once

#include <cstddef>
#include <cstdint>

// Copies the text of TEXTFILE resource `id` that precedes its first "~" into `destination`
// and writes four zero bytes right after it. `destination` holds capacity + 4 bytes.
// Bounded on bad input: a missing resource gives an empty text; a resource without "~"
// gives all of its bytes; more than `capacity` bytes before the "~" are cut at `capacity`.
void loadTextResource(unsigned short id, char* destination, std::uint32_t capacity);

// The copy itself, on bytes already in memory (`bytes` may be null when `size` is 0).
// Reads at most `size` bytes, writes at most capacity + 4; returns the length of the text.
std::uint32_t copyTextUpToEndMark(const unsigned char* bytes, std::size_t size, char* destination,
                                  std::uint32_t capacity);
