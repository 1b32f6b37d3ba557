#include "convert/output_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orvane {

namespace {

// The permissions a newly created file gets, as open() with 0666 would give it.
mode_t NewFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return static_cast<mode_t>(0666 & ~mask);
}

} // namespace

COutputFile::~COutputFile() {
    Discard();
}

bool COutputFile::Open(const std::string& path) {
    Discard();
    m_strPath = path;
    m_strLastError.clear();

    // An existing output stays until the new one is complete, but one that another program
    // holds open must not be replaced under it.
    const int existing = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (existing >= 0) {
        if (::flock(existing, LOCK_EX | LOCK_NB) != 0) {
            const int error = errno;
            ::close(existing);
            m_strLastError = error == EWOULDBLOCK ? "the file is in use" : std::strerror(error);
            return false;
        }
        struct stat info {};
        if (::fstat(existing, &info) == 0 && S_ISDIR(info.st_mode)) {
            ::close(existing);
            m_strLastError = "it is a folder";
            return false;
        }
        if (::access(path.c_str(), W_OK) != 0) {
            m_strLastError = std::strerror(errno);
            ::close(existing);
            return false;
        }
        m_lockFd = existing;
    } else if (errno != ENOENT) {
        m_strLastError = std::strerror(errno);
        return false;
    }

    const std::filesystem::path output(path);
    const std::filesystem::path folder = output.has_parent_path() ? output.parent_path() : ".";
    std::string temp = (folder / ("." + output.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) {
        m_strLastError = std::strerror(errno);
        Discard();
        return false;
    }
    ::fchmod(fd, NewFileMode());
    ::close(fd);
    m_strTempPath = temp;
    if (!m_file.Open(m_strTempPath, CTextFile::Mode::Write)) {
        m_strLastError = m_file.LastError();
        Discard();
        return false;
    }
    return true;
}

void COutputFile::Commit() {
    m_file.Close();
    if (::rename(m_strTempPath.c_str(), m_strPath.c_str()) != 0) {
        const int error = errno;
        Discard();
        throw CFileException(m_strPath, std::strerror(error));
    }
    m_strTempPath.clear();
    Discard();
}

void COutputFile::Discard() noexcept {
    if (m_file.IsOpen()) {
        try {
            m_file.Close();
        } catch (...) {
            // The temporary file is removed below; its content no longer matters.
        }
    }
    if (!m_strTempPath.empty()) {
        ::unlink(m_strTempPath.c_str());
        m_strTempPath.clear();
    }
    if (m_lockFd >= 0) {
        ::close(m_lockFd);
        m_lockFd = -1;
    }
}

} // namespace orvane
