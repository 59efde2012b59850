#pragma once

class QMessageBox;
struct UpdateCheckResult;

// The message box that reports an update check; it deletes itself when closed. The text quotes the release
// feed, so it is shown as plain text: no markup, no links.
QMessageBox* makeUpdateResultBox(const UpdateCheckResult& result);
