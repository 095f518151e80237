#include "platform/Message_Box.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QTextBoundaryFinder>
#include <algorithm>

#include "platform/Mouse_Pointer.h"
#include "platform/Qt_Text.h"
#include "platform/Screen.h"

namespace {
using SB = QMessageBox::StandardButton;

// The buttons of a style, in the order the default-button bits count them.
std::vector<SB> Buttons_Of(int style)
{
    switch (style & Msg::Button_Mask) {
    case Msg::Ok_Cancel: return {QMessageBox::Ok, QMessageBox::Cancel};
    case Msg::Abort_Retry_Ignore: return {QMessageBox::Abort, QMessageBox::Retry, QMessageBox::Ignore};
    case Msg::Yes_No_Cancel: return {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel};
    case Msg::Yes_No: return {QMessageBox::Yes, QMessageBox::No};
    case Msg::Retry_Cancel: return {QMessageBox::Retry, QMessageBox::Cancel};
    default: return {QMessageBox::Ok};
    }
}

QMessageBox::Icon Icon_Of(int style)
{
    switch (style & Msg::Icon_Mask) {
    case Msg::Critical: return QMessageBox::Critical;
    case Msg::Question: return QMessageBox::Question;
    case Msg::Exclamation: return QMessageBox::Warning;
    case Msg::Information: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

// A box whose Esc and close box do nothing when it has no OK or Cancel button.
class Program_Box : public QMessageBox {
public:
    bool escapable = true;

protected:
    void keyPressEvent(QKeyEvent* e) override
    {
        if (e->key() == Qt::Key_Escape && !escapable) return;
        QMessageBox::keyPressEvent(e);
    }
    void closeEvent(QCloseEvent* e) override
    {
        if (!escapable) {
            e->ignore();
            return;
        }
        QMessageBox::closeEvent(e);
    }
};

// The text with a zero-width space between the characters of every piece that holds no line
// break opportunity and is wider than `limit` pixels (a long file name or folder): such a piece
// then wraps where the box ends instead of widening the box past the display or being cut.
QString Breakable(const QString& text, const QFontMetrics& metrics, int limit)
{
    QString out;
    QTextBoundaryFinder lines(QTextBoundaryFinder::Line, text);
    qsizetype from = 0;
    while (from < text.size()) {
        qsizetype to = lines.toNextBoundary();
        if (to < 0) to = text.size();
        const QString piece = text.mid(from, to - from);
        if (metrics.horizontalAdvance(piece) <= limit) {
            out += piece;
        } else {
            QTextBoundaryFinder characters(QTextBoundaryFinder::Grapheme, piece);
            qsizetype at = 0;
            for (qsizetype next = characters.toNextBoundary(); next > 0; next = characters.toNextBoundary()) {
                if (at > 0) out += QChar(0x200B);
                out += piece.mid(at, next - at);
                at = next;
            }
        }
        from = to;
    }
    return out;
}

Qt_Message_Presenter qt_presenter;
Message_Presenter* presenter = &qt_presenter;
}  // namespace

std::unique_ptr<QMessageBox> Build_Message_Box(const std::string& prompt, int style)
{
    auto box = std::make_unique<Program_Box>();
    box->setWindowTitle(Message_Box_Title);
    box->setTextFormat(Qt::PlainText);
    // The box may grow to half the display (at most 500 pixels) before its text wraps.
    const QScreen* screen = QGuiApplication::primaryScreen();
    const int limit = screen ? std::min(screen->availableGeometry().width() / 2, 500) : 500;
    box->setText(Breakable(Q_Text(prompt), QFontMetrics(box->font()), limit));
    box->setIcon(Icon_Of(style));
    std::vector<SB> buttons = Buttons_Of(style);
    for (SB b : buttons) box->addButton(b);

    size_t default_index = 0;
    if ((style & Msg::Default_Mask) == Msg::Default_Button2) default_index = 1;
    if ((style & Msg::Default_Mask) == Msg::Default_Button3) default_index = 2;
    if (default_index >= buttons.size()) default_index = 0;
    box->setDefaultButton(buttons[default_index]);

    SB escape = QMessageBox::NoButton;
    if (buttons.size() == 1) escape = QMessageBox::Ok;
    for (SB b : buttons)
        if (b == QMessageBox::Cancel) escape = b;
    box->escapable = escape != QMessageBox::NoButton;
    if (box->escapable) {
        box->setEscapeButton(escape);
    } else {
        box->setWindowFlag(Qt::WindowCloseButtonHint, false);
    }
    return box;
}

int Answer_Of(const QMessageBox& box)
{
    switch (box.standardButton(box.clickedButton())) {
    case QMessageBox::Ok: return Msg::Ans_Ok;
    case QMessageBox::Cancel: return Msg::Ans_Cancel;
    case QMessageBox::Abort: return Msg::Ans_Abort;
    case QMessageBox::Retry: return Msg::Ans_Retry;
    case QMessageBox::Ignore: return Msg::Ans_Ignore;
    case QMessageBox::Yes: return Msg::Ans_Yes;
    case QMessageBox::No: return Msg::Ans_No;
    default: return Msg::Ans_Cancel;
    }
}

int Qt_Message_Presenter::Show(const std::string& prompt, int style)
{
    std::unique_ptr<QMessageBox> box = Build_Message_Box(prompt, style);
    box->setWindowModality(Qt::ApplicationModal);
    box->exec();
    Return_Keyboard_To_Active_Screen();
    return Answer_Of(*box);
}

Message_Presenter* Install_Message_Presenter(Message_Presenter* p)
{
    Message_Presenter* previous = presenter == &qt_presenter ? nullptr : presenter;
    presenter = p ? p : &qt_presenter;
    return previous;
}

Message_Presenter& message_presenter() { return *presenter; }

int Qt_Ui_Port::Msg_Box(const std::string& prompt, int style)
{
    Box_Open_Guard box_open;
    return message_presenter().Show(prompt, style);
}

void Qt_Ui_Port::Set_Mouse_Pointer(int pointer) { ::Set_Mouse_Pointer(pointer); }

void Qt_Ui_Port::Show_Home_Screen()
{
    if (home_hook_) home_hook_();
}

Qt_Ui_Port& qt_port()
{
    static Qt_Ui_Port port;
    return port;
}

void Install_Qt_Port()
{
    Install_Ui_Port(&qt_port());
    // The program ends only through its own quit path: a last box or dialog closing while no
    // screen is up must not end it (nor the modal loops under way).
    QApplication::setQuitOnLastWindowClosed(false);
}
