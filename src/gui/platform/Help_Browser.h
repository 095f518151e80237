// The help window's document viewer: shows a PDF help document at a local address, or a
// plain message in its place when the document cannot be shown.
#pragma once
#include <QWidget>
#include <string>

class QLabel;
class QPdfDocument;
class QPdfView;
class QStackedLayout;

class Help_Browser : public QWidget {
    Q_OBJECT
public:
    explicit Help_Browser(QWidget* parent = nullptr);

    void Navigate(const std::string& address);
    const std::string& Location() const { return location_; }
    bool Showing_Document() const;
    // The document loaded completely and has pages to show.
    bool Document_Ready() const;
    int Page_Count() const;
    std::string Message() const;

private:
    QPdfDocument* document_;
    QPdfView* view_;
    QLabel* message_;
    QStackedLayout* stack_;
    std::string location_;
};
