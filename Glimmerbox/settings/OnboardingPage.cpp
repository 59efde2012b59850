#include "OnboardingPage.h"

#include "app/Tagline.h"

const QList<OnboardingPage>& OnboardingPage::pages() {
    static const QList<OnboardingPage> table{
        {QStringLiteral("sportscourt.fill"), QStringLiteral("Welcome to Glimmerbox"),
         tagline::scores + u' ' + tagline::manner},
        {QStringLiteral("star.fill"), QStringLiteral("Pick Your Teams"),
         QStringLiteral(
             "Select your favorite teams and we'll automatically track their games and notify you of "
             "key moments.")},
        {QStringLiteral("bell.fill"), QStringLiteral("Smart Notifications"),
         QStringLiteral(
             "Get notified when games start, end, or get close. You control exactly what matters to "
             "you.")},
        {QStringLiteral("checkmark.circle.fill"), QStringLiteral("You're Ready!"),
         QStringLiteral(
             "Glimmerbox is set up and ready to track scores. Live scores sit in the bar at the top "
             "of your screen: point at it to pick the games to show.")},
    };
    return table;
}
