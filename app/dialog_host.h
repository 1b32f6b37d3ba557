#pragma once

#include "app/platform.h"
#include "convert/conversion_host.h"

class QListWidget;
class QWidget;

namespace orvane {

class CGradientProgressCtrl;

// The main dialog as the conversion run sees it: its file list, its progress bar, message boxes
// owned by it, the wait pointer and the pause.
//
// Paths cross between the list (Qt text) and the engine (file-system bytes) through the file
// system's own encoding, so every listed path opens exactly the file that was chosen.
class CDialogConversionHost : public IConversionHost {
public:
    CDialogConversionHost(QWidget& owner, QListWidget& listFiles, CGradientProgressCtrl& progress,
                          IMessageBoxes& messageBoxes, IWaitPointer& waitPointer, IPause& pause);

    int GetCount() const override;
    std::string GetText(int nIndex) const override;
    void DeleteString(int nIndex) override;
    void ResetContent() override;

    void SetRange(int nLower, int nUpper) override;
    void SetStep(int nStep) override;
    void StepIt() override;
    void ShowPercentage() override;

    // The normal pointer while a message is up: the user has to find the OK button.
    void MessageBox(const std::string& strText, const std::string& strCaption,
                    MessageIcon icon) override;
    void SetBusyPointer(bool bBusy) override;
    void Sleep(int nMilliseconds) override;

private:
    QWidget& m_owner;
    QListWidget& m_listFiles;
    CGradientProgressCtrl& m_progress;
    IMessageBoxes& m_messageBoxes;
    IWaitPointer& m_waitPointer;
    IPause& m_pause;
};

} // namespace orvane
