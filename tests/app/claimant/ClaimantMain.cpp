// One launch for the single-instance tests: claims the instance named by its argument and prints "instance"
// or "handed over". An instance keeps its claim until its standard input closes.
#include "platform/desktop/SingleInstance.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc != 2)
        return 2;
    SingleInstance instance(QString::fromLocal8Bit(argv[1]));
    const bool claimed = instance.claim();
    QTextStream(stdout) << (claimed ? "instance" : "handed over") << Qt::endl;
    if (claimed) {
        QFile input;
        input.open(stdin, QIODevice::ReadOnly);
        input.readAll();
    }
    return 0;
}
