#include "platform/Logging.h"

#include <QCoreApplication>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    qCInfo(generalLogger) << "Glimmerbox starting";
    return 0;
}
