#include "APIError.h"

QString APIError::errorDescription() const {
    switch (m_kind) {
    case Kind::httpError:
        return QStringLiteral("HTTP error: %1").arg(m_code);
    case Kind::invalidURL:
        return QStringLiteral("Invalid URL");
    case Kind::invalidResponse:
        return QStringLiteral("Invalid response from server");
    case Kind::parsingError:
        return QStringLiteral("Failed to parse response");
    case Kind::noData:
        return QStringLiteral("No data received");
    case Kind::networkUnavailable:
        return QStringLiteral("Network unavailable");
    case Kind::transportError:
        return m_message;
    case Kind::responseTooLarge:
        return QStringLiteral("Response too large");
    }
    return {};
}
