#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include "model/Mod_Main.h"
#include "platform/Gui_Test_Support.h"
#include "platform/Registry.h"
#include "shell/Shell_Registration.h"

namespace {
QString Read(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

std::string Stored(const std::string& key)
{
    const Registry_Stand_In::Value* v = registry().Find(key, "");
    return v ? v->data : std::string("<none>");
}

QString Line_Starting(const QString& text, const QString& start)
{
    for (const QString& line : text.split('\n'))
        if (line.startsWith(start)) return line.mid(start.size());
    return {};
}

// The arguments of a desktop entry's Exec value as freedesktop.org's Desktop Entry rules read it: the
// string escapes first (\s \n \t \r \\), then the quoting (inside double quotes a backslash
// takes '"', '`', '$' and '\' literally); an unquoted argument may hold no reserved character.
// Field codes stay as they are ("%f"), "%%" is a percent sign. Empty on a malformed value.
QStringList Exec_Arguments(const QString& raw)
{
    QString value;
    for (int i = 0; i < raw.size(); ++i) {
        if (raw[i] != '\\' || i + 1 == raw.size()) {
            value += raw[i];
            continue;
        }
        QChar e = raw[++i];
        value += e == 's' ? QChar(' ') : e == 'n' ? QChar('\n') : e == 't' ? QChar('\t') : e == 'r' ? QChar('\r') : e;
        if (e != 's' && e != 'n' && e != 't' && e != 'r' && e != '\\') return {};
    }
    const QString reserved = " \t\n\"'\\><~|&;$*?#()`";
    QStringList args;
    int i = 0;
    while (i < value.size()) {
        if (value[i] == ' ') {
            ++i;
            continue;
        }
        QString arg;
        if (value[i] == '"') {
            for (++i;; ++i) {
                if (i == value.size()) return {};  // no closing quote
                if (value[i] == '"') break;
                if (value[i] == '\\') {
                    if (++i == value.size() || !QString("\"`$\\").contains(value[i])) return {};
                } else if (value[i] == '`' || value[i] == '$') {
                    return {};  // must be escaped inside quotes
                }
                arg += value[i];
            }
            ++i;
            if (i < value.size() && value[i] != ' ') return {};
        } else {
            for (; i < value.size() && value[i] != ' '; ++i) {
                if (reserved.contains(value[i])) return {};
                arg += value[i];
            }
        }
        args << arg;
    }
    // Percent signs: field codes alone as arguments, "%%" a literal one.
    for (QString& a : args) {
        if (a.size() == 2 && a[0] == '%' && QString("fFuUick").contains(a[1])) continue;
        QString plain;
        for (int k = 0; k < a.size(); ++k) {
            if (a[k] != '%') {
                plain += a[k];
                continue;
            }
            if (k + 1 == a.size() || a[k + 1] != '%') return {};
            plain += '%';
            ++k;
        }
        a = plain;
    }
    return args;
}

// The groups of a desktop key file: group -> key -> value (comments and blank lines skipped).
QMap<QString, QMap<QString, QString>> Key_File(const QString& text)
{
    QMap<QString, QMap<QString, QString>> groups;
    QString group;
    for (const QString& line : text.split('\n')) {
        const QString t = line.trimmed();
        if (t.isEmpty() || t.startsWith('#')) continue;
        if (t.startsWith('[') && t.endsWith(']')) {
            group = t.mid(1, t.size() - 2);
            continue;
        }
        const qsizetype eq = t.indexOf('=');
        if (eq > 0 && !groups[group].contains(t.left(eq).trimmed())) groups[group][t.left(eq).trimmed()] = t.mid(eq + 1).trimmed();
    }
    return groups;
}

void Write(const QString& path, const QByteArray& contents, bool executable = false)
{
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(contents);
    f.close();
    if (executable) QVERIFY(f.setPermissions(f.permissions() | QFileDevice::ExeOwner));
}

// A desktop tool of the system, looked for where the packages put them (the test's own PATH is empty).
QString Tool(const QString& name) { return QStandardPaths::findExecutable(name, {"/usr/bin", "/bin", "/usr/local/bin"}); }

}  // namespace

class Test_Registry : public QObject {
    Q_OBJECT
    QTemporaryDir data_, config_;
    QString mime_file_, desktop_file_;

private slots:
    void initTestCase()
    {
        QVERIFY(data_.isValid() && config_.isValid());
        qputenv("XDG_DATA_HOME", data_.path().toUtf8());
        qputenv("XDG_CONFIG_HOME", config_.path().toUtf8());
        qputenv("PATH", "");  // the desktop's cache tools stay out of the test
        mime_file_ = data_.path() + "/mime/packages/vastrel-document.xml";
        desktop_file_ = data_.path() + "/applications/vastrel-document.desktop";
    }

    void init()
    {
        reset_store();
        registry().Clear();
    }

    void writes_the_three_entries_in_order_for_the_desktop()
    {
        Recording_Port port;
        store().App_Path = data_.path().toStdString() + "/my \"linkage\" programs/100% $bin";
        CreateAssociation("Vastrel", "vsr");
        const std::vector<std::string> expected = {"create .vsr", "set .vsr", "create Vastrel.Document\\shell\\open\\command",
                                                   "set Vastrel.Document", "set Vastrel.Document\\shell\\open\\command"};
        QCOMPARE(registry().Log(), expected);
        // Text values keep their terminating zero, counted in their length.
        QCOMPARE(Stored(".vsr"), std::string("Vastrel.Document", 17));
        QCOMPARE(Stored("Vastrel.Document"), std::string("Vastrel File", 13));
        QVERIFY(port.prompts.empty());

        QString mime = Read(mime_file_);
        QVERIFY(mime.contains("<mime-type type=\"application/x-vastrel-document\">"));
        QVERIFY(mime.contains("<glob pattern=\"*.vsr\"/>") && mime.contains("<comment>Vastrel File</comment>"));
        QString entry = Read(desktop_file_);
        QVERIFY(entry.startsWith("[Desktop Entry]\n"));
        QCOMPARE(Line_Starting(entry, "MimeType="), QString("application/x-vastrel-document;"));
        // The program's path with blanks and shell characters stays one argument; the file comes after it.
        QStringList args = Exec_Arguments(Line_Starting(entry, "Exec="));
        QCOMPARE(args, (QStringList{QString::fromStdString(store().App_Path) + "/vastrel", "%f"}));
    }

    void a_second_start_changes_nothing_and_a_moved_program_is_corrected()
    {
        store().App_Path = "/opt/one";
        CreateAssociation("Vastrel", "vsr");
        // Back-dated, so that any rewrite would show.
        const QDateTime old_time(QDate(2001, 2, 3), QTime(4, 5, 6));
        for (const QString& path : {mime_file_, desktop_file_}) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::ReadWrite));
            QVERIFY(f.setFileTime(old_time, QFileDevice::FileModificationTime));
        }
        QString mime = Read(mime_file_), entry = Read(desktop_file_);

        registry().Clear();
        CreateAssociation("Vastrel", "vsr");
        QCOMPARE(Read(mime_file_), mime);
        QCOMPARE(Read(desktop_file_), entry);
        QCOMPARE(QFileInfo(mime_file_).lastModified(), old_time);
        QCOMPARE(QFileInfo(desktop_file_).lastModified(), old_time);
        QVERIFY(!registry().Flush());

        registry().Clear();
        store().App_Path = "/opt/two";
        CreateAssociation("Vastrel", "vsr");
        QCOMPARE(Exec_Arguments(Line_Starting(Read(desktop_file_), "Exec="))[0], QString("/opt/two/vastrel"));
        QCOMPARE(Read(mime_file_), mime);
    }

    // The handler is found as a file manager and xdg-open find it: the user's mimeapps.list names
    // the default application of the type, whose desktop entry runs the program with the file.
    void the_model_type_gets_a_default_handler_that_the_desktop_resolves()
    {
        Recording_Port port;
        QTemporaryDir work;
        QVERIFY(work.isValid());
        const QString list_file = config_.path() + "/mimeapps.list";
        // The user's own choices for other types stay as they were; an old choice for ours is replaced.
        Write(list_file, "[Added Associations]\ntext/plain=editor.desktop;\n\n[Default Applications]\n"
                         "text/html=browser.desktop;\napplication/x-vastrel-document=other.desktop;\n");
        // A stand-in for the program that records what it was started with.
        const QByteArray recorder = "#!/bin/sh\nprintf '%s\\n' \"$@\" > \"$0.args\"\n";
        const QString plain_folder = work.path() + "/bin", blank_folder = work.path() + "/my programs";
        for (const QString& folder : {plain_folder, blank_folder}) Write(folder + "/vastrel", recorder, true);

        store().App_Path = plain_folder.toStdString();
        CreateAssociation("Vastrel", "vsr");
        QVERIFY(port.prompts.empty());
        auto list = Key_File(Read(list_file));
        QCOMPARE(list["Default Applications"]["text/html"], QString("browser.desktop;"));
        QCOMPARE(list["Added Associations"]["text/plain"], QString("editor.desktop;"));
        const QString id = list["Default Applications"]["application/x-vastrel-document"].split(';').first();
        QCOMPARE(id, QString("vastrel-document.desktop"));
        auto entry = Key_File(Read(data_.path() + "/applications/" + id))["Desktop Entry"];
        QCOMPARE(entry["Type"], QString("Application"));
        QVERIFY(entry["MimeType"].split(';').contains("application/x-vastrel-document"));
        // A plain path is written as it is: launchers that take the first word of the line find it.
        QCOMPARE(entry["Exec"], plain_folder + "/vastrel %f");
        QCOMPARE(Exec_Arguments(entry["Exec"]), (QStringList{plain_folder + "/vastrel", "%f"}));
        // A second start changes nothing more.
        registry().Clear();
        CreateAssociation("Vastrel", "vsr");
        QVERIFY(!registry().Flush());

        // The desktop's own tools, as the set-up installs them.
        const QString xdg_mime = Tool("xdg-mime"), xdg_open = Tool("xdg-open"), gio = Tool("gio"),
                      update_mime = Tool("update-mime-database");
        if (xdg_mime.isEmpty() || xdg_open.isEmpty() || gio.isEmpty() || update_mime.isEmpty())
            QSKIP("xdg-utils, libglib2.0-bin or shared-mime-info missing: scripts/setup.sh installs them");
        QProcessEnvironment env;
        env.insert("PATH", "/usr/bin:/bin");
        env.insert("HOME", work.path());
        env.insert("XDG_CONFIG_HOME", config_.path());
        env.insert("XDG_DATA_HOME", data_.path());
        env.insert("XDG_DATA_DIRS", "/usr/local/share:/usr/share");
        auto run = [&](const QString& program, const QStringList& args, const QProcessEnvironment& e) {
            QProcess p;
            p.setProcessEnvironment(e);
            p.start(program, args);
            if (!p.waitForFinished(30000)) p.kill();
            return std::pair(p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()).trimmed());
        };
        // The MIME database the program's type file goes into (the program starts its update in the background).
        QCOMPARE(run(update_mime, {data_.path() + "/mime"}, env).first, 0);
        QCOMPARE(run(xdg_mime, {"query", "default", "application/x-vastrel-document"}, env), std::pair(0, id));
        const QString model = work.path() + "/a model.vsr";
        Write(model, "\"VASTREL\"\r\n");
        QVERIFY(run(gio, {"mime", "application/x-vastrel-document"}, env).second.contains(": " + id));

        // Opening the file starts the program with the file's path: xdg-open on a desktop, and gio
        // directly for a program folder with a blank (the quoted path).
        auto opened_with = [&](const QString& folder) {
            const QString args = folder + "/vastrel.args";
            for (int i = 0; i < 200 && !QFileInfo::exists(args); ++i) QTest::qWait(50);
            QTest::qWait(50);
            return Read(args);
        };
        QProcessEnvironment desktop = env;
        desktop.insert("XDG_CURRENT_DESKTOP", "GNOME");
        QCOMPARE(run(xdg_open, {model}, desktop).first, 0);
        QCOMPARE(opened_with(plain_folder), model + "\n");

        registry().Clear();
        store().App_Path = blank_folder.toStdString();
        CreateAssociation("Vastrel", "vsr");
        auto quoted = Key_File(Read(data_.path() + "/applications/" + id))["Desktop Entry"]["Exec"];
        QCOMPARE(Exec_Arguments(quoted), (QStringList{blank_folder + "/vastrel", "%f"}));
        QCOMPARE(run(gio, {"open", model}, env).first, 0);
        QCOMPARE(opened_with(blank_folder), model + "\n");
        QVERIFY(port.prompts.empty());
    }

    void failures_stay_silent()
    {
        Recording_Port port;
        // A data directory that cannot hold folders.
        QString blocked = data_.path() + "/not-a-folder";
        QFile file(blocked);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        qputenv("XDG_DATA_HOME", blocked.toUtf8());
        CreateAssociation("Vastrel", "vsr");
        qputenv("XDG_DATA_HOME", data_.path().toUtf8());
        QCOMPARE(registry().Log().size(), size_t(5));

        // A key that was never created: the open fails, the write and close fail quietly.
        registry().Clear();
        SetKeyValue("Missing.Key", "", std::string("x"), Reg::REG_SZ);
        QVERIFY(!registry().Has_Key("Missing.Key"));
        QVERIFY(registry().Log().empty());
        // A value type the writer does not know writes nothing and does not report success.
        int32_t handle = 0, disposition = 0;
        registry().Create_Key(Reg::HKEY_CLASSES_ROOT, "Test.Key", 63, handle, disposition);
        QVERIFY(SetValueEx(handle, "Other", 3, std::string("x")) != Reg::Success);
        QVERIFY(registry().Find("Test.Key", "Other") == nullptr);
        QVERIFY(port.prompts.empty());
    }

    void long_paths()
    {
        QString path = data_.path() + "/a model folder/Model_1.vsr";
        QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        QCOMPARE(GetLongPathFromShortPath(path.toStdString()), path.toStdString());
        QCOMPARE(GetLongPathFromShortPath(path.toStdString() + ".missing"), std::string());
        // A link is not resolved: the path comes back as given.
        QString link = data_.path() + "/link.vsr";
        QVERIFY(QFile::link(path, link));
        QCOMPARE(GetLongPathFromShortPath(link.toStdString()), link.toStdString());
    }
};

QTEST_MAIN(Test_Registry)
#include "test_registry.moc"
