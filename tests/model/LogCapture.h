#pragma once

#include <QList>
#include <QString>
#include <QtGlobal>

// Collects the warnings logged while it lives (one capture at a time).
class LogCapture {
public:
    LogCapture() {
        s_active = this;
        m_previous = qInstallMessageHandler(&LogCapture::handle);
    }
    ~LogCapture() {
        qInstallMessageHandler(m_previous);
        s_active = nullptr;
    }
    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;

    QList<QString> warnings;

private:
    static void handle(QtMsgType type, const QMessageLogContext& context, const QString& message) {
        if (s_active && type == QtWarningMsg)
            s_active->warnings.append(QString::fromUtf8(context.category) + QStringLiteral(": ") + message);
    }

    static inline LogCapture* s_active = nullptr;
    QtMessageHandler m_previous = nullptr;
};
