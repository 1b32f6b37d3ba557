#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

// A read, write, rename or rewind failure of an open file. Carries the file's path and the
// system's reason so that callers can tell the user which file failed and why.
class CFileException : public std::runtime_error {
public:
    CFileException(std::string path, std::string reason);
    const std::string& Path() const { return m_strPath; }
    const std::string& Reason() const { return m_strReason; }

private:
    std::string m_strPath;
    std::string m_strReason;
};

// A text file in text mode, opened for exclusive use.
//
// Reading: a line ends at LF, a CR directly before the LF belongs to the line end, and a
// Ctrl-Z (0x1A) ends the file. Writing: every "\n" written becomes CR LF.
// While the file is open, every other attempt to open it fails, also from this process
// (an advisory lock taken when opening).
class CTextFile {
public:
    enum class Mode { Read, Write };

    CTextFile() = default;
    ~CTextFile(); // closes without writing out buffered text: call Close() to keep it
    CTextFile(const CTextFile&) = delete;
    CTextFile& operator=(const CTextFile&) = delete;

    // Opens an existing file for reading, or creates (or empties) a file for writing.
    // Returns false when the file cannot be opened or is held open; LastError() says why.
    bool Open(const std::string& path, Mode mode);
    bool IsOpen() const { return m_fd >= 0; }
    const std::string& GetFilePath() const { return m_strPath; }
    const std::string& LastError() const { return m_strLastError; }

    // Reads the next line without its line end. Returns false at the end of the file.
    // Throws CFileException on a read error.
    bool ReadString(std::string& line);
    // Number of the line that the last ReadString returned, counted from 1.
    std::size_t LineNumber() const { return m_nLine; }
    // Bytes consumed from the file so far, and the file's size when it was opened.
    std::uint64_t BytesRead() const { return m_nConsumed; }
    std::uint64_t Size() const { return m_nSize; }

    // Writes text, "\n" becoming CR LF. Throws CFileException on a write error.
    void WriteString(std::string_view text);
    // Writes one line followed by CR LF.
    void WriteLine(std::string_view line);

    // Moves back to the first byte. Throws CFileException on failure.
    void SeekToBegin();

    // Writes out what is buffered and closes. Throws CFileException when the buffered text
    // cannot be written; the file is closed either way.
    void Close();

private:
    void Flush();
    bool FillBuffer();
    void Abandon() noexcept;

    int m_fd = -1;
    Mode m_mode = Mode::Read;
    std::string m_strPath;
    std::string m_strLastError;
    std::vector<char> m_buffer;
    std::size_t m_nBegin = 0;
    std::size_t m_nEnd = 0;
    bool m_bEof = false;
    std::size_t m_nLine = 0;
    std::uint64_t m_nConsumed = 0;
    std::uint64_t m_nSize = 0;
    std::string m_out;
};

} // namespace orvane
