#include "platform/desktop/DisplaySession.h"
#include "platform/desktop/SingleInstance.h"
#include "platform/network/FreedMemory.h"
#include "shell/GlimmerboxApp.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    returnLargeBlocksWhenFreed();
    displaysession::preferX11();
    QApplication application(argc, argv);
    GlimmerboxApp::configure(application);

    SingleInstance instance;
    if (!instance.claim())
        return 0; // the running instance opens its settings window instead

    GlimmerboxApp glimmerbox;
    QObject::connect(&instance, &SingleInstance::activationRequested, &glimmerbox,
                     &GlimmerboxApp::openSettings);
    glimmerbox.start();
    return application.exec();
}
