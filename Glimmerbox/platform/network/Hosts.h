#pragma once

#include <QString>

// Where the scores service and its images live. Read once from GLIMMERBOX_API_BASE and
// GLIMMERBOX_IMAGE_BASE so that tests and offline runs can point the application at the stand-in service,
// which serves plain http: pictures are fetched over plain http from these two hosts alone (pictureFetchURL).
namespace hosts {
// The scores service base, ending in "/apis/site/v2/sports" (no trailing slash).
const QString& apiBaseURL();
// The image host, for example "https://a.espncdn.com" (no trailing slash).
const QString& imageBaseURL();
} // namespace hosts
