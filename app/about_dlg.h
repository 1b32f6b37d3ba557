#pragma once

#include <QDialog>

namespace orvane {

// The About box: the icon, the product and version line, the maker line and OK.
class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* pParent = nullptr);
};

} // namespace orvane
