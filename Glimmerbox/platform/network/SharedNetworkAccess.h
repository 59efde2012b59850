#pragma once

class QNetworkAccessManager;

// The application's one network access manager, for the scores service and the pictures alike: each manager
// runs a network thread of its own, which would stay in memory for the life of the process. Created on first
// use, never released. Requests set their own timeouts; the manager's are left alone.
QNetworkAccessManager& sharedNetworkAccess();
