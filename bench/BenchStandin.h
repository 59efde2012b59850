#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// The stand-in scores service on an ephemeral port with its timeline standing still, for the life of the
// object: $GLIMMERBOX_STANDIN, else the one built beside this program, with `arguments` added.
class BenchStandin {
public:
    explicit BenchStandin(const QStringList& arguments);
    ~BenchStandin();

    // The API base; empty when the stand-in did not start.
    const QString& apiBase() const { return m_apiBase; }

private:
    QProcess m_process;
    QString m_apiBase;
};
