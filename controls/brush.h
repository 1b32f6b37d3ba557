#pragma once

#include "controls/colorref.h"

namespace orvane {

// A solid brush: the colour with which CDC::FillRect fills.
class CBrush {
public:
    CBrush() = default;
    explicit CBrush(COLORREF crColour) { CreateSolidBrush(crColour); }

    bool CreateSolidBrush(COLORREF crColour) {
        m_crColour = crColour;
        m_bCreated = true;
        return true;
    }
    void DeleteObject() { m_bCreated = false; }

    bool IsCreated() const { return m_bCreated; }
    COLORREF Colour() const { return m_crColour; }

private:
    COLORREF m_crColour = 0;
    bool m_bCreated = false;
};

} // namespace orvane
