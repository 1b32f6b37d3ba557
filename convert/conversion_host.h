#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace orvane {

enum class MessageIcon { Exclamation, Information };

struct FileResult;

// What a conversion run needs from whoever runs it: the list of source paths, a progress
// indicator, message boxes and the busy pointer. The dialog, the command-line converter and the
// tests each supply their own.
class IConversionHost {
public:
    virtual ~IConversionHost() = default;

    // The list of source files, one full path per entry, read by position.
    virtual int GetCount() const = 0;
    virtual std::string GetText(int nIndex) const = 0;
    virtual void DeleteString(int nIndex) = 0;
    virtual void ResetContent() = 0;

    // The progress indicator.
    virtual void SetRange(int nLower, int nUpper) = 0;
    virtual void SetStep(int nStep) = 0;
    virtual void StepIt() = 0;
    virtual void ShowPercentage() = 0;

    // A modal message; returns when the user has closed it.
    virtual void MessageBox(const std::string& strText, const std::string& strCaption,
                            MessageIcon icon) = 0;
    // The busy pointer while a file converts, the normal one afterwards.
    virtual void SetBusyPointer(bool bBusy) = 0;
    // The pause after the last file.
    virtual void Sleep(int nMilliseconds) = 0;

    // Optional notifications, for hosts that report more than the dialog does.
    virtual void OnFileDone(const FileResult& /*result*/) {}
    virtual void OnFileProgress(std::uint64_t /*nBytesRead*/, std::uint64_t /*nBytesTotal*/) {}
};

} // namespace orvane
