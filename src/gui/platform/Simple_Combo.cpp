#include "platform/Simple_Combo.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>

#include "runtime/Runtime_Error.h"

Simple_Combo::Simple_Combo(QWidget* parent) : QWidget(parent), edit_(new QLineEdit(this)), list_(new QListWidget(this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(edit_);
    layout->addWidget(list_, 1);
    setFocusProxy(edit_);
    edit_->installEventFilter(this);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row < 0) return;
        {
            QSignalBlocker block(edit_);
            edit_->setText(list_->item(row)->text());
        }
        emit Click();
    });
    connect(list_, &QListWidget::itemDoubleClicked, this, [this] { emit Double_Click(); });
    connect(edit_, &QLineEdit::textEdited, this, [this] {
        // Typed text is no list choice.
        QSignalBlocker block(list_);
        list_->setCurrentRow(-1);
        list_->clearSelection();
        emit Change();
    });
}

bool Simple_Combo::eventFilter(QObject* watched, QEvent* event)
{
    // The arrow keys in the edit part step through the list, as in any combo box.
    if (watched == edit_ && event->type() == QEvent::KeyPress && list_->count() > 0) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Down || key == Qt::Key_Up) {
            const int row = list_->currentRow();
            Choose(key == Qt::Key_Down ? std::min(row + 1, list_->count() - 1) : std::max(row - 1, 0));
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

std::string Simple_Combo::Text() const { return edit_->text().toStdString(); }

void Simple_Combo::Set_Text(const std::string& text)
{
    QString t = QString::fromStdString(text);
    if (edit_->text() == t) return;
    {
        QSignalBlocker block(list_);
        list_->setCurrentRow(-1);
        list_->clearSelection();
        QSignalBlocker block_edit(edit_);
        edit_->setText(t);
    }
    emit Change();
}

int Simple_Combo::List_Index() const { return list_->currentRow(); }

void Simple_Combo::Set_List_Index(int index)
{
    if (index >= list_->count() || index < -1) throw Runtime_Error(380, "Invalid property value");
    Choose(index);
}

void Simple_Combo::Choose(int index)
{
    if (index == list_->currentRow() && (index >= 0 || edit_->text().isEmpty())) return;
    if (index >= 0) {
        list_->setCurrentRow(index);  // Click follows
        return;
    }
    {
        QSignalBlocker block(list_);
        list_->setCurrentRow(-1);
        list_->clearSelection();
        QSignalBlocker block_edit(edit_);
        edit_->clear();
    }
    emit Click();
}

int Simple_Combo::List_Count() const { return list_->count(); }

std::string Simple_Combo::List(int index) const
{
    QListWidgetItem* item = list_->item(index);
    return item ? item->text().toStdString() : std::string();
}

void Simple_Combo::Add_Item(const std::string& item)
{
    QSignalBlocker block(list_);
    list_->addItem(QString::fromStdString(item));
}

void Simple_Combo::Clear()
{
    QSignalBlocker block(list_);
    QSignalBlocker block_edit(edit_);
    list_->clear();
    edit_->clear();
}
