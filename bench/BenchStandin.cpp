#include "BenchStandin.h"

#include <QCoreApplication>

BenchStandin::BenchStandin(const QStringList& arguments) {
    QString program = qEnvironmentVariable("GLIMMERBOX_STANDIN");
    if (program.isEmpty())
        program =
            QCoreApplication::applicationDirPath() + QStringLiteral("/../tools/standin/glimmerbox-standin");
    m_process.start(program, QStringList{QStringLiteral("--port"), QStringLiteral("0"),
                                         QStringLiteral("--speed"), QStringLiteral("0")} +
                                 arguments);
    // A scenario of thousands of events takes a while to load.
    while (m_process.waitForReadyRead(30000)) {
        const QByteArray line = m_process.readLine().trimmed();
        if (line.startsWith("listening on ")) {
            m_apiBase = QStringLiteral("http://") + QString::fromLatin1(line.mid(13)) +
                        QStringLiteral("/apis/site/v2/sports");
            return;
        }
    }
}

BenchStandin::~BenchStandin() {
    m_process.kill();
    m_process.waitForFinished();
}
