#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

// Collects the messages logged while it exists (the previous handler is restored afterwards).
class LogCapture {
public:
    LogCapture() {
        instance() = this;
        m_previous = qInstallMessageHandler(&LogCapture::handle);
    }
    ~LogCapture() {
        qInstallMessageHandler(m_previous);
        instance() = nullptr;
    }
    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;

    // Each message as "<type> <category>: <text>" with type info, warning or critical (debug dropped).
    QStringList messages;

    bool contains(const QString& line) const { return messages.contains(line); }

private:
    static LogCapture*& instance() {
        static LogCapture* current = nullptr;
        return current;
    }
    static void handle(QtMsgType type, const QMessageLogContext& context, const QString& text) {
        const char* name = type == QtInfoMsg       ? "info"
                           : type == QtWarningMsg  ? "warning"
                           : type == QtCriticalMsg ? "critical"
                                                   : nullptr;
        if (instance() && name) {
            QString category = QString::fromLatin1(context.category);
            category = category.mid(category.lastIndexOf(QLatin1Char('.')) + 1);
            instance()->messages.append(QString::fromLatin1(name) + QLatin1Char(' ') + category +
                                        QStringLiteral(": ") + text);
        }
    }

    QtMessageHandler m_previous = nullptr;
};
