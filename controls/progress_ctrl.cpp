#include "controls/progress_ctrl.h"

namespace orvane {

CProgressCtrl::CProgressCtrl(QWidget* pParent) : QWidget(pParent) {}

CProgressCtrl::~CProgressCtrl() = default;

LRESULT CProgressCtrl::SendMessage(UINT nMsg, WPARAM wParam, LPARAM lParam) {
    m_lastMessage = {nMsg, wParam, lParam};
    if (nMsg == PBM_SETRANGE || nMsg == PBM_SETPOS || nMsg == PBM_STEPIT) {
        repaint();
    }
    return 0;
}

} // namespace orvane
