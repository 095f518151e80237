#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "runtime/Runtime_Error.h"
#include "shell/Model_File_Io.h"

namespace fs = std::filesystem;

namespace {
class Model_File_Io : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = fs::temp_directory_path() / ("vastrel_io_" + std::to_string(::getpid()) + "_" +
                                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    static std::string Slurp(const fs::path& p)
    {
        std::ifstream in(p, std::ios::binary);
        std::stringstream ss;
        ss << in.rdbuf();
        return ss.str();
    }
    static int Error_Of(const std::function<void()>& f)
    {
        try {
            f();
        } catch (const Runtime_Error& e) {
            return e.number;
        }
        return 0;
    }
    size_t Entries() const { return static_cast<size_t>(std::distance(fs::directory_iterator(dir), {})); }

    fs::path dir;
};

TEST_F(Model_File_Io, Writes_New_And_Replaces_Old_Files)
{
    fs::path p = dir / "a model.vsr";
    Replace_File_Contents(p.string(), "first\r\n");
    EXPECT_EQ(Slurp(p), "first\r\n");
    Replace_File_Contents(p.string(), "second\r\n");
    File_Input in(p.string());
    std::string line;
    std::getline(in.Stream(), line);
    EXPECT_EQ(line, "second\r");
    EXPECT_EQ(Entries(), 1u);  // no temporary file left behind

    // The longest name the file system takes.
    fs::path longest = dir / std::string(255, 'n');
    Replace_File_Contents(longest.string(), "first");
    Replace_File_Contents(longest.string(), "second");
    EXPECT_EQ(Slurp(longest), "second");
    EXPECT_EQ(Entries(), 2u);
}

TEST_F(Model_File_Io, Replacing_Through_A_Link_Keeps_The_Link)
{
    fs::path real = dir / "real.vsr";
    fs::path link = dir / "link.vsr";
    Replace_File_Contents(real.string(), "old");
    fs::create_symlink(real, link);
    Replace_File_Contents(link.string(), "new");
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(Slurp(real), "new");
}

TEST_F(Model_File_Io, Failures_Carry_The_File_Error_Numbers)
{
    EXPECT_EQ(Error_Of([&] { File_Input in((dir / "missing.vsr").string()); }), Err::File_Not_Found);
    EXPECT_EQ(Error_Of([&] { File_Input in(""); }), Err::Bad_File_Name_Or_Number);
    // A folder opens but cannot be read: the error comes through the stream.
    EXPECT_EQ(Error_Of([&] {
                  File_Input in(dir.string());
                  in.Stream().get();
              }),
              Err::Path_File_Access);
    EXPECT_EQ(Error_Of([&] { Replace_File_Contents("", "x"); }), Err::Bad_File_Name_Or_Number);
    EXPECT_EQ(Error_Of([&] { Replace_File_Contents((dir / "no" / "such.vsr").string(), "x"); }),
              Err::Path_Not_Found);
    EXPECT_EQ(Error_Of([&] { Replace_File_Contents((dir / std::string(300, 'n')).string(), "x"); }),
              Err::Bad_File_Name);
    EXPECT_EQ(Error_Of([&] { Replace_File_Contents(dir.string(), "x"); }), Err::Path_File_Access);
    if (fs::exists("/dev/full")) {
        EXPECT_EQ(Error_Of([] { Replace_File_Contents("/dev/full", std::string(1 << 16, 'x')); }), Err::Disk_Full);
    }
    EXPECT_EQ(Entries(), 0u);
}

TEST_F(Model_File_Io, Error_Numbers_Of_System_Errors)
{
    EXPECT_EQ(File_Error_Number(ENOENT), 53);
    EXPECT_EQ(File_Error_Number(ENAMETOOLONG), 64);
    EXPECT_EQ(File_Error_Number(ENOSPC), 61);
    EXPECT_EQ(File_Error_Number(EIO), 57);
    EXPECT_EQ(File_Error_Number(EACCES), 70);
    EXPECT_EQ(File_Error_Number(EROFS), 70);
}

TEST_F(Model_File_Io, Failed_Write_Leaves_The_Old_File)
{
    fs::path p = dir / "kept.vsr";
    Replace_File_Contents(p.string(), "precious");
    // A folder that cannot take the temporary file: the old file must survive untouched.
    if (::geteuid() != 0) {
        fs::permissions(dir, fs::perms::owner_read | fs::perms::owner_exec);
        EXPECT_EQ(Error_Of([&] { Replace_File_Contents(p.string(), "lost"); }), Err::Permission_Denied);
        fs::permissions(dir, fs::perms::owner_all);
    }
    EXPECT_EQ(Slurp(p), "precious");

    // A save abandoned half-way (an error while writing) leaves the old file and no debris.
    {
        Safe_File_Output out(p.string());
        out.Stream() << "half of a new mod";
    }
    EXPECT_EQ(Slurp(p), "precious");
    EXPECT_EQ(Entries(), 1u);
}
}  // namespace
