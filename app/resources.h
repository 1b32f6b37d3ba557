#pragma once

#include <QIcon>
#include <QString>

namespace orvane {

// The pictures compiled into the program (res/orvane.qrc).
inline const QString kLogoResource = QStringLiteral(":/orvane/logo.png");

// Makes the compiled-in pictures available; the library holding them is linked statically,
// so its resources are registered explicitly. Safe to call more than once.
void InitResources();

// The program's icon, in all its sizes.
QIcon ProgramIcon();

} // namespace orvane
