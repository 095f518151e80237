#include "platform/Combo_Box.h"

#include <QLineEdit>
#include <QSignalBlocker>

#include "runtime/Runtime_Error.h"

Combo_Box::Combo_Box(bool editable, QWidget* parent) : QComboBox(parent)
{
    setEditable(editable);
    setInsertPolicy(QComboBox::NoInsert);
    connect(this, &QComboBox::currentIndexChanged, this, [this] { emit Click(); });
    if (lineEdit()) connect(lineEdit(), &QLineEdit::textEdited, this, [this] { emit Change(); });
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
    emit Change();
}

void Combo_Box::Set_List_Index(int index)
{
    if (index >= count() || index < -1) throw Runtime_Error(380, "Invalid property value");
    setCurrentIndex(index);
}

std::string Combo_Box::List(int index) const { return itemText(index).toStdString(); }

void Combo_Box::Add_Item(const std::string& item) { addItem(QString::fromStdString(item)); }

void Combo_Box::Clear()
{
    QSignalBlocker block(this);
    QSignalBlocker block_edit(lineEdit());
    clear();
    if (isEditable()) setEditText(QString());
}
