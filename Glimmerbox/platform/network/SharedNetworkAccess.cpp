#include "platform/network/SharedNetworkAccess.h"

#include <QNetworkAccessManager>

QNetworkAccessManager& sharedNetworkAccess() {
    static auto* manager = new QNetworkAccessManager();
    return *manager;
}
