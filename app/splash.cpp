#include "app/splash.h"

#include "app/dialog_units.h"
#include "app/texts.h"
#include "app/windows1252.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <string>

namespace orvane {

namespace {

QLabel* AddText(QWidget* pParent, const QString& strText, const QRect& rect) {
    auto* pLabel = new QLabel(strText, pParent);
    pLabel->setTextFormat(Qt::PlainText);
    pLabel->setWordWrap(true);
    pLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    pLabel->setGeometry(rect);
    return pLabel;
}

} // namespace

QString CSplash::ResponsibilityText() {
    std::string strText = texts::kResponsibilityHeading;
    strText += texts::kResponsibilityText;
    strText += texts::kProductDetailsHeading;
    strText += texts::kProductDetailsText;
    strText += texts::kTimeline;
    strText += texts::kResponsibilityEnd;
    return FromWindows1252(strText);
}

QString CSplash::CapabilitiesText() {
    std::string strText = texts::kCapabilitiesHeading;
    strText += texts::kCapabilitiesText;
    strText += texts::kResultsHeading;
    strText += texts::kResultsText;
    return FromWindows1252(strText);
}

QString CSplash::ContactText() {
    return FromWindows1252(texts::kContact);
}

CSplash::CSplash(QWidget* pParent) : QDialog(pParent) {
    setWindowTitle(QString::fromLatin1(texts::kDisclaimerCaption));
    // A title bar without system menu and close box: the only way out is ACCEPT (or Enter, Esc).
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    ApplyDialogFont(this);
    resize(MapDialogSize(300, 450));

    // Texts in their places of the template, overlapping where it has them overlap.
    m_pResponsibility = AddText(this, ResponsibilityText(), MapDialogRect(7, 6, 278, 150));
    m_pCapabilities = AddText(this, CapabilitiesText(), MapDialogRect(7, 140, 289, 225));
    m_pContact = AddText(this, ContactText(), MapDialogRect(7, 355, 289, 40));
    // The acknowledgement may need a line more in a font wider than the template's; the room
    // above ACCEPT takes it.
    QLabel* pAcknowledgement = AddText(this, QString::fromLatin1(texts::kAcknowledgement),
                                       MapDialogRect(49, 380, 201, 19));
    pAcknowledgement->resize(pAcknowledgement->width(),
                             std::max(pAcknowledgement->height(),
                                      pAcknowledgement->heightForWidth(pAcknowledgement->width())));

    auto* pAccept = new QPushButton(QString::fromLatin1(texts::kAccept), this);
    pAccept->setGeometry(MapDialogRect(126, 420, 50, 14));
    pAccept->setDefault(true);
    pAccept->setFocus();
    connect(pAccept, &QPushButton::clicked, this, &QDialog::accept);
}

void ShowDisclaimer(QWidget* pOwner) {
    // Queued on pOwner: if pOwner goes away first, the disclaimer is never made.
    QTimer::singleShot(0, pOwner, [pOwner] {
        auto* pSplash = new CSplash(pOwner);
        pSplash->setAttribute(Qt::WA_DeleteOnClose);
        pSplash->setWindowModality(Qt::WindowModal);
        pSplash->show();
    });
}

} // namespace orvane
