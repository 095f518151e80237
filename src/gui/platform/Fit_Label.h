// A label panel that keeps its size: text too long for it is cut at its edge with an ellipsis and
// the whole text becomes its tooltip, so no name or value ever widens a column or a screen.
#pragma once
#include <QLabel>
#include <QStringList>

class Fit_Label : public QLabel {
    Q_OBJECT
public:
    // max_lines: the most lines it shows; with word wrap it takes as many as its text needs.
    explicit Fit_Label(QWidget* parent = nullptr, int max_lines = 1);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    int heightForWidth(int width) const override;

    // The lines as they show at the present width, and whether any text was left out.
    QStringList Shown_Lines() const;
    bool Is_Cut() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QStringList Lines_For(int width, bool* cut) const;
    // The width or height that the frame and margin take, both sides together.
    int Border() const;
    int Height_For(int lines) const;
    int Text_Width() const;

    int max_lines_;
    bool tip_is_ours_ = false;
};
