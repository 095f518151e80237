#include "shell/Start_Screen_Support.h"

#include <QAbstractButton>
#include <QEvent>
#include <QFont>
#include <QVBoxLayout>

#include "model/Mod_Main.h"
#include "platform/Screen.h"
#include "platform/Screen_Metrics.h"
#include "shell/Shell_Support.h"
#include "shell/mod_Common.h"

namespace {
constexpr int32_t Design_Width = 11850;
constexpr int32_t Design_Height = 8950;


class Press_Filter : public QObject {
public:
    Press_Filter(Screen& s, std::function<void()> h) : QObject(&s), screen_(s), handler_(std::move(h)) {}
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() != QEvent::MouseButtonPress) return false;
        screen_.Run_Handler(handler_);
        return true;
    }

private:
    Screen& screen_;
    std::function<void()> handler_;
};
}  // namespace

void On_Click_Anywhere(Screen& s, std::function<void()> handler)
{
    auto* filter = new Press_Filter(s, std::move(handler));
    s.installEventFilter(filter);
    for (QWidget* w : s.findChildren<QWidget*>())
        if (!qobject_cast<QAbstractButton*>(w)) w->installEventFilter(filter);
}

void Size_By_Choice(Screen& s)
{
    if (store().Full_Screen) Maximize_Screen(s, Design_Height, Design_Width);
    else Reset_Screen(s, Design_Height, Design_Width);
}

void Size_Start_Screen(Screen& s, bool title_screen)
{
    Small_Display_Placement p = Place_On_Small_Display(static_cast<int32_t>(Screen_Metrics::Width_Twips()),
                                                       static_cast<int32_t>(Screen_Metrics::Height_Twips()));
    if (!p.fits) {
        s.Set_Height(p.height);
        s.Set_Width(p.width);
        s.Move(p.left, p.top);
    } else if (title_screen) {
        Reset_Screen(s, Design_Height, Design_Width);
    } else {
        Size_By_Choice(s);
    }
}

Title_Panel Build_Title_Panel(QWidget* parent)
{
    Title_Panel t;
    t.pnl_Title = new QFrame(parent);
    t.pnl_Title->setObjectName("pnl_Title");
    t.pnl_Title->setFrameStyle(QFrame::Panel | QFrame::Raised);
    t.pnl_Title->setLineWidth(3);
    auto* layout = new QVBoxLayout(t.pnl_Title);
    layout->setContentsMargins(40, 30, 40, 30);

    t.Label1 = new QLabel("VASTREL", t.pnl_Title);
    QFont big = t.Label1->font();
    big.setPointSizeF(big.pointSizeF() * 5);
    big.setBold(true);
    big.setLetterSpacing(QFont::PercentageSpacing, 115);
    t.Label1->setFont(big);
    t.Label1->setAlignment(Qt::AlignCenter);

    t.lblHeader = new QLabel("A Program for the Kinematic Analysis and Synthesis of Geared Vastrel Linkages",
                             t.pnl_Title);
    QFont header = t.lblHeader->font();
    header.setPointSizeF(header.pointSizeF() * 1.6);
    t.lblHeader->setFont(header);
    t.lblHeader->setAlignment(Qt::AlignCenter);
    t.lblHeader->setWordWrap(true);

    t.lbl_Version = new QLabel(t.pnl_Title);
    QFont version = t.lbl_Version->font();
    version.setPointSizeF(version.pointSizeF() * 1.2);
    t.lbl_Version->setFont(version);
    t.lbl_Version->setAlignment(Qt::AlignCenter);

    layout->addStretch(2);
    layout->addWidget(t.Label1);
    layout->addStretch(1);
    layout->addWidget(t.lblHeader);
    layout->addStretch(1);
    layout->addWidget(t.lbl_Version);
    layout->addStretch(2);
    return t;
}
