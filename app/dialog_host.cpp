#include "app/dialog_host.h"

#include "controls/gradient_progress_ctrl.h"

#include <QFile>
#include <QListWidget>

namespace orvane {

CDialogConversionHost::CDialogConversionHost(QWidget& owner, QListWidget& listFiles,
                                             CGradientProgressCtrl& progress,
                                             IMessageBoxes& messageBoxes, IWaitPointer& waitPointer,
                                             IPause& pause)
    : m_owner(owner), m_listFiles(listFiles), m_progress(progress), m_messageBoxes(messageBoxes),
      m_waitPointer(waitPointer), m_pause(pause) {}

int CDialogConversionHost::GetCount() const {
    return m_listFiles.count();
}

std::string CDialogConversionHost::GetText(int nIndex) const {
    const QListWidgetItem* pItem = m_listFiles.item(nIndex);
    return pItem ? QFile::encodeName(pItem->text()).toStdString() : std::string();
}

void CDialogConversionHost::DeleteString(int nIndex) {
    delete m_listFiles.takeItem(nIndex);
}

void CDialogConversionHost::ResetContent() {
    m_listFiles.clear();
}

void CDialogConversionHost::SetRange(int nLower, int nUpper) {
    m_progress.SetRange(nLower, nUpper);
}

void CDialogConversionHost::SetStep(int nStep) {
    m_progress.SetStep(nStep);
}

void CDialogConversionHost::StepIt() {
    m_progress.StepIt();
}

void CDialogConversionHost::ShowPercentage() {
    m_progress.m_bShowPercentage = true;
}

void CDialogConversionHost::MessageBox(const std::string& strText, const std::string& strCaption,
                                       MessageIcon icon) {
    m_waitPointer.SetBusy(false);
    m_messageBoxes.Show(&m_owner, QFile::decodeName(strText.c_str()),
                        QString::fromStdString(strCaption), icon);
}

void CDialogConversionHost::SetBusyPointer(bool bBusy) {
    m_waitPointer.SetBusy(bBusy);
}

void CDialogConversionHost::Sleep(int nMilliseconds) {
    m_pause.Sleep(nMilliseconds);
}

} // namespace orvane
