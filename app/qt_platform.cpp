#include "app/qt_platform.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QMessageBox>
#include <QThread>

namespace orvane {

void CQtMessageBoxes::Show(QWidget* pOwner, const QString& strText, const QString& strCaption,
                           MessageIcon icon) {
    QMessageBox box(icon == MessageIcon::Information ? QMessageBox::Information
                                                     : QMessageBox::Warning,
                    strCaption, strText, QMessageBox::Ok, pOwner);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

std::optional<QStringList> CQtOpenFileDialog::GetOpenFileNames(QWidget* pOwner,
                                                               const OpenFileRequest& request) {
    QFileDialog dialog(pOwner, request.strTitle, request.strStartFolder);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(request.bMultiSelect ? QFileDialog::ExistingFiles
                                            : QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    QStringList filters;
    for (const FileFilter& filter : request.filters) {
        filters.append(filter.strText);
    }
    dialog.setNameFilters(filters);
    if (!filters.isEmpty()) {
        dialog.selectNameFilter(filters.front());
    }
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.selectedFiles();
}

CQtWaitPointer::~CQtWaitPointer() {
    SetBusy(false);
}

void CQtWaitPointer::SetBusy(bool bBusy) {
    if (bBusy == m_bBusy) {
        return;
    }
    m_bBusy = bBusy;
    if (bBusy) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        QApplication::restoreOverrideCursor();
    }
}

void CQtPause::Sleep(int nMilliseconds) {
    constexpr int kSliceMilliseconds = 20;
    QElapsedTimer timer;
    timer.start();
    for (;;) {
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        const qint64 nLeft = nMilliseconds - timer.elapsed();
        if (nLeft <= 0) {
            break;
        }
        QThread::msleep(static_cast<unsigned long>(std::min<qint64>(nLeft, kSliceMilliseconds)));
    }
}

} // namespace orvane
