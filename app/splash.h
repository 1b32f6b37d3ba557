#pragma once

#include <QDialog>

class QLabel;

namespace orvane {

// The disclaimer shown at every start: what the converter does and does not do, acknowledged
// with ACCEPT. It has no close box; ACCEPT, Enter and Esc close it alike.
class CSplash : public QDialog {
    Q_OBJECT
public:
    explicit CSplash(QWidget* pParent = nullptr);

    // The three texts, assembled from their Windows-1252 pieces.
    static QString ResponsibilityText();
    static QString CapabilitiesText();
    static QString ContactText();

private:
    QLabel* m_pResponsibility = nullptr;
    QLabel* m_pCapabilities = nullptr;
    QLabel* m_pContact = nullptr;
};

// Opens the disclaimer over pOwner, window-modal: pOwner keeps painting but takes no input until
// the disclaimer closes. Returns at once; the disclaimer deletes itself when closed. Qt widgets
// live on the GUI thread only, so the disclaimer runs in pOwner's event loop rather than on a
// thread of its own; it opens once that loop runs, when pOwner is on screen to centre on.
void ShowDisclaimer(QWidget* pOwner);

} // namespace orvane
