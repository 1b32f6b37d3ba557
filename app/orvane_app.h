#pragma once

#include "app/qt_platform.h"

namespace orvane {

// The application: shows the main dialog and ends when it closes. It owns the platform
// services that the dialog uses.
class COrvaneApp {
public:
    COrvaneApp();

    // Runs the main dialog to its end. Always false: there is nothing to run after it.
    bool InitInstance();

private:
    CQtMessageBoxes m_messageBoxes;
    CQtOpenFileDialog m_openFileDialog;
    CQtWaitPointer m_waitPointer;
    CQtPause m_pause;
};

} // namespace orvane
