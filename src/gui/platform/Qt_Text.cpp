#include "platform/Qt_Text.h"

QString Q_Text(const std::string& text)
{
    QString s = QString::fromStdString(text);
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    s.replace(QChar('\r'), QChar('\n'));
    return s;
}

std::string S_Text(const QString& text) { return text.toStdString(); }
