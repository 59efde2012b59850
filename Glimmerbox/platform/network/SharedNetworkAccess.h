#pragma once

class QNetworkAccessManager;
class QObject;

// A network access manager as every request of the application wants it: it keeps no cookies, since no
// host it asks needs one, and a host that sets many would otherwise have them stored, searched and sent
// back with every later request.
QNetworkAccessManager* newNetworkAccess(QObject* parent = nullptr);

// The application's manager for the scores service and the update feed: each manager runs a network thread
// of its own, which would stay in memory for the life of the process. Created on first use, never released;
// its thread ends with the application object. Requests set their own timeouts; the manager's are left alone.
QNetworkAccessManager& sharedNetworkAccess();

// The pictures' manager, apart from the scores': a manager reads every reply's headers, a byte at a time, on
// its one network thread, so a picture host that sends long or endless headers holds up nothing but
// pictures. Created on first use, never released; its thread ends with the application object.
QNetworkAccessManager& pictureNetworkAccess();
