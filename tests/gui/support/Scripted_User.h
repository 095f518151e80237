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

    Scripted_User()
        : previous_boxes_(Install_Message_Presenter(this)), previous_dialogs_(Install_Dialog_Presenter(this)) {}
    ~Scripted_User() override
    {
        Install_Message_Presenter(previous_boxes_);
        Install_Dialog_Presenter(previous_dialogs_);
    }

    Scripted_User& Answer(int answer)
    {
        answers_.push_back(answer);
        return *this;
    }
    Scripted_User& Choose_File(const std::string& path, int filter_index = 1)
    {
        files_.push_back(File_Choice{path, filter_index});
        return *this;
    }
    Scripted_User& Cancel_Dialog()
    {
        files_.push_back(std::nullopt);
        return *this;
    }
    // The next printer dialog prints to this PDF file ("" cancels it).
    Scripted_User& Print_To_Pdf(const std::string& file)
    {
        printers_.push_back(file);
        return *this;
    }

    int Show(const std::string& prompt, int style) override
    {
        boxes.push_back({prompt, style});
        if (while_box_up) while_box_up();
        if (answers_.empty()) {
            QTest::qFail(("unexpected message box: " + prompt).c_str(), __FILE__, __LINE__);
            return Default_Answer(style);
        }
        int a = answers_.front();
        answers_.pop_front();
        return a;
    }

    std::optional<File_Choice> Choose_File(const File_Request& request) override
    {
        file_requests.push_back(request);
        if (while_box_up) while_box_up();
        if (files_.empty()) {
            QTest::qFail("unexpected file dialog", __FILE__, __LINE__);
            return std::nullopt;
        }
        auto f = files_.front();
        files_.pop_front();
        return f;
    }

    bool Choose_Printer(QPrinter& printer) override
    {
        ++printer_dialogs;
        if (while_box_up) while_box_up();
        if (printers_.empty()) {
            QTest::qFail("unexpected printer dialog", __FILE__, __LINE__);
            return false;
        }
        std::string file = printers_.front();
        printers_.pop_front();
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
    Message_Presenter* previous_boxes_;
    Dialog_Presenter* previous_dialogs_;
    std::deque<int> answers_;
    std::deque<std::optional<File_Choice>> files_;
    std::deque<std::string> printers_;
};
