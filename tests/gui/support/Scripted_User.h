// A scripted user for screen tests: answers message boxes and common dialogs from queues and
// records each one. A box or dialog with nothing scripted fails the test.
#pragma once
#include <QPrinter>
#include <QtTest>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/Common_Dialog.h"
#include "platform/Message_Box.h"

class Scripted_User final : public Message_Presenter, public Dialog_Presenter {
public:
    struct Box {
        std::string prompt;
        int style;
    };

    Scripted_User() : boxes_before_(Install_Message_Presenter(this)), dialogs_before_(Install_Dialog_Presenter(this)) {}
    ~Scripted_User() override
    {
        Install_Message_Presenter(boxes_before_);
        Install_Dialog_Presenter(dialogs_before_);
    }

    Scripted_User& Answer(int answer) { return answers_.push_back(answer), *this; }
    Scripted_User& Choose_File(const std::string& path, int filter_index = 1)
    {
        return files_.push_back(File_Choice{path, filter_index}), *this;
    }
    Scripted_User& Cancel_Dialog() { return files_.push_back(std::nullopt), *this; }
    // The next printer dialog prints to this PDF file ("" cancels it).
    Scripted_User& Print_To_Pdf(const std::string& file) { return printers_.push_back(file), *this; }

    int Show(const std::string& prompt, int style) override
    {
        boxes.push_back({prompt, style});
        return Next(answers_, "message box: " + prompt).value_or(Default_Answer(style));
    }

    std::optional<File_Choice> Choose_File(const File_Request& request) override
    {
        file_requests.push_back(request);
        return Next(files_, "file dialog").value_or(std::nullopt);
    }

    bool Choose_Printer(QPrinter& printer) override
    {
        ++printer_dialogs;
        std::string file = Next(printers_, "printer dialog").value_or("");
        if (file.empty()) return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(file));
        return true;
    }

    bool All_Used() const { return answers_.empty() && files_.empty() && printers_.empty(); }

    std::vector<Box> boxes;
    std::vector<File_Request> file_requests;
    int printer_dialogs = 0;
    std::function<void()> while_box_up;  // runs while a box or dialog is "up"

private:
    template <class T>
    std::optional<T> Next(std::deque<T>& queue, const std::string& what)
    {
        if (while_box_up) while_box_up();
        if (queue.empty()) {
            QTest::qFail(("unexpected " + what).c_str(), __FILE__, __LINE__);
            return std::nullopt;
        }
        T t = std::move(queue.front());
        queue.pop_front();
        return t;
    }

    Message_Presenter* boxes_before_;
    Dialog_Presenter* dialogs_before_;
    std::deque<int> answers_;
    std::deque<std::optional<File_Choice>> files_;
    std::deque<std::string> printers_;
};
