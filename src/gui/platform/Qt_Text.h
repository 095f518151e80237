// Program texts on Qt widgets: CR, LF and CR LF each make one line break.
#pragma once
#include <QString>
#include <string>

QString Q_Text(const std::string& text);
std::string S_Text(const QString& text);
