#pragma once

#include <QWidget>
#include <cstdint>

namespace orvane {

using UINT = unsigned;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;

// Messages of the progress-bar control.
inline constexpr UINT PBM_SETRANGE = 0x0401; // lParam: lower bound low word, upper high word
inline constexpr UINT PBM_SETPOS = 0x0402;   // wParam: position
inline constexpr UINT PBM_SETSTEP = 0x0404;  // wParam: step
inline constexpr UINT PBM_STEPIT = 0x0405;

struct ProgressMessage {
    UINT nMsg = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
};

// The progress-bar control underneath the gradient bar: it is told the range, position and step,
// and redraws itself at once after a change of range or position. It redraws through
// repaint(), not update(): a conversion run drives the bar while the event loop waits, so a
// queued paint would arrive only after the run.
class CProgressCtrl : public QWidget {
    Q_OBJECT

public:
    explicit CProgressCtrl(QWidget* pParent = nullptr);
    ~CProgressCtrl() override;

    LRESULT SendMessage(UINT nMsg, WPARAM wParam = 0, LPARAM lParam = 0);

    // The last message the control received. The program never reads it back; it shows what
    // the control was told.
    const ProgressMessage& LastMessage() const { return m_lastMessage; }

private:
    ProgressMessage m_lastMessage;
};

} // namespace orvane
