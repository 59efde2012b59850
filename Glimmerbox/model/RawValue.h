#pragma once

#include <QString>
#include <QStringView>

#include <optional>

// Enumerations that cross a boundary carry text raw values. Each such enum provides
//   QString rawValue(E);
// and a specialisation of fromRawValue<E>, which matches the raw texts exactly (case-sensitive, whole text)
// and yields nothing for any other text.
template <typename E>
std::optional<E> fromRawValue(QStringView raw);
