#pragma once

#include <cstddef>
#include <cstdint>

// The loaders take a path: each input goes into one anonymous in-memory file, rewritten for
// every run, and the loader opens it by its /proc/self/fd name. No disk is touched.

// Replaces the file's content with `data` and returns its path.
const char* memoryFileWith(const std::uint8_t* data, std::size_t size);
