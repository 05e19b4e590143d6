#include "game/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#ifdef __EMSCRIPTEN__
#include "game/cp932.h"  // the browser's C library has no iconv
#else
#include <iconv.h>
#endif

namespace orizen {

#ifdef __EMSCRIPTEN__

bool toCp932(const std::string& utf8, std::string& out) { return cp932FromUtf8(utf8, out); }

std::string fromCp932(const std::string& bytes) { return cp932ToUtf8(bytes); }

#else

namespace {

// One conversion with iconv; `lossy` replaces undecodable input with U+FFFD instead of failing.
bool convert(const char* to, const char* from, const std::string& in, std::string& out, bool lossy) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) return false;
    out.clear();
    char buffer[1024];
    char* src = const_cast<char*>(in.data());
    size_t left = in.size();
    bool ok = true;
    while (left > 0) {
        char* dst = buffer;
        size_t room = sizeof buffer;
        const size_t r = iconv(cd, &src, &left, &dst, &room);
        out.append(buffer, dst - buffer);
        if (r != static_cast<size_t>(-1)) continue;
        if (errno == E2BIG) continue;
        if (!lossy) {
            ok = false;
            break;
        }
        // An invalid or truncated sequence: skip one byte and mark it.
        out += "\xEF\xBF\xBD";
        ++src;
        --left;
    }
    iconv_close(cd);
    return ok;
}

}  // namespace

bool toCp932(const std::string& utf8, std::string& out) { return convert("CP932", "UTF-8", utf8, out, false); }

std::string fromCp932(const std::string& bytes) {
    std::string out;
    convert("UTF-8", "CP932", bytes, out, true);
    return out;
}

#endif

bool readWholeFile(const std::string& path, std::size_t maxBytes, std::string& bytes, std::string& error) {
    bytes.clear();
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        error = std::strerror(errno);
        return false;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        error = "not a regular file";
        ::close(fd);
        return false;
    }
    char buffer[8192];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) continue;
            error = std::strerror(errno);
            ::close(fd);
            return false;
        }
        if (n == 0) break;
        if (bytes.size() + static_cast<size_t>(n) > maxBytes) {
            error = "file too large";
            ::close(fd);
            return false;
        }
        bytes.append(buffer, static_cast<size_t>(n));
    }
    ::close(fd);
    return true;
}

bool writeWholeFile(const std::string& path, const std::string& bytes, std::string& error) {
    const size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
    std::string temp = (slash == std::string::npos ? std::string() : folder) + ".orizen-XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) {
        error = std::strerror(errno);
        return false;
    }
    ::fchmod(fd, 0644);
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            error = std::strerror(errno);
            ::close(fd);
            ::unlink(temp.c_str());
            return false;
        }
        done += static_cast<size_t>(n);
    }
    const bool synced = ::fsync(fd) == 0;
    const int syncErrno = errno;
    if (::close(fd) != 0 || !synced) {
        error = std::strerror(synced ? errno : syncErrno);
        ::unlink(temp.c_str());
        return false;
    }
    if (::rename(temp.c_str(), path.c_str()) != 0) {
        error = std::strerror(errno);
        ::unlink(temp.c_str());
        return false;
    }
    return true;
}

std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\n' && text[i] != '\r') continue;
        lines.push_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < text.size()) lines.push_back(text.substr(start));
    return lines;
}

}  // namespace orizen
