#include "platform/Registry.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>
#include <algorithm>
#include <cctype>
#include <cstdlib>

namespace {
std::string Lower(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

std::string Text_Of(const Registry_Stand_In::Value& v)
{
    if (v.type != Reg::REG_SZ) return {};
    std::string s = v.data;
    if (!s.empty() && s.back() == '\0') s.pop_back();
    return s;
}

// Lower-case letters and digits, other characters as '-': usable as a file and MIME type name.
std::string Slug(const std::string& s)
{
    std::string out;
    for (unsigned char c : s) out += std::isalnum(c) ? static_cast<char>(std::tolower(c)) : '-';
    return out;
}

QString Xml_Escaped(const std::string& s) { return QString::fromStdString(s).toHtmlEscaped(); }

// Value escapes of a desktop entry.
QString Desktop_Escaped(const std::string& s)
{
    QString out;
    for (QChar c : QString::fromStdString(s)) {
        if (c == '\\') out += "\\\\";
        else if (c == '\n') out += "\\n";
        else if (c == '\t') out += "\\t";
        else if (c == '\r') out += "\\r";
        else out += c;
    }
    return out;
}

// Writes the file only when its contents differ; any failure leaves things as they were.
bool Write_If_Changed(const QString& path, const QByteArray& contents)
{
    QFile existing(path);
    if (existing.open(QIODevice::ReadOnly) && existing.readAll() == contents) return false;
    existing.close();
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    file.write(contents);
    return file.commit();
}

// A group header line: "[name]" alone, surrounding blanks aside.
bool Is_Group_Header(const QString& line)
{
    const QString t = line.trimmed();
    return t.startsWith('[') && t.endsWith(']');
}

// The key of a "key=value" line ("" for comments, blank lines and headers).
QString Key_Of(const QString& line)
{
    const QString t = line.trimmed();
    if (t.isEmpty() || t.startsWith('#') || Is_Group_Header(t)) return {};
    const qsizetype eq = t.indexOf('=');
    return eq < 0 ? QString() : t.left(eq).trimmed();
}

// The contents of a key file with `key` set to `value` in `group`: the group and the key are
// added when missing, a line already there for the key is replaced, everything else stays.
QByteArray With_Key_Set(const QByteArray& contents, const QString& group, const QString& key, const QString& value)
{
    QStringList lines = QString::fromUtf8(contents).split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    const QString entry = key + "=" + value;
    const QString header = "[" + group + "]";
    qsizetype group_at = -1;
    for (qsizetype i = 0; i < lines.size(); ++i)
        if (lines[i].trimmed() == header) {
            group_at = i;
            break;
        }
    if (group_at < 0) {
        if (!lines.isEmpty() && !lines.last().trimmed().isEmpty()) lines << "";
        lines << header << entry;
    } else {
        qsizetype end = group_at + 1;
        while (end < lines.size() && !Is_Group_Header(lines[end])) ++end;
        qsizetype found = -1, last_entry = group_at;
        for (qsizetype i = group_at + 1; i < end; ++i) {
            if (!lines[i].trimmed().isEmpty()) last_entry = i;
            if (found < 0 && Key_Of(lines[i]) == key) found = i;
        }
        if (found >= 0) {
            lines[found] = entry;
            // A repeated key would be ambiguous: the first one is ours, later ones go.
            for (qsizetype i = end - 1; i > found; --i)
                if (Key_Of(lines[i]) == key) lines.removeAt(i);
        } else {
            lines.insert(last_entry + 1, entry);
        }
    }
    return (lines.join('\n') + '\n').toUtf8();
}

QByteArray Read_All(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void Start_Tool(const QString& program, const QString& folder)
{
    QString tool = QStandardPaths::findExecutable(program);
    if (!tool.isEmpty()) QProcess::startDetached(tool, {folder});
}
}  // namespace

int32_t Registry_Stand_In::Create_Key(int32_t root, const std::string& sub_key, int32_t access, int32_t& handle,
                                      int32_t& disposition)
{
    handle = 0;
    if (root != Reg::HKEY_CLASSES_ROOT) return Reg::Invalid_Handle;
    if (sub_key.empty()) return Reg::Invalid_Parameter;
    disposition = Has_Key(sub_key) ? Reg::Opened_Existing_Key : Reg::Created_New_Key;
    size_t from = 0;
    while (true) {
        size_t at = sub_key.find('\\', from);
        std::string path = sub_key.substr(0, at);
        Key& key = keys_[Lower(path)];
        if (key.name.empty()) key.name = path;
        if (at == std::string::npos) break;
        from = at + 1;
    }
    log_.push_back("create " + sub_key);
    handle = next_handle_++;
    open_[handle] = {Lower(sub_key), access};
    return Reg::Success;
}

int32_t Registry_Stand_In::Open_Key(int32_t root, const std::string& sub_key, int32_t access, int32_t& handle)
{
    handle = 0;
    if (root != Reg::HKEY_CLASSES_ROOT) return Reg::Invalid_Handle;
    if (!Has_Key(sub_key)) return Reg::File_Not_Found;
    handle = next_handle_++;
    open_[handle] = {Lower(sub_key), access};
    return Reg::Success;
}

int32_t Registry_Stand_In::Set_Value(int32_t key, const std::string& value_name, int32_t type, const std::string& data)
{
    auto it = open_.find(key);
    if (it == open_.end()) return Reg::Invalid_Handle;
    if ((it->second.access & Reg::Key_Set_Value) == 0) return Reg::Access_Denied;
    Key& target = keys_[it->second.key];
    target.values[Lower(value_name)] = {type, data};
    log_.push_back("set " + target.name + (value_name.empty() ? "" : "\\@" + value_name));
    return Reg::Success;
}

int32_t Registry_Stand_In::Close_Key(int32_t key) { return open_.erase(key) ? Reg::Success : Reg::Invalid_Handle; }

const Registry_Stand_In::Value* Registry_Stand_In::Find(const std::string& key, const std::string& value_name) const
{
    auto k = keys_.find(Lower(key));
    if (k == keys_.end()) return nullptr;
    auto v = k->second.values.find(Lower(value_name));
    return v == k->second.values.end() ? nullptr : &v->second;
}

bool Registry_Stand_In::Has_Key(const std::string& key) const { return keys_.count(Lower(key)) != 0; }

void Registry_Stand_In::Clear()
{
    keys_.clear();
    open_.clear();
    log_.clear();
}

std::string Registry_Stand_In::Default_Text(const std::string& key) const
{
    const Value* v = Find(key, "");
    return v ? Text_Of(*v) : std::string();
}

bool Registry_Stand_In::Flush()
{
    std::string data_dir = Desktop_Data_Dir();
    if (data_dir.empty()) return false;
    const QString root = QString::fromStdString(data_dir);

    // Extension keys name their document class; each class becomes one MIME type.
    std::map<std::string, std::vector<std::string>> globs;  // class -> patterns
    for (const auto& [path, key] : keys_)
        if (path.size() > 1 && path[0] == '.' && path.find('\\') == std::string::npos) {
            std::string document_class = Default_Text(path);
            if (!document_class.empty()) globs[document_class].push_back("*" + key.name);
        }

    bool mime_changed = false;
    bool desktop_changed = false;
    bool list_changed = false;
    for (const auto& [document_class, patterns] : globs) {
        std::string slug = Slug(document_class);
        std::string mime_type = "application/x-" + slug;
        QString xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                      "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
                      "  <mime-type type=\"" + Xml_Escaped(mime_type) + "\">\n";
        std::string comment = Default_Text(document_class);
        if (!comment.empty()) xml += "    <comment>" + Xml_Escaped(comment) + "</comment>\n";
        for (const std::string& pattern : patterns) xml += "    <glob pattern=\"" + Xml_Escaped(pattern) + "\"/>\n";
        xml += "  </mime-type>\n</mime-info>\n";
        mime_changed |= Write_If_Changed(root + "/mime/packages/" + QString::fromStdString(slug) + ".xml", xml.toUtf8());

        std::string command = Default_Text(document_class + "\\shell\\open\\command");
        if (command.empty()) continue;
        std::string name = document_class.substr(0, document_class.find('.'));
        QString entry = "[Desktop Entry]\n"
                        "Type=Application\n"
                        "Name=" + Desktop_Escaped(name) + "\n"
                        "Exec=" + Desktop_Escaped(command) + "\n"
                        "MimeType=" + Desktop_Escaped(mime_type) + ";\n"
                        "NoDisplay=true\n"
                        "Terminal=false\n";
        const QString desktop_id = QString::fromStdString(slug) + ".desktop";
        desktop_changed |= Write_If_Changed(root + "/applications/" + desktop_id, entry.toUtf8());

        // The program is the type's default handler, as the open command makes it on the
        // classic shell: file managers and xdg-open look it up in the user's mimeapps.list.
        const std::string config_dir = Desktop_Config_Dir();
        if (!config_dir.empty()) {
            const QString list = QString::fromStdString(config_dir) + "/mimeapps.list";
            list_changed |= Write_If_Changed(list, With_Key_Set(Read_All(list), "Default Applications",
                                                QString::fromStdString(mime_type), desktop_id + ";"));
        }
    }
    // The desktop's caches are rebuilt in the background; start-up does not wait for them.
    if (mime_changed) Start_Tool("update-mime-database", root + "/mime");
    if (desktop_changed) Start_Tool("update-desktop-database", root + "/applications");
    return mime_changed || desktop_changed || list_changed;
}

Registry_Stand_In& registry()
{
    static Registry_Stand_In instance;
    return instance;
}

namespace {
// An XDG base folder: the variable when it holds an absolute path, else the fallback under home.
std::string Xdg_Dir(const char* variable, const char* under_home)
{
    const char* xdg = std::getenv(variable);
    if (xdg && xdg[0] == '/') return xdg;
    const char* home = std::getenv("HOME");
    if (!home || !*home) return {};
    return std::string(home) + under_home;
}
}  // namespace

std::string Desktop_Config_Dir() { return Xdg_Dir("XDG_CONFIG_HOME", "/.config"); }

std::string Desktop_Data_Dir() { return Xdg_Dir("XDG_DATA_HOME", "/.local/share"); }
