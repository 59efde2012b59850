// Feeds one input to the picture decoder as the image loader runs it, with its own limits. A crash or a
// sanitizer report is a fault; so is any allocation of more than the decode budget while the decoder runs,
// since the header check exists to refuse such a picture before decoding it, and so is a picture kept
// larger than the largest side.
#include "platform/network/PictureDecode.h"

#include <QByteArray>
#include <QCoreApplication>

#include <sanitizer/allocator_interface.h>

#include <atomic>
#include <cstddef>
#include <cstdint>

namespace {

const PictureDecodeLimits limits;
std::atomic<bool> decoding = false;

void onAllocation(const volatile void*, std::size_t bytes) {
    if (decoding.load(std::memory_order_relaxed) && bytes > static_cast<std::size_t>(limits.maxDecodedBytes))
        __builtin_trap();
}

void onRelease(const volatile void*) {}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    // The decoders of JPEG and GIF are plug-ins, found through the application's library paths.
    static QCoreApplication application(*argc, *argv);
    // The decoders warn about every broken input; thousands of lines a second would slow the search.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    __sanitizer_install_malloc_and_free_hooks(onAllocation, onRelease);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray body(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    decoding = true;
    const QImage picture = decodePicture(body, limits);
    decoding = false;
    if (picture.width() > limits.maxSide || picture.height() > limits.maxSide)
        __builtin_trap();
    return 0;
}
