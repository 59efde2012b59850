#include "ResidentMemory.h"

#include "platform/network/FreedMemory.h"

#include <QFile>

namespace {

// A field of the process's status in kilobytes ("VmRSS:" now, "VmHWM:" at the peak since its reset).
qint64 statusBytes(const QByteArray& field) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(field))
            return line.mid(field.size()).trimmed().split(' ').value(0).toLongLong() * 1024;
    return -1;
}

} // namespace

qint64 residentBytes() {
    return statusBytes("VmRSS:");
}

qint64 peakResidentGrowth(const std::function<void()>& run) {
    returnFreedMemory();
    // Writing 5 here resets the peak to what the process holds now.
    QFile clearRefs(QStringLiteral("/proc/self/clear_refs"));
    if (!clearRefs.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || clearRefs.write("5") != 1)
        return -1;
    clearRefs.close();
    const qint64 before = residentBytes();
    run();
    return statusBytes("VmHWM:") - before;
}
