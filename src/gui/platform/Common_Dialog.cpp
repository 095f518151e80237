#include "platform/Common_Dialog.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>

#include "platform/Mouse_Pointer.h"
#include "platform/Printer.h"
#include "platform/Screen.h"
#include "runtime/Runtime_Error.h"
#include "runtime/Ui_Port.h"

namespace {
Qt_Dialog_Presenter qt_presenter;
Dialog_Presenter* presenter = &qt_presenter;

// A description already holds its pattern in parentheses; otherwise the pattern is added.
QString Qt_Filter_Entry(const std::pair<std::string, std::string>& f)
{
    QString desc = QString::fromStdString(f.first);
    QString pattern = QString::fromStdString(f.second).replace(';', ' ');
    if (desc.contains('(')) return desc;
    return desc + " (" + pattern + ")";
}

// The name with ".ext" added unless it ends with it already (in any case); a name that ends with
// a dot gets the extension alone.
std::string With_Extension(const std::string& path, const std::string& ext)
{
    if (ext.empty() || path.empty()) return path;
    const QString name = QString::fromStdString(path);
    const QString dotted = "." + QString::fromStdString(ext);
    if (name.endsWith(dotted, Qt::CaseInsensitive)) return path;
    return path + (path.back() == '.' ? ext : dotted.toStdString());
}
}  // namespace

std::vector<std::pair<std::string, std::string>> Parse_Filter(const std::string& filter)
{
    std::vector<std::string> parts;
    std::string cur;
    for (char c : filter) {
        if (c == '|') {
            parts.push_back(cur);
            cur.clear();
        } else {
            cur += c;
        }
    }
    if (!cur.empty()) parts.push_back(cur);
    std::vector<std::pair<std::string, std::string>> out;
    for (size_t i = 0; i + 1 < parts.size(); i += 2) out.emplace_back(parts[i], parts[i + 1]);
    return out;
}

std::optional<File_Choice> Qt_Dialog_Presenter::Choose_File(const File_Request& r)
{
    QFileDialog dialog(Screen::Active(), QString::fromStdString(r.title));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);  // the common dialog asks itself
    dialog.setAcceptMode(r.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(r.must_exist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    QStringList filters;
    for (const auto& f : r.filters) filters << Qt_Filter_Entry(f);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        int index = r.filter_index >= 1 && r.filter_index <= filters.size() ? r.filter_index : 1;
        dialog.selectNameFilter(filters[index - 1]);
    }
    if (!r.file_name.empty()) dialog.selectFile(QString::fromStdString(r.file_name));
    bool accepted = dialog.exec() == QDialog::Accepted;
    Return_Keyboard_To_Active_Screen();
    if (!accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    File_Choice choice;
    choice.path = dialog.selectedFiles().first().toStdString();
    choice.filter_index = static_cast<int>(filters.indexOf(dialog.selectedNameFilter())) + 1;
    if (choice.filter_index < 1) choice.filter_index = 1;
    return choice;
}

bool Qt_Dialog_Presenter::Choose_Printer(QPrinter& printer)
{
    QPrintDialog dialog(&printer, Screen::Active());
    bool accepted = dialog.exec() == QDialog::Accepted;
    Return_Keyboard_To_Active_Screen();
    return accepted;
}

Dialog_Presenter* Install_Dialog_Presenter(Dialog_Presenter* p)
{
    Dialog_Presenter* previous = presenter == &qt_presenter ? nullptr : presenter;
    presenter = p ? p : &qt_presenter;
    return previous;
}

Dialog_Presenter& dialog_presenter() { return *presenter; }

void Common_Dialog::Cancelled() const
{
    if (CancelError) Raise(Err::Cancel_Selected);
}

void Common_Dialog::ShowOpen() { Show_File(false); }
void Common_Dialog::ShowSave() { Show_File(true); }

void Common_Dialog::Show_File(bool save)
{
    File_Request r;
    r.save = save;
    r.title = DialogTitle;
    r.filters = Parse_Filter(Filter);
    r.filter_index = FilterIndex;
    r.file_name = FileName;
    r.must_exist = !save && (Flags & Cdl::File_Must_Exist);
    for (;;) {
        std::optional<File_Choice> choice;
        {
            Box_Open_Guard dialog_open;
            choice = dialog_presenter().Choose_File(r);
        }
        if (!choice) return Cancelled();
        if (save) choice->path = With_Extension(choice->path, DefaultExt);
        if (save && (Flags & Cdl::Overwrite_Prompt) && QFileInfo::exists(QString::fromStdString(choice->path))) {
            std::string ask = choice->path + " already exists.\rDo you want to replace it?";
            if (MsgBox(ask, Msg::Yes_No | Msg::Exclamation | Msg::Default_Button2) != Msg::Ans_Yes) {
                r.file_name = choice->path;
                continue;
            }
        }
        FileName = choice->path;
        FilterIndex = choice->filter_index;
        return;
    }
}

void Common_Dialog::ShowPrinter()
{
    bool chosen;
    {
        Box_Open_Guard dialog_open;
        chosen = dialog_presenter().Choose_Printer(Printer().Device());
    }
    if (!chosen) Cancelled();
}
