// The update report quotes the release feed: a feed must not be able to put markup or links in front of the
// user.
#include "LogCapture.h"
#include "TaskRunner.h"

#include "platform/desktop/Updater.h"
#include "shell/UpdateResultBox.h"

#include <QLabel>
#include <QMessageBox>

#include <gtest/gtest.h>

#include <memory>

TEST(UpdateResultBoxTest, FeedTextIsShownAsPlainTextWithoutLinks) {
    UpdateCheckResult result;
    result.kind = UpdateCheckResult::Kind::failed;
    result.error =
        QStringLiteral("the update feed's version \"<a href=\"file:///etc\">2.0</a>\" could not be read");
    const std::unique_ptr<QMessageBox> box(makeUpdateResultBox(result));
    EXPECT_EQ(box->textFormat(), Qt::PlainText);
    EXPECT_EQ(box->text(), result.message());
    for (const QLabel* label : box->findChildren<QLabel*>()) {
        if (label->text() != result.message())
            continue;
        EXPECT_EQ(label->textFormat(), Qt::PlainText);
        EXPECT_FALSE(label->textInteractionFlags() & Qt::LinksAccessibleByMouse);
    }
}

// "Check for Updates…" without a release feed: the box says so in the user's words; the variable that sets
// one is named in the log only.
TEST(UpdateResultBoxTest, WithoutAFeedTheBoxSaysNoUpdateSourceIsConfiguredAndTheLogNamesTheVariable) {
    Updater updater(std::nullopt, "1.2.0");
    std::optional<UpdateCheckResult> reported;
    QObject::connect(&updater, &Updater::checkFinished, [&](const UpdateCheckResult& r) { reported = r; });
    LogCapture log;
    updater.checkForUpdates();
    ASSERT_TRUE(spinUntil([&] { return reported.has_value(); }));

    const std::unique_ptr<QMessageBox> box(makeUpdateResultBox(*reported));
    EXPECT_EQ(box->icon(), QMessageBox::Information);
    QStringList shown;
    for (const QLabel* label : box->findChildren<QLabel*>())
        shown.append(label->text());
    EXPECT_TRUE(shown.contains("No update source is configured, so Glimmerbox cannot check for updates."))
        << shown.join(" | ").toStdString();
    EXPECT_FALSE(shown.join(" ").contains("GLIMMERBOX_UPDATE_FEED"));
    EXPECT_TRUE(
        log.contains("info General: No update source is configured: GLIMMERBOX_UPDATE_FEED is not set"))
        << log.messages.join(" | ").toStdString();
}
