#include "services/atomic_file.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <system_error>

namespace {

constexpr mode_t kNewFileMode = 0666;  // narrowed by the umask, as for any new file
constexpr mode_t kPermissionBits = 07777;
constexpr int kTemporaryNameAttempts = 100;

// Closes the descriptor on every early return.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() { Close(); }

    int Get() const { return fd_; }
    bool IsOpen() const { return fd_ >= 0; }
    bool Close() {
        if (fd_ < 0) return true;
        const bool closed = ::close(fd_) == 0;
        fd_ = -1;
        return closed;
    }

private:
    int fd_;
};

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Writing through a symbolic link must keep the link, so the real file is replaced.
std::filesystem::path ResolveLink(const std::filesystem::path& file) {
    std::error_code error;
    if (!std::filesystem::is_symlink(file, error)) return file;
    std::filesystem::path target = std::filesystem::canonical(file, error);
    return error ? file : target;
}

std::filesystem::path TemporaryName(const std::filesystem::path& file, int attempt) {
    static unsigned counter = 0;
    ++counter;
    std::string name = "." + file.filename().string() + ".tmp-" + std::to_string(::getpid()) + "-" +
                       std::to_string(counter) + "-" + std::to_string(attempt);
    return file.parent_path() / name;
}

// Opens a fresh temporary file beside the target, never reusing an existing name.
int CreateTemporary(const std::filesystem::path& file, std::filesystem::path& temporary) {
    for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
        temporary = TemporaryName(file, attempt);
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, kNewFileMode);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

// Makes the rename itself durable; a folder that cannot be synced is no reason to fail.
void SyncFolder(const std::filesystem::path& folder) {
    FileDescriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.IsOpen()) ::fsync(dir.Get());
}

}  // namespace

FileContents ReadWholeFile(const std::filesystem::path& file) {
    FileContents result;
    FileDescriptor fd(::open(file.c_str(), O_RDONLY | O_CLOEXEC));
    if (!fd.IsOpen()) {
        result.status = (errno == ENOENT || errno == ENOTDIR) ? FileReadStatus::Missing : FileReadStatus::Failed;
        return result;
    }
    struct stat info {};
    if (::fstat(fd.Get(), &info) != 0 || !S_ISREG(info.st_mode)) {
        result.status = FileReadStatus::Failed;
        return result;
    }
    char buffer[8192];
    for (;;) {
        const ssize_t got = ::read(fd.Get(), buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR) continue;
            result.status = FileReadStatus::Failed;
            result.bytes.clear();
            return result;
        }
        if (got == 0) break;
        result.bytes.append(buffer, static_cast<std::size_t>(got));
    }
    result.status = FileReadStatus::Read;
    return result;
}

bool ReplaceFileAtomically(const std::filesystem::path& requested, std::string_view contents) {
    std::error_code error;
    const std::filesystem::path file = std::filesystem::absolute(ResolveLink(requested), error);
    if (error) return false;
    const std::filesystem::path folder = file.parent_path();
    std::filesystem::create_directories(folder, error);
    if (error) return false;

    std::filesystem::path temporary;
    FileDescriptor fd(CreateTemporary(file, temporary));
    if (!fd.IsOpen()) return false;

    struct stat oldInfo {};
    const bool keepMode = ::stat(file.c_str(), &oldInfo) == 0 && S_ISREG(oldInfo.st_mode);
    bool ok = !keepMode || ::fchmod(fd.Get(), oldInfo.st_mode & kPermissionBits) == 0;
    ok = ok && WriteAll(fd.Get(), contents);
    ok = ok && ::fsync(fd.Get()) == 0;
    ok = fd.Close() && ok;
    ok = ok && ::rename(temporary.c_str(), file.c_str()) == 0;
    if (!ok) {
        ::unlink(temporary.c_str());
        return false;
    }
    SyncFolder(folder);
    return true;
}
