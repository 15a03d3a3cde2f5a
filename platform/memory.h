// Giving memory back: after a language's files are loaded, the temporary
// buffers of the load are free but may still be held by the process's
// allocator; this returns what it can to the operating system.
#ifndef LEMMATIZER_PLATFORM_MEMORY_H_
#define LEMMATIZER_PLATFORM_MEMORY_H_

namespace lemmatizer {

void ReleaseFreeMemory();

}  // namespace lemmatizer

#endif  // LEMMATIZER_PLATFORM_MEMORY_H_
