#include "shell/Model_File_Io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "runtime/Runtime_Error.h"

namespace {
[[noreturn]] void Raise_Os_Error(int os_error) { Raise(File_Error_Number(os_error)); }

void Check_Name(const std::string& path)
{
    if (path.empty()) Raise(Err::Bad_File_Name_Or_Number);
}

// Closes the descriptor and removes the temporary file unless released.
struct Temp_File {
    std::string path;
    int fd = -1;
    bool keep = false;
    ~Temp_File()
    {
        if (fd >= 0) ::close(fd);
        if (!keep) ::unlink(path.c_str());
    }
};
}  // namespace

int File_Error_Number(int os_error)
{
    switch (os_error) {
    case ENOENT:
    case ENOTDIR: return Err::File_Not_Found;
    case ENAMETOOLONG:
    case EINVAL:
    case EILSEQ: return Err::Bad_File_Name;
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
    case EFBIG: return Err::Disk_Full;
    case EACCES:
    case EPERM:
    case EROFS:
    case ETXTBSY: return Err::Permission_Denied;
    case EISDIR: return Err::Path_File_Access;
    case ENOMEM: return Err::Out_Of_Memory;
    default: return Err::Device_IO;
    }
}

std::string Read_Whole_File(const std::string& path)
{
    Check_Name(path);
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) Raise_Os_Error(errno);
    std::string content;
    char buf[8192];
    for (;;) {
        ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0) {
            if (errno == EINTR) continue;
            int e = errno;
            ::close(fd);
            Raise_Os_Error(e);
        }
        if (n == 0) break;
        content.append(buf, static_cast<size_t>(n));
    }
    ::close(fd);
    return content;
}

static void Write_All(int fd, const std::string& content)
{
    size_t done = 0;
    while (done < content.size()) {
        ssize_t n = ::write(fd, content.data() + done, content.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            Raise_Os_Error(errno);
        }
        done += static_cast<size_t>(n);
    }
}

// A device or pipe cannot be replaced: it is written in place.
static void Write_In_Place(const std::string& path, const std::string& content)
{
    int fd = ::open(path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    if (fd < 0) Raise_Os_Error(errno);
    try {
        Write_All(fd, content);
    } catch (...) {
        ::close(fd);
        throw;
    }
    if (::close(fd) != 0) Raise_Os_Error(errno);
}

void Replace_File_Contents(const std::string& path, const std::string& content)
{
    Check_Name(path);
    struct stat existing{};
    bool had_file = ::stat(path.c_str(), &existing) == 0;
    if (had_file && S_ISDIR(existing.st_mode)) Raise(Err::Path_File_Access);
    if (had_file && !S_ISREG(existing.st_mode)) return Write_In_Place(path, content);

    // Through a symbolic link the file it points at is replaced, not the link.
    std::string target = path;
    if (had_file) {
        if (char* real = ::realpath(path.c_str(), nullptr)) {
            target = real;
            std::free(real);
        }
    }

    Temp_File temp;
    temp.path = target + ".vsr-saving-XXXXXX";
    temp.fd = ::mkstemp(temp.path.data());
    if (temp.fd < 0) {
        temp.keep = true;  // nothing was created
        Raise_Os_Error(errno);
    }
    // A new file gets the usual permissions, a replaced one keeps its own.
    mode_t mode = had_file ? (existing.st_mode & 07777) : 0666 & ~[] {
        mode_t m = ::umask(0);
        ::umask(m);
        return m;
    }();
    ::fchmod(temp.fd, mode);

    Write_All(temp.fd, content);
    if (::fsync(temp.fd) != 0 && errno != EINVAL && errno != EROFS) Raise_Os_Error(errno);
    int fd = temp.fd;
    temp.fd = -1;
    if (::close(fd) != 0) Raise_Os_Error(errno);
    if (::rename(temp.path.c_str(), target.c_str()) != 0) Raise_Os_Error(errno);
    temp.keep = true;
}
