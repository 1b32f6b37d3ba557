#include "app/resources.h"

// Q_INIT_RESOURCE declares a function at the point of use, which must be outside any namespace.
static void InitOrvaneResources() {
    Q_INIT_RESOURCE(orvane);
}

namespace orvane {

void InitResources() {
    InitOrvaneResources();
}

QIcon ProgramIcon() {
    QIcon icon;
    icon.addFile(QStringLiteral(":/orvane/icon-16.png"), QSize(16, 16));
    icon.addFile(QStringLiteral(":/orvane/icon-32.png"), QSize(32, 32));
    icon.addFile(QStringLiteral(":/orvane/icon-48.png"), QSize(48, 48));
    return icon;
}

} // namespace orvane
