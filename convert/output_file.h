#pragma once

#include "convert/text_file.h"

#include <string>

namespace orvane {

// The output of one conversion, written beside its final name and moved into place only
// when complete: a conversion that fails part-way never leaves a truncated file under the
// output name, and an earlier output of that name stays intact until the new one replaces it.
//
// An existing output that another program holds open (locked) cannot be replaced, as on a
// platform where the open file could not be emptied.
class COutputFile {
public:
    COutputFile() = default;
    ~COutputFile(); // discards an output that was not committed
    COutputFile(const COutputFile&) = delete;
    COutputFile& operator=(const COutputFile&) = delete;

    // Creates the temporary file beside path. False when it cannot; LastError() says why.
    bool Open(const std::string& path);
    CTextFile& Text() { return m_file; }
    const std::string& GetFilePath() const { return m_strPath; }
    const std::string& LastError() const { return m_strLastError; }

    // Writes out everything and renames the temporary file to the output name.
    // Throws CFileException on failure, leaving any earlier output untouched.
    void Commit();
    // Removes the temporary file; the output name is left as it was.
    void Discard() noexcept;

private:
    std::string m_strPath;
    std::string m_strTempPath;
    std::string m_strLastError;
    CTextFile m_file;
    int m_lockFd = -1; // holds an existing output's lock until it is replaced
};

} // namespace orvane
