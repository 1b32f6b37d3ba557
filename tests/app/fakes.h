#pragma once

#include "app/platform.h"

#include <QStringList>
#include <functional>
#include <vector>

namespace orvane::test {

struct ShownMessage {
    QString strText;
    QString strCaption;
    MessageIcon icon;
    QStringList listAtShow; // the dialog's file list while the box was up
};

// Records every message box instead of showing it, with what the file list held meanwhile.
class CRecordingMessageBoxes : public IMessageBoxes {
public:
    void Show(QWidget*, const QString& strText, const QString& strCaption,
              MessageIcon icon) override {
        shown.push_back({strText, strCaption, icon, listSnapshot ? listSnapshot() : QStringList()});
    }

    std::vector<ShownMessage> shown;
    std::function<QStringList()> listSnapshot;
};

// Answers the open-file dialog from a script: each call takes the next answer (a list of chosen
// paths, or nothing for Cancel) and records the request.
class CScriptedOpenFileDialog : public IOpenFileDialog {
public:
    std::optional<QStringList> GetOpenFileNames(QWidget*, const OpenFileRequest& request) override {
        requests.push_back(request);
        if (nNextAnswer >= answers.size()) {
            return std::nullopt;
        }
        return answers[nNextAnswer++];
    }

    std::vector<std::optional<QStringList>> answers;
    std::size_t nNextAnswer = 0;
    std::vector<OpenFileRequest> requests;
};

class CFakeWaitPointer : public IWaitPointer {
public:
    void SetBusy(bool bNowBusy) override {
        bBusy = bNowBusy;
        bEverBusy = bEverBusy || bNowBusy;
    }
    bool bBusy = false;
    bool bEverBusy = false;
};

class CFakePause : public IPause {
public:
    void Sleep(int nMilliseconds) override { pauses.push_back(nMilliseconds); }
    std::vector<int> pauses;
};

} // namespace orvane::test
