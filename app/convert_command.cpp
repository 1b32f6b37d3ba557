#include "app/dialog_host.h"
#include "app/orvane_dlg.h"
#include "convert/conversion_run.h"
#include "convert/messages.h"

#include <QCheckBox>
#include <QFile>

namespace orvane {

// Converts the listed files, one after the other, against the table the data-file box names;
// the run itself reports failures and the result.
void COrvaneDlg::OnConvert() {
    CDialogConversionHost host(*this, *m_listFiles, *m_progress, m_services.messageBoxes,
                               m_services.waitPointer, m_services.pause);
    RunOptions options;
    options.strDataFile = QFile::encodeName(CurrentDataFile()).toStdString();
    options.bKeepManufacturer = m_checkKeepManufacturer->isChecked();
    try {
        RunConversion(host, options);
    } catch (const std::exception& e) {
        // The run reports the failures of its files itself; this is for whatever else stops
        // it (memory, for one), which must not escape the event loop unreported.
        host.MessageBox(e.what(), messages::kFileReadErrorCaption, MessageIcon::Exclamation);
    }
    m_services.waitPointer.SetBusy(false);
}

} // namespace orvane
