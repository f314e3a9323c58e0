#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include <QBuffer>
#include <QByteArray>

// What every target needs: the input as an open read-only stream, and a way
// to report a broken promise of the code under test as a crash, so that
// libFuzzer keeps the input that shows it.

inline QByteArray FuzzBytes(const std::uint8_t* data, std::size_t size) {
    // A deep copy: the loaders may keep the bytes beyond this call's input.
    return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
}

// A buffer over bytes that outlive it, positioned at 0.
class FuzzStream : public QBuffer {
public:
    explicit FuzzStream(const QByteArray& bytes) {
        setData(bytes);
        open(QIODevice::ReadOnly);
    }
};

#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition);     \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)

// Qt's warnings about damaged images, missing resources and the like are
// expected for hostile input; printed for every run they would drown the
// fuzzer's own output.
void SilenceQtMessages();
