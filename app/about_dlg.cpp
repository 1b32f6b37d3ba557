#include "app/about_dlg.h"

#include "app/dialog_units.h"
#include "app/resources.h"
#include "app/texts.h"

#include <QLabel>
#include <QPushButton>

namespace orvane {

CAboutDlg::CAboutDlg(QWidget* pParent) : QDialog(pParent) {
    setWindowTitle(QString::fromLatin1(texts::kAboutCaption));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    ApplyDialogFont(this);
    setFixedSize(MapDialogSize(235, 66));

    auto* pIcon = new QLabel(this);
    pIcon->setObjectName(QStringLiteral("icon"));
    pIcon->setGeometry(MapDialogRect(11, 17, 21, 20));
    pIcon->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    pIcon->setPixmap(ProgramIcon().pixmap(32, 32));

    auto* pProduct = new QLabel(QString::fromLatin1(texts::kAboutProduct), this);
    pProduct->setTextFormat(Qt::PlainText);
    pProduct->setGeometry(MapDialogRect(40, 10, 161, 8));

    auto* pMaker = new QLabel(QString::fromLatin1(texts::kAboutMaker), this);
    pMaker->setTextFormat(Qt::PlainText);
    pMaker->setGeometry(MapDialogRect(40, 25, 119, 8));

    auto* pOk = new QPushButton(QString::fromLatin1(texts::kOk), this);
    pOk->setGeometry(MapDialogRect(93, 45, 50, 14));
    pOk->setDefault(true);
    connect(pOk, &QPushButton::clicked, this, &QDialog::accept);
}

} // namespace orvane
