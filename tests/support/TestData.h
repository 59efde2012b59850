#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <gtest/gtest.h>

// Recorded service replies under tests/data, found through GLIMMERBOX_TEST_DATA (ctest sets it).
namespace testdata {

inline QString path(const QString& relative) {
    return qEnvironmentVariable("GLIMMERBOX_TEST_DATA") + u'/' + relative;
}

// The bytes of a data file; an empty array (and a test failure) when it cannot be read.
inline QByteArray read(const QString& relative) {
    QFile file(path(relative));
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "cannot read test data " << qPrintable(file.fileName())
                      << " (is GLIMMERBOX_TEST_DATA set?)";
        return {};
    }
    return file.readAll();
}

} // namespace testdata
