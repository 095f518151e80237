// The registry stand-in: keys and values under the classes root, kept for the run, and realised on
// this desktop as a freedesktop MIME type and a desktop entry for each registered document class,
// the entry recorded as the type's default application in the user's mimeapps.list.
#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace Reg {
constexpr int32_t HKEY_CLASSES_ROOT = static_cast<int32_t>(0x80000000u);
constexpr int32_t REG_SZ = 1;
constexpr int32_t REG_DWORD = 4;
constexpr int32_t Key_Set_Value = 2;  // access bit needed to write a value
// Result codes
constexpr int32_t Success = 0;
constexpr int32_t File_Not_Found = 2;
constexpr int32_t Access_Denied = 5;
constexpr int32_t Invalid_Handle = 6;
constexpr int32_t Invalid_Parameter = 87;
// Dispositions of a created key
constexpr int32_t Created_New_Key = 1;
constexpr int32_t Opened_Existing_Key = 2;
}  // namespace Reg

class Registry_Stand_In {
public:
    struct Value {
        int32_t type;
        std::string data;  // bytes as stored: text with its zero terminator, or a 4-byte integer
    };

    // Creates the key and any missing keys on its path ("a\b\c").
    int32_t Create_Key(int32_t root, const std::string& sub_key, int32_t access, int32_t& handle, int32_t& disposition);
    int32_t Open_Key(int32_t root, const std::string& sub_key, int32_t access, int32_t& handle);
    int32_t Set_Value(int32_t key, const std::string& value_name, int32_t type, const std::string& data);
    int32_t Close_Key(int32_t key);

    // Writes the desktop's files for the classes root as it stands; files already right are left
    // untouched. Returns true when a file was written.
    bool Flush();

    // What was written this run, in order ("create KEY", "set KEY"), and the stored values.
    const std::vector<std::string>& Log() const { return log_; }
    const Value* Find(const std::string& key, const std::string& value_name) const;
    bool Has_Key(const std::string& key) const;
    void Clear();

private:
    struct Key {
        std::string name;
        std::map<std::string, Value> values;  // by lower-case value name
    };
    struct Open_Key_Entry {
        std::string key;
        int32_t access;
    };
    std::string Default_Text(const std::string& key) const;

    std::map<std::string, Key> keys_;  // by lower-case path: names are not case-sensitive
    std::map<int32_t, Open_Key_Entry> open_;
    int32_t next_handle_ = 0x100;
    std::vector<std::string> log_;
};

Registry_Stand_In& registry();

// The user's data directory: XDG_DATA_HOME when it is an absolute path, else ~/.local/share.
std::string Desktop_Data_Dir();
// The user's configuration directory: XDG_CONFIG_HOME when it is an absolute path, else ~/.config.
std::string Desktop_Config_Dir();
