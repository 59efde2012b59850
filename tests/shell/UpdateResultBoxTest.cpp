// The update report quotes the release feed: a feed must not be able to put markup or links in front of the
// user.
#include "shell/UpdateResultBox.h"
#include "platform/desktop/Updater.h"

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
