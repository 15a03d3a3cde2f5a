/* The marker of the library's exported symbols. Everything the library does
 * not mark is hidden from the host. */
#ifndef LEMMATIZER_INTERFACE_LEMMATIZER_EXPORT_H_
#define LEMMATIZER_INTERFACE_LEMMATIZER_EXPORT_H_

#if defined(_WIN32)
#if defined(LEMMATIZER_BUILDING)
#define LEMMATIZER_EXPORT __declspec(dllexport)
#else
#define LEMMATIZER_EXPORT __declspec(dllimport)
#endif
#else
#define LEMMATIZER_EXPORT __attribute__((visibility("default")))
#endif

#endif /* LEMMATIZER_INTERFACE_LEMMATIZER_EXPORT_H_ */
