// The settings file on disk: read whole within a size limit, and replaced as a
// whole by a temporary file renamed over it, keeping links and permissions.
#include "platform/IniFile.h"

#include <cerrno>
#include <cstdlib>
#include <string>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace splot {

IniFile::IniFile(std::string path) : path_(std::move(path)) {}

IniFile::ReadResult IniFile::readAll(std::string& bytes) const
{
    bytes.clear();
    // Non-blocking, so that a pipe put where the file should be cannot hang us.
    const int fd = ::open(path_.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0)
        return errno == ENOENT ? ReadResult::Missing : ReadResult::Unusable;
    struct stat st {};
    ReadResult result = ReadResult::Ok;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) ||
        static_cast<std::size_t>(st.st_size) > kMaxFileBytes) {
        result = ReadResult::Unusable;
    } else {
        // Read until the end, but never more than one byte past the limit: a
        // file that grows meanwhile is caught too.
        bytes.reserve(static_cast<std::size_t>(st.st_size) + 1);
        char chunk[16384];
        std::size_t got = 0;
        while (got <= kMaxFileBytes) {
            const ssize_t n = ::read(fd, chunk, sizeof chunk);
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0) {
                result = ReadResult::Unusable;
                break;
            }
            if (n == 0)
                break;
            bytes.append(chunk, static_cast<std::size_t>(n));
            got += static_cast<std::size_t>(n);
        }
        if (got > kMaxFileBytes)
            result = ReadResult::Unusable;
    }
    ::close(fd);
    if (result != ReadResult::Ok)
        bytes.clear();
    return result;
}

int IniFile::getInt(const std::string& section, const std::string& key, int defaultValue)
{
    std::string bytes;
    if (readAll(bytes) != ReadResult::Ok)
        return defaultValue;
    const std::optional<std::string> value = ini::findValue(bytes, section, key);
    return value ? ini::parseInt(*value, defaultValue) : defaultValue;
}

std::string IniFile::getString(const std::string& section, const std::string& key,
                               const std::string& defaultValue, int size)
{
    if (size <= 0)
        return {};
    std::string bytes;
    std::optional<std::string> value;
    if (readAll(bytes) == ReadResult::Ok)
        value = ini::findValue(bytes, section, key);
    return ini::firstChars(value ? *value : defaultValue, size - 1);
}

namespace {

bool writeAll(int fd, const std::string& bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// Replaces the file at target with bytes: a temporary file in the same folder,
// flushed to disk, then renamed over the old one. On failure the old file is
// untouched and the temporary file removed.
bool replaceFile(const std::string& target, const std::string& bytes)
{
    const std::size_t slash = target.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string(".") : target.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
    std::string temp = (slash == std::string::npos ? std::string() : folder) + "." + name + ".XXXXXX";
    const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0)
        return false;
    bool ok = true;
    struct stat old {};
    if (::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode))
        ok = ::fchmod(fd, old.st_mode & 07777) == 0; // keep the file's permissions
    ok = ok && writeAll(fd, bytes) && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    ok = ok && ::rename(temp.c_str(), target.c_str()) == 0;
    if (!ok)
        ::unlink(temp.c_str());
    return ok;
}

// Whether the existing file itself may be written: the caller's permission,
// and at least one write bit (which the superuser's permission ignores).
bool mayBeWritten(const std::string& target)
{
    struct stat st {};
    if (::stat(target.c_str(), &st) != 0)
        return false;
    return (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0 && ::access(target.c_str(), W_OK) == 0;
}

} // namespace

bool IniFile::writeString(const std::string& section, const std::string& key, const std::string& value)
{
    return writeStrings(section, {{key, value}});
}

bool IniFile::writeStrings(const std::string& section, const Entries& entries)
{
    std::string bytes;
    const ReadResult read = readAll(bytes);
    if (read == ReadResult::Unusable)
        return false; // never replace a file we could not read whole
    std::optional<std::string> updated = bytes;
    for (const auto& [key, value] : entries) {
        updated = ini::withValue(*updated, section, key, value);
        if (!updated)
            return false;
    }
    if (updated->size() > kMaxFileBytes)
        return false;
    if (read == ReadResult::Ok && *updated == bytes)
        return true;

    // A settings file that is a symbolic link stays one: the file it points to is replaced.
    std::string target = path_;
    struct stat st {};
    if (::lstat(path_.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
        if (char* real = ::realpath(path_.c_str(), nullptr)) {
            target = real;
            std::free(real);
        }
    }
    // A file the user has made read-only stays as it is (the rename would
    // replace it all the same). Not even the superuser overrides that: a file
    // without any write permission is meant to be left alone.
    if (read == ReadResult::Ok && !mayBeWritten(target))
        return false;
    return replaceFile(target, *updated);
}

} // namespace splot
