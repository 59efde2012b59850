#include "UpdateResultBox.h"

#include "platform/desktop/Updater.h"

#include <QMessageBox>

QMessageBox* makeUpdateResultBox(const UpdateCheckResult& result) {
    auto* box = new QMessageBox(result.isError() ? QMessageBox::Warning : QMessageBox::Information,
                                QStringLiteral("Check for Updates"), result.message(), QMessageBox::Ok);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setTextFormat(Qt::PlainText);
    box->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return box;
}
