#pragma once

#include "convert/conversion_host.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

class QWidget;

namespace orvane {

// The services of the windowing system that the dialog's commands rely on. The program uses
// the Qt implementations (app/qt_platform.h); the tests script and record them, so that every
// command runs headless.

// Modal message boxes with an OK button, owned by a window.
class IMessageBoxes {
public:
    virtual ~IMessageBoxes() = default;
    virtual void Show(QWidget* pOwner, const QString& strText, const QString& strCaption,
                      MessageIcon icon) = 0;
};

// One entry of an open-file dialog's type list: the text shown and the pattern it stands for.
struct FileFilter {
    QString strText;
    QString strPattern;
    bool operator==(const FileFilter&) const = default;
};

struct OpenFileRequest {
    QString strTitle;
    std::vector<FileFilter> filters; // the first is chosen at start
    QString strStartFolder;          // empty: the platform's own choice
    bool bMultiSelect = false;
};

// The modal open-file dialog. Returns the full paths of the chosen files in the order the dialog
// reports them, or nothing when the user cancelled.
class IOpenFileDialog {
public:
    virtual ~IOpenFileDialog() = default;
    virtual std::optional<QStringList> GetOpenFileNames(QWidget* pOwner,
                                                        const OpenFileRequest& request) = 0;
};

// The mouse pointer over the whole program.
class IWaitPointer {
public:
    virtual ~IWaitPointer() = default;
    virtual void SetBusy(bool bBusy) = 0;
};

// A pause of the calling thread.
class IPause {
public:
    virtual ~IPause() = default;
    virtual void Sleep(int nMilliseconds) = 0;
};

} // namespace orvane
