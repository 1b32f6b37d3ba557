#include "convert/text_file.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orvane {

namespace {

constexpr std::size_t kBufferSize = 64 * 1024;
constexpr char kCtrlZ = '\x1A';

std::string SystemReason(int error) {
    return std::strerror(error);
}

} // namespace

CFileException::CFileException(std::string path, std::string reason)
    : std::runtime_error(path + ": " + reason), m_strPath(std::move(path)),
      m_strReason(std::move(reason)) {}

CTextFile::~CTextFile() {
    Abandon();
}

bool CTextFile::Open(const std::string& path, Mode mode) {
    Abandon();
    m_strPath = path;
    m_mode = mode;
    m_strLastError.clear();

    const int flags = mode == Mode::Read ? O_RDONLY : (O_WRONLY | O_CREAT | O_TRUNC);
    // Take the lock before a writer empties the file, so a file held by someone else is
    // never truncated: open without truncation first, lock, then truncate.
    const int fd = ::open(path.c_str(), (flags & ~O_TRUNC) | O_CLOEXEC, 0666);
    if (fd < 0) {
        m_strLastError = SystemReason(errno);
        return false;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        ::close(fd);
        m_strLastError = error == EWOULDBLOCK ? "the file is in use" : SystemReason(error);
        return false;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || S_ISDIR(info.st_mode)) {
        const int error = errno;
        ::close(fd);
        m_strLastError = S_ISDIR(info.st_mode) ? "it is a folder" : SystemReason(error);
        return false;
    }
    if ((flags & O_TRUNC) != 0 && S_ISREG(info.st_mode) && ::ftruncate(fd, 0) != 0) {
        const int error = errno;
        ::close(fd);
        m_strLastError = SystemReason(error);
        return false;
    }
    m_fd = fd;
    m_nSize = mode == Mode::Read ? static_cast<std::uint64_t>(info.st_size) : 0;
    m_buffer.resize(mode == Mode::Read ? kBufferSize : 0);
    m_nBegin = m_nEnd = 0;
    m_bEof = false;
    m_nLine = 0;
    m_nConsumed = 0;
    m_out.clear();
    return true;
}

bool CTextFile::FillBuffer() {
    if (m_bEof) {
        return false;
    }
    if (m_nBegin > 0) {
        std::memmove(m_buffer.data(), m_buffer.data() + m_nBegin, m_nEnd - m_nBegin);
        m_nEnd -= m_nBegin;
        m_nBegin = 0;
    }
    if (m_nEnd == m_buffer.size()) {
        m_buffer.resize(m_buffer.size() * 2); // a line longer than the buffer
    }
    for (;;) {
        const ssize_t n = ::read(m_fd, m_buffer.data() + m_nEnd, m_buffer.size() - m_nEnd);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            throw CFileException(m_strPath, SystemReason(errno));
        }
        if (n == 0) {
            m_bEof = true;
            return false;
        }
        // Ctrl-Z ends a text file: whatever follows it is not part of the file.
        const auto* begin = m_buffer.data() + m_nEnd;
        if (const void* z = std::memchr(begin, kCtrlZ, static_cast<std::size_t>(n))) {
            m_nEnd += static_cast<std::size_t>(static_cast<const char*>(z) - begin);
            m_bEof = true;
            return true;
        }
        m_nEnd += static_cast<std::size_t>(n);
        return true;
    }
}

bool CTextFile::ReadString(std::string& line) {
    std::size_t searchFrom = m_nBegin;
    for (;;) {
        const char* begin = m_buffer.data() + m_nBegin;
        const void* lf = std::memchr(m_buffer.data() + searchFrom, '\n', m_nEnd - searchFrom);
        if (lf != nullptr) {
            std::size_t length = static_cast<std::size_t>(static_cast<const char*>(lf) - begin);
            const std::size_t consumed = length + 1;
            if (length > 0 && begin[length - 1] == '\r') {
                --length;
            }
            line.assign(begin, length);
            m_nBegin += consumed;
            m_nConsumed += consumed;
            ++m_nLine;
            return true;
        }
        const std::size_t scanned = m_nEnd - m_nBegin;
        if (!FillBuffer()) {
            if (m_nEnd == m_nBegin) {
                return false;
            }
            // The last line has no line end.
            line.assign(m_buffer.data() + m_nBegin, m_nEnd - m_nBegin);
            m_nConsumed += m_nEnd - m_nBegin;
            m_nBegin = m_nEnd;
            ++m_nLine;
            return true;
        }
        searchFrom = m_nBegin + scanned;
    }
}

void CTextFile::WriteString(std::string_view text) {
    for (;;) {
        const auto lf = text.find('\n');
        if (lf == std::string_view::npos) {
            m_out.append(text);
            break;
        }
        m_out.append(text.substr(0, lf));
        m_out.append("\r\n");
        text.remove_prefix(lf + 1);
    }
    if (m_out.size() >= kBufferSize) {
        Flush();
    }
}

void CTextFile::WriteLine(std::string_view line) {
    m_out.append(line);
    m_out.append("\r\n");
    if (m_out.size() >= kBufferSize) {
        Flush();
    }
}

void CTextFile::Flush() {
    std::size_t written = 0;
    while (written < m_out.size()) {
        const ssize_t n = ::write(m_fd, m_out.data() + written, m_out.size() - written);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            const int error = errno;
            m_out.clear();
            throw CFileException(m_strPath, SystemReason(error));
        }
        written += static_cast<std::size_t>(n);
    }
    m_out.clear();
}

void CTextFile::SeekToBegin() {
    if (m_mode == Mode::Write) {
        Flush();
    }
    if (::lseek(m_fd, 0, SEEK_SET) != 0) {
        throw CFileException(m_strPath, SystemReason(errno));
    }
    m_nBegin = m_nEnd = 0;
    m_bEof = false;
    m_nLine = 0;
    m_nConsumed = 0;
}

void CTextFile::Close() {
    if (m_fd < 0) {
        return;
    }
    if (m_mode == Mode::Write) {
        try {
            Flush();
        } catch (...) {
            Abandon();
            throw;
        }
    }
    const int fd = m_fd;
    m_fd = -1;
    if (::close(fd) != 0 && m_mode == Mode::Write) {
        throw CFileException(m_strPath, SystemReason(errno));
    }
}

void CTextFile::Abandon() noexcept {
    if (m_fd >= 0) {
        ::close(m_fd); // closing also releases the lock
        m_fd = -1;
    }
    m_out.clear();
}

} // namespace orvane
