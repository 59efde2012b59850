// How long one decode holds a decode thread: the costliest pictures the limits let through, and the time to
// refuse the hostile ones they exist for. Every one should take well under a second.
#include "HostilePictures.h"
#include "platform/network/PictureDecode.h"

#include <benchmark/benchmark.h>

namespace {

const PictureDecodeLimits limits;

QImage flat(int side) {
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(QColor(40, 90, 200));
    return image;
}

void decode(benchmark::State& state, const QByteArray& body, bool kept) {
    for (auto _ : state) {
        const QImage picture = decodePicture(body, limits);
        if (picture.isNull() == kept)
            state.SkipWithError("kept or refused against the limits");
        benchmark::DoNotOptimize(picture);
    }
}

// The largest progressive colour picture within the budget (two bytes per component of every pixel), in
// the most scans allowed.
void mostScansAllowed(benchmark::State& state) {
    decode(state, jpegWithScans(flat(1672), limits.maxScans), true);
}

// The same in grey: one component, counted at four bytes a pixel, lets the most blocks through.
void mostScansAllowedGrey(benchmark::State& state) {
    decode(state, jpegWithScans(flat(2048).convertToFormat(QImage::Format_Grayscale8), limits.maxScans),
           true);
}

// The largest PNG within the budget.
void largestPng(benchmark::State& state) {
    decode(state, encodedPicture(flat(2048), "png"), true);
}

// The largest interlaced PNG within the budget of pictures held whole before they are scaled down: its
// reader decodes it in seven passes and converts it whole to scale it.
void largestInterlacedPng(benchmark::State& state) {
    decode(state, flatPng(836, PngPixels::Rgba8, true), true);
}

// The same of 16 bits a channel, the costliest pixels a PNG stores.
void largestInterlacedDeepPng(benchmark::State& state) {
    decode(state, flatPng(591, PngPixels::Rgba16, true), true);
}

// The largest picture allowed at all, a JPEG in one pass decoded at an eighth of its side.
void largestJpeg(benchmark::State& state) {
    decode(state, encodedPicture(flat(4096), "jpeg"), true);
}

// A 2 MB progressive JPEG of 1600 x 1600 that repeats its last scan 132,297 times (minutes to decode).
void manyScansRefused(benchmark::State& state) {
    decode(state, jpegWithScans(flat(1600), 132297), false);
}

// A 40 KB interlaced PNG of 2048 x 2048 at 16 bits a channel, which would hold 64 MiB decoded and converted.
void wholePngRefused(benchmark::State& state) {
    decode(state, flatPng(2048, PngPixels::Rgba16, true), false);
}

// A 1 x 1 PNG of 385 KB whose 50 text chunks inflate to 395 MB.
void textChunksSkipped(benchmark::State& state) {
    decode(state, pngWithTextChunks(50, TextChunksAt::BeforePicture), true);
}

} // namespace

BENCHMARK(mostScansAllowed)->Name("PictureDecode/mostScansAllowed")->Unit(benchmark::kMillisecond);
BENCHMARK(mostScansAllowedGrey)->Name("PictureDecode/mostScansAllowedGrey")->Unit(benchmark::kMillisecond);
BENCHMARK(largestPng)->Name("PictureDecode/largestPng")->Unit(benchmark::kMillisecond);
BENCHMARK(largestInterlacedPng)->Name("PictureDecode/largestInterlacedPng")->Unit(benchmark::kMillisecond);
BENCHMARK(largestInterlacedDeepPng)
    ->Name("PictureDecode/largestInterlacedDeepPng")
    ->Unit(benchmark::kMillisecond);
BENCHMARK(largestJpeg)->Name("PictureDecode/largestJpeg")->Unit(benchmark::kMillisecond);
BENCHMARK(manyScansRefused)->Name("PictureDecode/manyScansRefused")->Unit(benchmark::kMillisecond);
BENCHMARK(wholePngRefused)->Name("PictureDecode/wholePngRefused")->Unit(benchmark::kMillisecond);
BENCHMARK(textChunksSkipped)->Name("PictureDecode/textChunksSkipped")->Unit(benchmark::kMillisecond);
