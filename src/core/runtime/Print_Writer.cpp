#include "runtime/Print_Writer.h"

#include "runtime/Number_Text.h"

Print_Writer& Print_Writer::Text(const std::string& s)
{
    current_ += s;
    return *this;
}

Print_Writer& Print_Writer::Number(float v) { return Text(Str(v) + " "); }
Print_Writer& Print_Writer::Number(double v) { return Text(Str(v) + " "); }
Print_Writer& Print_Writer::Number(long long v) { return Text(Str(v) + " "); }

Print_Writer& Print_Writer::Comma()
{
    size_t next = (current_.size() / Zone_Width + 1) * Zone_Width;
    current_.resize(next, ' ');
    return *this;
}

Print_Writer& Print_Writer::Tab(int column)
{
    if (column < 1) column = 1;
    size_t target = static_cast<size_t>(column - 1);
    if (current_.size() > target) End_Line();
    current_.resize(target > current_.size() ? target : current_.size(), ' ');
    return *this;
}

Print_Writer& Print_Writer::End_Line()
{
    lines_.push_back(current_);
    current_.clear();
    return *this;
}

std::vector<std::string> Print_Writer::Take_Lines()
{
    std::vector<std::string> out;
    out.swap(lines_);
    return out;
}
