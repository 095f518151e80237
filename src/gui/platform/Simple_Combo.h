// A simple combo box: an edit part over a list that stays open. Click for a list choice (or a
// list index set by code), Change for typing or a text set by code, Double_Click on an item.
#pragma once
#include <QWidget>
#include <string>

class QLineEdit;
class QListWidget;

class Simple_Combo : public QWidget {
    Q_OBJECT
public:
    explicit Simple_Combo(QWidget* parent = nullptr);

    std::string Text() const;
    // Raises Change when the text differs; the list index goes to -1.
    void Set_Text(const std::string& text);
    int List_Index() const;
    // -1 clears the choice and empties the text; Click when that changes anything.
    void Set_List_Index(int index);
    int List_Count() const;
    std::string List(int index) const;
    void Add_Item(const std::string& item);
    // Empties the list and the edit part; raises no event.
    void Clear();

    QLineEdit* Edit() const { return edit_; }
    QListWidget* List_View() const { return list_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    void Click();
    void Change();
    void Double_Click();

private:
    void Choose(int index);

    QLineEdit* edit_;
    QListWidget* list_;
};
