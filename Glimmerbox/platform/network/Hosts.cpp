#include "platform/network/Hosts.h"

#include <QByteArray>

namespace {
QString fromEnvironment(const char* name, const char* fallback) {
    QString value = qEnvironmentVariable(name);
    if (value.isEmpty())
        value = QString::fromLatin1(fallback);
    while (value.endsWith(u'/'))
        value.chop(1);
    return value;
}
} // namespace

const QString& hosts::apiBaseURL() {
    static const QString base =
        fromEnvironment("GLIMMERBOX_API_BASE", "https://site.api.espn.com/apis/site/v2/sports");
    return base;
}

const QString& hosts::imageBaseURL() {
    static const QString base = fromEnvironment("GLIMMERBOX_IMAGE_BASE", "https://a.espncdn.com");
    return base;
}
