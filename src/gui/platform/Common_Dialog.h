// The common dialog: open, save and printer dialogs driven by the classic properties.
// A cancel raises error 32755 when CancelError is set. The dialogs go through a presenter:
// the Qt one shows Qt's dialogs, tests install a scripted one.
#pragma once
#include <optional>
#include <string>
#include <utility>
#include <vector>

class QPrinter;

namespace Cdl {
constexpr int Overwrite_Prompt = 2;
constexpr int File_Must_Exist = 4096;
}  // namespace Cdl

struct File_Request {
    bool save = false;
    std::string title;
    std::vector<std::pair<std::string, std::string>> filters;  // description, pattern
    int filter_index = 1;                                      // 1-based
    std::string file_name;
    bool must_exist = false;
};

struct File_Choice {
    std::string path;
    int filter_index = 1;
};

class Dialog_Presenter {
public:
    virtual ~Dialog_Presenter() = default;
    // The chosen file, or nothing on cancel.
    virtual std::optional<File_Choice> Choose_File(const File_Request& request) = 0;
    // Sets up the printer for the next print; false on cancel.
    virtual bool Choose_Printer(QPrinter& printer) = 0;
};

class Qt_Dialog_Presenter final : public Dialog_Presenter {
public:
    std::optional<File_Choice> Choose_File(const File_Request& request) override;
    bool Choose_Printer(QPrinter& printer) override;
};

// Installs a presenter and returns the previous one (nullptr restores the Qt presenter).
Dialog_Presenter* Install_Dialog_Presenter(Dialog_Presenter* presenter);
Dialog_Presenter& dialog_presenter();

// "description|pattern|description|pattern|..."; a trailing bar adds nothing.
std::vector<std::pair<std::string, std::string>> Parse_Filter(const std::string& filter);

class Common_Dialog {
public:
    std::string DialogTitle;
    std::string Filter;
    int FilterIndex = 0;
    std::string FileName;  // in: the proposed name; out: the full path chosen
    int Flags = 0;
    bool CancelError = false;
    // Save dialog: the extension (without its dot) that a chosen name gets unless it already ends
    // with it, whatever other dots the name holds ("design v1.5" becomes "design v1.5.vsr"); the
    // overwrite question is asked about the name with the extension.
    std::string DefaultExt;

    void ShowOpen();
    void ShowSave();
    // Chooses the printer (a real one or a PDF file) for the next print.
    void ShowPrinter();

private:
    void Show_File(bool save);
    void Cancelled() const;
};
