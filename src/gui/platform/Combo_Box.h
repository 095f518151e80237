// A combo box with the classic events: Click for a list choice or a list index set by code,
// Change for typing or a text set by code. Typed text is never added to the list, nor completed
// from it, and leaves no item chosen; adding items chooses none.
#pragma once
#include <QComboBox>
#include <string>

class Combo_Box : public QComboBox {
    Q_OBJECT
public:
    // Editable: a drop-down with an edit part; otherwise a drop-down list.
    explicit Combo_Box(bool editable = true, QWidget* parent = nullptr);

    std::string Text() const;
    // Raises Change when the text differs; a text other than the chosen item's leaves the list index at -1.
    void Set_Text(const std::string& text);
    int List_Index() const { return currentIndex(); }
    // -1 clears the choice and empties the text; Click when that changes anything.
    void Set_List_Index(int index);
    int List_Count() const { return count(); }
    std::string List(int index) const;
    void Add_Item(const std::string& item);
    // Empties the list and the edit part; raises no event.
    void Clear();

signals:
    void Click();
    void Change();

private:
    void Keep_Text_Without_Index();
};
