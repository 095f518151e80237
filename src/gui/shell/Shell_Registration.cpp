#include "shell/Shell_Registration.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <algorithm>
#include <cctype>

#include "model/Mod_Main.h"
#include "platform/Registry.h"
#include "runtime/Number_Text.h"
#include "runtime/Report_Error.h"

namespace {
constexpr int32_t Access_All = 63;

std::string Program_Folder()
{
    std::string folder = store().App_Path;
    if (folder.empty()) folder = QCoreApplication::applicationDirPath().toStdString();
    while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
    return folder;
}

std::string Lower(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

}  // namespace

std::string Open_Command(const std::string& program_path)
{
    // The Desktop Entry rules for an Exec line: an argument holding a reserved character is
    // enclosed in double quotes, inside which '"', '`', '$' and '\' take a backslash; a plain
    // path stays unquoted, as the simpler launchers (xdg-open without a desktop, xdg-mime) take
    // the first word of the line as it stands. A '%' is doubled either way. The file is %f.
    const std::string reserved = " \t\n\"'\\><~|&;$*?#()`";
    std::string percent_doubled;
    for (char c : program_path) {
        percent_doubled += c;
        if (c == '%') percent_doubled += '%';
    }
    if (program_path.find_first_of(reserved) == std::string::npos) return percent_doubled + " %f";
    std::string quoted = "\"";
    for (char c : percent_doubled) {
        if (c == '"' || c == '`' || c == '$' || c == '\\') quoted += '\\';
        quoted += c;
    }
    return quoted + "\" %f";
}

void CreateNewKey(const std::string& key_name, int32_t root)
{
    Trap_Errors("CreateNewKey", [&] {
        int32_t handle = 0, disposition = 0;
        registry().Create_Key(root, key_name, Access_All, handle, disposition);
        registry().Close_Key(handle);
    });
}

int32_t SetValueEx(int32_t key, const std::string& value_name, int32_t value_type, const Reg_Data& value)
{
    int32_t result = Reg::Invalid_Parameter;
    Trap_Errors("SetValueEx", [&] {
        if (value_type == Reg::REG_SZ) {
            std::string text = std::holds_alternative<std::string>(value) ? std::get<std::string>(value)
                                                                           : Plain(static_cast<long long>(std::get<int32_t>(value)));
            result = registry().Set_Value(key, value_name, Reg::REG_SZ, text + '\0');
        } else if (value_type == Reg::REG_DWORD) {
            if (!std::holds_alternative<int32_t>(value)) Raise(Err::Type_Mismatch);
            int32_t n = std::get<int32_t>(value);
            std::string bytes(4, '\0');
            for (int i = 0; i < 4; ++i) bytes[static_cast<size_t>(i)] = static_cast<char>((static_cast<uint32_t>(n) >> (8 * i)) & 0xFF);
            result = registry().Set_Value(key, value_name, Reg::REG_DWORD, bytes);
        }
    });
    return result;
}

void SetKeyValue(const std::string& key_name, const std::string& value_name, const Reg_Data& value, int32_t value_type)
{
    Trap_Errors("SetKeyValue", [&] {
        int32_t handle = 0;
        // Result codes are not looked at: a key that did not open makes the write and close fail quietly.
        registry().Open_Key(Reg::HKEY_CLASSES_ROOT, key_name, Access_All, handle);
        SetValueEx(handle, value_name, value_type, value);
        registry().Close_Key(handle);
    });
}

void CreateAssociation(const std::string& label, const std::string& extension)
{
    Trap_Errors("CreateAssociation", [&] {
        std::string document = label + ".Document";
        std::string command_key = document + "\\shell\\open\\command";
        CreateNewKey("." + extension, Reg::HKEY_CLASSES_ROOT);
        SetKeyValue("." + extension, "", document, Reg::REG_SZ);
        CreateNewKey(command_key, Reg::HKEY_CLASSES_ROOT);
        SetKeyValue(document, "", label + " File", Reg::REG_SZ);
        std::string command = Open_Command(Program_Folder() + "/" + Lower(label));
        SetKeyValue(command_key, "", command, Reg::REG_SZ);
        registry().Flush();
    });
}

std::string GetLongPathFromShortPath(const std::string& path)
{
    std::string result;
    Trap_Errors("GetLongPathFromShortPath", [&] {
        if (path.empty()) return;
        QFileInfo info(QString::fromStdString(path));
        // Symbolic links stay as named, so a path that is already long comes back unchanged.
        if (info.exists()) result = info.absoluteFilePath().toStdString();
    });
    return result;
}
