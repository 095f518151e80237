#include "shell/Model_File_Io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <streambuf>

#include "runtime/Runtime_Error.h"

namespace {
[[noreturn]] void Raise_Os_Error(int os_error) { Raise(File_Error_Number(os_error)); }

// Where the program names the file itself, only the folder can be missing.
[[noreturn]] void Raise_Folder_Error(int os_error)
{
    Raise(os_error == ENOENT || os_error == ENOTDIR ? Err::Path_Not_Found : File_Error_Number(os_error));
}

// A name of its own in the target's folder: the target's name plus a suffix could pass the
// file system's limit on a name's length while the target's own name is within it.
std::string Temporary_Name(const std::string& target)
{
    const size_t slash = target.rfind('/');
    return (slash == std::string::npos ? std::string() : target.substr(0, slash + 1)) + ".saving-XXXXXX";
}

void Check_Name(const std::string& path)
{
    if (path.empty()) Raise(Err::Bad_File_Name_Or_Number);
}

void Write_All(int fd, const char* data, size_t size)
{
    size_t done = 0;
    while (done < size) {
        ssize_t n = ::write(fd, data + done, size - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            Raise_Os_Error(errno);
        }
        done += static_cast<size_t>(n);
    }
}

// Unbuffered: every write reaches the file at once, and a failure raises from inside the stream
// operation that caused it.
class Fd_Buffer : public std::streambuf {
public:
    int fd = -1;

protected:
    int_type overflow(int_type c) override
    {
        if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
        char ch = traits_type::to_char_type(c);
        Write_All(fd, &ch, 1);
        return c;
    }
    std::streamsize xsputn(const char* s, std::streamsize n) override
    {
        Write_All(fd, s, static_cast<size_t>(n));
        return n;
    }
};

mode_t New_File_Mode()
{
    mode_t m = ::umask(0);
    ::umask(m);
    return 0666 & ~m;
}
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

// Buffered reads; a failing read raises from inside the stream operation that needed it.
class Fd_Read_Buffer : public std::streambuf {
public:
    int fd = -1;

protected:
    int_type underflow() override
    {
        for (;;) {
            ssize_t n = ::read(fd, buffer_, sizeof buffer_);
            if (n < 0) {
                if (errno == EINTR) continue;
                Raise_Os_Error(errno);
            }
            if (n == 0) return traits_type::eof();
            setg(buffer_, buffer_, buffer_ + n);
            return traits_type::to_int_type(buffer_[0]);
        }
    }

private:
    char buffer_[8192];
};

struct File_Input::Impl {
    Fd_Read_Buffer buffer;
    std::istream stream{&buffer};
};

File_Input::File_Input(const std::string& path) : impl_(std::make_unique<Impl>())
{
    Check_Name(path);
    impl_->stream.exceptions(std::ios::badbit);
    impl_->buffer.fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (impl_->buffer.fd < 0) Raise_Os_Error(errno);
}

File_Input::~File_Input()
{
    if (impl_->buffer.fd >= 0) ::close(impl_->buffer.fd);
}

std::istream& File_Input::Stream() { return impl_->stream; }

struct Safe_File_Output::Impl {
    std::string target, temp;
    bool in_place = false;  // a device or pipe cannot be replaced: it is written directly
    bool committed = false;
    Fd_Buffer buffer;
    std::ostream stream{&buffer};
};

Safe_File_Output::Safe_File_Output(const std::string& path) : impl_(std::make_unique<Impl>())
{
    Check_Name(path);
    Impl& f = *impl_;
    f.target = path;
    // Failures inside the stream reach the caller with their own error number.
    f.stream.exceptions(std::ios::badbit);

    struct stat existing{};
    bool had_file = ::stat(path.c_str(), &existing) == 0;
    if (had_file && S_ISDIR(existing.st_mode)) Raise(Err::Path_File_Access);
    if (had_file && !S_ISREG(existing.st_mode)) {
        f.in_place = true;
        f.buffer.fd = ::open(path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
        if (f.buffer.fd < 0) Raise_Os_Error(errno);
        return;
    }
    // Through a symbolic link the file it points at is replaced, not the link.
    if (had_file) {
        if (char* real = ::realpath(path.c_str(), nullptr)) {
            f.target = real;
            std::free(real);
        }
    }
    f.temp = Temporary_Name(f.target);
    f.buffer.fd = ::mkstemp(f.temp.data());
    if (f.buffer.fd < 0) {
        int e = errno;
        f.temp.clear();
        Raise_Folder_Error(e);
    }
    // A replaced file keeps its permissions; a new one gets the usual ones.
    ::fchmod(f.buffer.fd, had_file ? (existing.st_mode & 07777) : New_File_Mode());
}

Safe_File_Output::~Safe_File_Output()
{
    Impl& f = *impl_;
    if (f.buffer.fd >= 0) ::close(f.buffer.fd);
    if (!f.committed && !f.temp.empty()) ::unlink(f.temp.c_str());
}

std::ostream& Safe_File_Output::Stream() { return impl_->stream; }

void Safe_File_Output::Commit()
{
    Impl& f = *impl_;
    if (f.committed) return;
    if (!f.in_place && ::fsync(f.buffer.fd) != 0 && errno != EINVAL) Raise_Os_Error(errno);
    int fd = f.buffer.fd;
    f.buffer.fd = -1;
    if (::close(fd) != 0) Raise_Os_Error(errno);
    if (!f.in_place && ::rename(f.temp.c_str(), f.target.c_str()) != 0) Raise_Os_Error(errno);
    f.committed = true;
}

void Replace_File_Contents(const std::string& path, const std::string& content)
{
    Safe_File_Output out(path);
    out.Stream().write(content.data(), static_cast<std::streamsize>(content.size()));
    out.Commit();
}
