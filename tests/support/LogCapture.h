#pragma once

#include <QMap>
#include <QRegularExpression>
#include <QStringList>
#include <QtGlobal>

// Collects the messages logged while it exists, one capture at a time (the previous handler is restored
// afterwards): each as "<type> <category>: <text>", type info, warning or critical (debug dropped), the
// category by the last part of its dotted name.
class LogCapture {
public:
    LogCapture() : m_previous(qInstallMessageHandler(&LogCapture::handle)) { s_active = this; }
    ~LogCapture() {
        qInstallMessageHandler(m_previous);
        s_active = nullptr;
    }
    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;

    bool contains(const QString& line) const { return messages.contains(line); }
    QStringList matching(const QString& pattern) const {
        return messages.filter(QRegularExpression(pattern));
    }
    QStringList warnings() const { return matching("^warning "); }
    QStringList messages;

private:
    static void handle(QtMsgType type, const QMessageLogContext& context, const QString& text) {
        static const QMap<QtMsgType, QString> names{
            {QtInfoMsg, "info"}, {QtWarningMsg, "warning"}, {QtCriticalMsg, "critical"}};
        const QString category = QString::fromLatin1(context.category).section('.', -1);
        if (s_active && names.contains(type))
            s_active->messages.append(names[type] + ' ' + category + ": " + text);
    }

    static inline LogCapture* s_active = nullptr;
    QtMessageHandler m_previous;
};
