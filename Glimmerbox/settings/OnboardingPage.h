#pragma once

#include <QList>
#include <QString>

// One page of the first-run introduction.
struct OnboardingPage {
    QString icon; // symbol name
    QString title;
    QString description;

    bool operator==(const OnboardingPage&) const = default;

    // The four pages, in order.
    static const QList<OnboardingPage>& pages();
};
