#include "app/orvane_app.h"

#include "app/orvane_dlg.h"
#include "app/private_profile.h"
#include "app/resources.h"
#include "app/splash.h"

#include <QCoreApplication>

namespace orvane {

COrvaneApp::COrvaneApp() {
    InitResources();
}

bool COrvaneApp::InitInstance() {
    const DlgServices services{m_messageBoxes,
                               m_openFileDialog,
                               m_waitPointer,
                               m_pause,
                               ShowDisclaimer,
                               DefaultPreferencesFile(),
                               QCoreApplication::applicationDirPath()};
    COrvaneDlg dlg(services);
    dlg.exec();
    return false;
}

} // namespace orvane
