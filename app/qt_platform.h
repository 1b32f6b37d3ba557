#pragma once

#include "app/platform.h"

namespace orvane {

// The platform services of the real program, on Qt Widgets.

class CQtMessageBoxes : public IMessageBoxes {
public:
    void Show(QWidget* pOwner, const QString& strText, const QString& strCaption,
              MessageIcon icon) override;
};

// Qt's own file dialog rather than the desktop's: its type filters match names ignoring letter
// case, so "*.sif" also lists ORDER.SIF and Order.Sif as the design package writes them.
class CQtOpenFileDialog : public IOpenFileDialog {
public:
    std::optional<QStringList> GetOpenFileNames(QWidget* pOwner,
                                                const OpenFileRequest& request) override;
};

// The wait cursor over the whole program. Qt stacks override cursors, so only a change of state
// touches it: the run may ask for the busy pointer once per file.
class CQtWaitPointer : public IWaitPointer {
public:
    ~CQtWaitPointer() override;
    void SetBusy(bool bBusy) override;

private:
    bool m_bBusy = false;
};

// Waits while the windows keep painting: pending paint and timer events are handled, user input
// is not, so no command can start during the pause.
class CQtPause : public IPause {
public:
    void Sleep(int nMilliseconds) override;
};

} // namespace orvane
