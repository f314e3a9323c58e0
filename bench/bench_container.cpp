// How much the container adds over bare zlib: ExtractFile against a raw
// inflate of the same bytes, AddFile against a raw level-9 deflate.
#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QByteArray>

#include <zlib.h>

#include "storage/VESKCustomFile.h"
#include "storage/VESKStreams.h"

namespace {

// About 4 MB that compresses like a texture sheet: flat panels, gradients,
// magenta gaps and a little noise.
QByteArray BmpLikeBytes() {
    const int width = 1200, height = 1120, stride = width * 3;
    QByteArray bytes(stride * height, '\0');
    quint32 seed = 12345;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            char* p = bytes.data() + y * stride + x * 3;
            seed = seed * 1664525u + 1013904223u;
            const int noise = int(seed >> 29);
            if ((x / 80 + y / 60) % 7 == 0) {
                p[0] = char(255), p[1] = 0, p[2] = char(255);
            } else if ((x / 40) % 3 == 0) {
                p[0] = char(40 + y % 64), p[1] = char(45 + y % 64), p[2] = char(60 + y % 64);
            } else {
                p[0] = char(30 + noise), p[1] = char(32 + (x % 50)), p[2] = char(38 + noise);
            }
        }
    }
    return bytes;
}

const QByteArray& Member() {
    static const QByteArray bytes = BmpLikeBytes();
    return bytes;
}

QByteArray RawDeflate(const QByteArray& in) {
    uLongf size = compressBound(uLong(in.size()));
    QByteArray out(qsizetype(size), '\0');
    compress2(reinterpret_cast<Bytef*>(out.data()), &size,
              reinterpret_cast<const Bytef*>(in.constData()), uLong(in.size()), 9);
    out.resize(qsizetype(size));
    return out;
}

void LoadEmpty(TVESKCustomFile& package) {
    QByteArray empty(76, '\0');
    memcpy(empty.data(), "QXSP", 4);
    QBuffer buffer(&empty);
    buffer.open(QIODevice::ReadOnly);
    package.LoadFromStream(buffer);
}

void BM_RawInflate(benchmark::State& state) {
    const QByteArray packed = RawDeflate(Member());
    QByteArray out(Member().size(), '\0');
    for (auto _ : state) {
        uLongf size = uLongf(out.size());
        uncompress(reinterpret_cast<Bytef*>(out.data()), &size,
                   reinterpret_cast<const Bytef*>(packed.constData()), uLong(packed.size()));
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(state.iterations() * Member().size());
}

void BM_ExtractFile(benchmark::State& state) {
    TVESKCustomFile package;
    LoadEmpty(package);
    auto source = NewMemoryStream(Member());
    package.AddFile(QStringLiteral("main.bmp"), source.get());
    for (auto _ : state) {
        auto stream = package.ExtractFile(QStringLiteral("main.bmp"));
        benchmark::DoNotOptimize(stream.get());
    }
    state.SetBytesProcessed(state.iterations() * Member().size());
}

void BM_RawDeflate(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(RawDeflate(Member()));
    state.SetBytesProcessed(state.iterations() * Member().size());
}

void BM_AddFile(benchmark::State& state) {
    TVESKCustomFile package;
    LoadEmpty(package);
    for (auto _ : state) {
        auto source = NewMemoryStream(Member());
        package.AddFile(QStringLiteral("main.bmp"), source.get());
    }
    state.SetBytesProcessed(state.iterations() * Member().size());
}

} // namespace

BENCHMARK(BM_RawInflate)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExtractFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RawDeflate)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AddFile)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
