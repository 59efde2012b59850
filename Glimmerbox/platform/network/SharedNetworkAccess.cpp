#include "platform/network/SharedNetworkAccess.h"

#include <QCoreApplication>
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

namespace {

// A manager that lives as long as the process, one per `Use`. Its network thread ends with the application
// object (Qt waits at most 5 s for it): still running, it would deliver the sockets' events while the
// application object goes, and crash the process.
enum class Use { scores, pictures };

template <Use use>
QNetworkAccessManager& processNetworkAccess() {
    static QNetworkAccessManager* manager = [] {
        QNetworkAccessManager* created = newNetworkAccess();
        qAddPostRoutine([] { manager->clearConnectionCache(); });
        return created;
    }();
    return *manager;
}

} // namespace

QNetworkAccessManager& sharedNetworkAccess() {
    return processNetworkAccess<Use::scores>();
}

QNetworkAccessManager& pictureNetworkAccess() {
    return processNetworkAccess<Use::pictures>();
}
