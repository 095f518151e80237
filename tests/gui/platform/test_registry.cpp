#include <QDir>
#include <QFile>
#include <QFileInfo>
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

// The arguments of a desktop entry's Exec value, unescaped and unquoted as a launcher does it.
QStringList Exec_Arguments(QString value)
{
    value.replace("\\\\", "\\");  // the entry's own escape of a backslash
    QStringList args{""};
    bool quoted = false;
    for (int i = 0; i < value.size(); ++i) {
        QChar c = value[i];
        if (quoted && c == '\\') args.last() += value[++i];
        else if (c == '"') quoted = !quoted;
        else if (c == '%' && value.mid(i, 2) == "%%") args.last() += value[++i];
        else if (c == ' ' && !quoted) args << "";
        else args.last() += c;
    }
    return args;
}
}  // namespace

class Test_Registry : public QObject {
    Q_OBJECT
    QTemporaryDir data_;
    QString mime_file_, desktop_file_;

private slots:
    void initTestCase()
    {
        QVERIFY(data_.isValid());
        qputenv("XDG_DATA_HOME", data_.path().toUtf8());
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
