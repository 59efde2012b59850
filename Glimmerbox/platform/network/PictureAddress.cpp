#include "platform/network/PictureAddress.h"

#include <algorithm>

namespace {

constexpr int httpPort = 80;

bool isPlainHttp(const QUrl& url) {
    return url.scheme().compare(QLatin1String("http"), Qt::CaseInsensitive) == 0;
}

bool sameHostAndPort(const QUrl& url, const QUrl& base) {
    return url.host().compare(base.host(), Qt::CaseInsensitive) == 0 &&
           url.port(httpPort) == base.port(httpPort);
}

} // namespace

std::optional<QUrl> pictureFetchURL(const QUrl& named, const QList<QUrl>& configuredBases) {
    if (!named.isValid() || named.host().isEmpty() || !named.userInfo().isEmpty())
        return std::nullopt;
    if (named.scheme().compare(QLatin1String("https"), Qt::CaseInsensitive) == 0)
        return named;
    if (!isPlainHttp(named))
        return std::nullopt;
    if (std::ranges::any_of(configuredBases, [&](const QUrl& base) {
            return isPlainHttp(base) && sameHostAndPort(named, base);
        }))
        return named;
    QUrl secure = named;
    secure.setScheme(QStringLiteral("https"));
    // The http port named outright means the scheme's own: https has its own too.
    if (named.port() == httpPort)
        secure.setPort(-1);
    return secure;
}
