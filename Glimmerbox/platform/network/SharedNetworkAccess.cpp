#include "platform/network/SharedNetworkAccess.h"

#include <QNetworkAccessManager>
#include <QNetworkCookie>
#include <QNetworkCookieJar>

namespace {

// Takes no cookie and offers none.
class NoCookies final : public QNetworkCookieJar {
public:
    using QNetworkCookieJar::QNetworkCookieJar;
    bool setCookiesFromUrl(const QList<QNetworkCookie>&, const QUrl&) override { return false; }
    QList<QNetworkCookie> cookiesForUrl(const QUrl&) const override { return {}; }
    bool insertCookie(const QNetworkCookie&) override { return false; }
    bool updateCookie(const QNetworkCookie&) override { return false; }
};

} // namespace

QNetworkAccessManager* newNetworkAccess(QObject* parent) {
    auto* manager = new QNetworkAccessManager(parent);
    manager->setCookieJar(new NoCookies(manager));
    return manager;
}

QNetworkAccessManager& sharedNetworkAccess() {
    static QNetworkAccessManager* manager = newNetworkAccess();
    return *manager;
}

QNetworkAccessManager& pictureNetworkAccess() {
    static QNetworkAccessManager* manager = newNetworkAccess();
    return *manager;
}
