#pragma once

#include "app/dialog_services.h"

#include <QDialog>
#include <QString>
#include <QStringList>

class QCheckBox;
class QComboBox;
class QListWidget;
class QMenu;
class QPushButton;

namespace orvane {

class CGradientProgressCtrl;

// The main dialog, where the user does everything: picks SIF files, converts them against the
// chosen conversion table while the gradient bar shows the progress, and resets the list.
//
// The command handlers are public so that they can be driven directly, without a screen: every
// service they need beyond their own controls comes in through DlgServices.
class COrvaneDlg : public QDialog {
    Q_OBJECT
public:
    explicit COrvaneDlg(const DlgServices& services, QWidget* pParent = nullptr);
    ~COrvaneDlg() override;

    // Fills in the controls and brings up the disclaimer; runs once, when the dialog is first
    // shown.
    void OnInitDialog();

    void OnSelectFiles();
    void OnConvert();
    void OnReset();
    void OnSelChangeDataFile(int nIndex);
    void OnAbout();

    // Close keeps the data-file box's text, as the dialog does when it ends through Close.
    void accept() override;

    // The menu that carries the About item; Qt offers no way to extend the window menu.
    QMenu* CreateContextMenu();

    // Folder of the files accepted by the latest selection; the open-file dialog starts there
    // when the preferences name no folder.
    QString m_strLastFolder;
    // The latest selection's accepted paths, newest first.
    QStringList m_arrNewFiles;
    QCheckBox* m_checkKeepManufacturer = nullptr;
    QComboBox* m_comboDataFile = nullptr;
    CGradientProgressCtrl* m_progress = nullptr;
    // The source files, one full path per entry, in the order they were added.
    QListWidget* m_listFiles = nullptr;
    // The data-file box's selection, and its text once the dialog ended through Close.
    QString m_strDataFile;

protected:
    void showEvent(QShowEvent* pEvent) override;
    void paintEvent(QPaintEvent* pEvent) override;
    void contextMenuEvent(QContextMenuEvent* pEvent) override;

private:
    void CreateControls();
    // The data file that a conversion reads: the one the data-file box names now.
    QString CurrentDataFile() const;

    DlgServices m_services;
    bool m_bInitialised = false;
};

} // namespace orvane
