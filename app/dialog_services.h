#pragma once

#include "app/platform.h"

#include <QString>
#include <functional>

class QWidget;

namespace orvane {

// Everything the main dialog takes from outside: the platform services, the disclaimer, and
// the two places in the file system it looks at. The program wires up the real ones; tests
// pass fakes and temporary folders.
struct DlgServices {
    IMessageBoxes& messageBoxes;
    IOpenFileDialog& openFileDialog;
    IWaitPointer& waitPointer;
    IPause& pause;
    // Shows the disclaimer over the dialog once the dialog is up; may be empty.
    std::function<void(QWidget*)> showDisclaimer;
    QString strPreferencesFile; // the INI file holding the preferred folder
    QString strProgramFolder;   // where the default conversion table lies
};

} // namespace orvane
