#pragma once
#include <cstddef>

// Whether the size bytes from address are memory this process may read: a check on an
// address that came with a message, before anything is read there.
bool IsReadableMemory(const void* address, std::size_t size);
