#pragma once

#include <QString>

// The scores service's failure kinds. `transportError` carries Qt's own text for a failure below HTTP
// (time-out, refused connection, dropped connection, DNS), which the service passes through unchanged.
class APIError {
public:
    enum class Kind {
        httpError,
        invalidURL,
        invalidResponse,
        parsingError,
        noData,
        networkUnavailable,
        transportError,
        responseTooLarge
    };

    static APIError httpError(int statusCode) { return APIError(Kind::httpError, statusCode, {}); }
    static APIError invalidURL() { return APIError(Kind::invalidURL, 0, {}); }
    static APIError invalidResponse() { return APIError(Kind::invalidResponse, 0, {}); }
    static APIError parsingError() { return APIError(Kind::parsingError, 0, {}); }
    static APIError noData() { return APIError(Kind::noData, 0, {}); }
    static APIError networkUnavailable() { return APIError(Kind::networkUnavailable, 0, {}); }
    // A reply body beyond what the client reads.
    static APIError responseTooLarge() { return APIError(Kind::responseTooLarge, 0, {}); }
    // `code` is the QNetworkReply::NetworkError value, kept for callers that tell time-outs apart.
    static APIError transportError(const QString& message, int code) {
        return APIError(Kind::transportError, code, message);
    }

    Kind kind() const { return m_kind; }
    // The HTTP status for httpError, Qt's error code for transportError, else 0.
    int code() const { return m_code; }
    // "HTTP error: 404", "Invalid URL", ..., or Qt's text for a transport failure.
    QString errorDescription() const;

    bool operator==(const APIError&) const = default;

private:
    APIError(Kind kind, int code, QString message)
        : m_kind(kind), m_code(code), m_message(std::move(message)) {}

    Kind m_kind;
    int m_code;
    QString m_message;
};
