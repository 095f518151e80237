#include "platform/Combo_Box.h"

#include <QLineEdit>
#include <QSignalBlocker>

#include "runtime/Runtime_Error.h"

Combo_Box::Combo_Box(bool editable, QWidget* parent) : QComboBox(parent)
{
    setEditable(editable);
    setInsertPolicy(QComboBox::NoInsert);
    connect(this, &QComboBox::currentIndexChanged, this, [this] { emit Click(); });
    if (lineEdit()) {
        // Typed text stands as typed: no completion from the list, and neither Enter nor leaving
        // the box chooses the item that the text names.
        setCompleter(nullptr);
        disconnect(lineEdit(), &QLineEdit::returnPressed, this, nullptr);
        disconnect(lineEdit(), &QLineEdit::editingFinished, this, nullptr);
        connect(lineEdit(), &QLineEdit::textEdited, this, [this] {
            Keep_Text_Without_Index();
            emit Change();
        });
    }
}

void Combo_Box::Keep_Text_Without_Index()
{
    // Typed text is not a list choice: the list index goes to -1 (no Click), the text stays.
    if (currentIndex() == -1) return;
    QLineEdit* edit = lineEdit();
    QString text = edit->text();
    int cursor = edit->cursorPosition();
    QSignalBlocker block(this);
    QSignalBlocker block_edit(edit);
    setCurrentIndex(-1);
    edit->setText(text);
    edit->setCursorPosition(cursor);
}

std::string Combo_Box::Text() const { return currentText().toStdString(); }

void Combo_Box::Set_Text(const std::string& text)
{
    QString t = QString::fromStdString(text);
    if (!isEditable()) {
        Set_List_Index(findText(t, Qt::MatchExactly));
        return;
    }
    if (currentText() == t) return;
    setEditText(t);
    if (currentIndex() != -1 && itemText(currentIndex()) != t) Keep_Text_Without_Index();
    emit Change();
}

void Combo_Box::Set_List_Index(int index)
{
    if (index >= count() || index < -1) throw Runtime_Error(380, "Invalid property value");
    // No choice but typed text: clearing the choice empties the box, a change like any other.
    if (index == -1 && currentIndex() == -1 && isEditable() && !lineEdit()->text().isEmpty()) {
        {
            QSignalBlocker block_edit(lineEdit());
            lineEdit()->clear();
        }
        emit Click();
        return;
    }
    setCurrentIndex(index);
}

std::string Combo_Box::List(int index) const { return itemText(index).toStdString(); }

void Combo_Box::Add_Item(const std::string& item)
{
    // Adding never chooses an item: Qt would select the first item put into an empty list.
    int index = currentIndex();
    QString text = isEditable() ? lineEdit()->text() : QString();
    QSignalBlocker block(this);
    QSignalBlocker block_edit(lineEdit());
    addItem(QString::fromStdString(item));
    if (index == -1 && currentIndex() != -1) {
        setCurrentIndex(-1);
        if (isEditable()) lineEdit()->setText(text);
    }
}

void Combo_Box::Clear()
{
    QSignalBlocker block(this);
    QSignalBlocker block_edit(lineEdit());
    clear();
    if (isEditable()) setEditText(QString());
}
