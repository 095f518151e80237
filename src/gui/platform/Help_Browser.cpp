#include "platform/Help_Browser.h"

#include <QFileInfo>
#include <QLabel>
#include <QPdfDocument>
#include <QPdfView>
#include <QStackedLayout>

Help_Browser::Help_Browser(QWidget* parent)
    : QWidget(parent), document_(new QPdfDocument(this)), view_(new QPdfView(this)), message_(new QLabel(this)),
      stack_(new QStackedLayout(this))
{
    view_->setDocument(document_);
    view_->setPageMode(QPdfView::PageMode::MultiPage);
    view_->setZoomMode(QPdfView::ZoomMode::FitToWidth);
    message_->setAlignment(Qt::AlignCenter);
    message_->setWordWrap(true);
    message_->setTextFormat(Qt::PlainText);
    stack_->addWidget(view_);
    stack_->addWidget(message_);
    stack_->setCurrentWidget(message_);
}

void Help_Browser::Navigate(const std::string& address)
{
    location_ = address;
    document_->close();
    QString path = QString::fromStdString(address);
    QString problem;
    if (!QFileInfo(path).isFile()) {
        problem = "This help document is not available:\n" + path;
    } else if (document_->load(path) != QPdfDocument::Error::None) {
        problem = "This help document cannot be shown:\n" + path;
    }
    if (problem.isEmpty()) {
        stack_->setCurrentWidget(view_);
    } else {
        message_->setText(problem);
        stack_->setCurrentWidget(message_);
    }
}

bool Help_Browser::Showing_Document() const { return stack_->currentWidget() == view_; }

bool Help_Browser::Document_Ready() const
{
    return Showing_Document() && document_->status() == QPdfDocument::Status::Ready && Page_Count() > 0;
}

int Help_Browser::Page_Count() const { return document_->pageCount(); }

std::string Help_Browser::Message() const { return Showing_Document() ? std::string() : message_->text().toStdString(); }
