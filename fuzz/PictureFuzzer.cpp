// Feeds one input to the picture decoder as the image loader runs it, with its own limits. A crash or a
// sanitizer report is a fault, and so is any of these while the decoder runs, since the header checks exist
// to refuse such a picture before decoding it:
//   - one allocation of more than the decode budget;
//   - more than three times the budget allocated and held at once (the budget counts the largest buffer; the
//     rest of a decode is small beside it, while inflated text chunks are not);
//   - over a second of the thread's time (a decode within the limits takes a fraction of one; a JPEG that
//     repeats a scan takes minutes);
// and a picture kept larger than the largest side, or carrying texts.
#include "platform/network/PictureDecode.h"

#include <QByteArray>
#include <QCoreApplication>

#include <sanitizer/allocator_interface.h>

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <ctime>

namespace {

const PictureDecodeLimits limits;
const std::int64_t heldLimit = 3 * limits.maxDecodedBytes;
constexpr double secondsLimit = 1.0;

std::atomic<bool> decoding = false;
std::atomic<std::int64_t> held = 0; // allocated less released since the decode started
std::atomic<std::int64_t> mostHeld = 0;

void onAllocation(const volatile void*, std::size_t bytes) {
    if (!decoding.load(std::memory_order_relaxed))
        return;
    if (bytes > static_cast<std::size_t>(limits.maxDecodedBytes))
        __builtin_trap();
    const std::int64_t now =
        held.fetch_add(static_cast<std::int64_t>(bytes)) + static_cast<std::int64_t>(bytes);
    std::int64_t most = mostHeld.load(std::memory_order_relaxed);
    while (now > most && !mostHeld.compare_exchange_weak(most, now)) {
    }
}

void onRelease(const volatile void* pointer) {
    if (decoding.load(std::memory_order_relaxed) &&
        __sanitizer_get_ownership(const_cast<const void*>(pointer)))
        held.fetch_sub(
            static_cast<std::int64_t>(__sanitizer_get_allocated_size(const_cast<const void*>(pointer))));
}

double threadSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

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
    held = 0;
    mostHeld = 0;
    const double started = threadSeconds();
    decoding = true;
    const QImage picture = decodePicture(body, limits);
    decoding = false;
    // Each check traps on a line of its own, so that the report says which.
    if (threadSeconds() - started > secondsLimit)
        __builtin_trap();
    if (mostHeld > heldLimit)
        __builtin_trap();
    if (picture.width() > limits.maxSide || picture.height() > limits.maxSide)
        __builtin_trap();
    if (!picture.textKeys().isEmpty())
        __builtin_trap();
    return 0;
}
