#include "Formulas.h"

#include <QFontMetricsF>
#include <QList>
#include <QSet>
#include <QTextBlock>
#include <QTextBoundaryFinder>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>

namespace {

const QChar No_Break_Space(0x00A0), Word_Joiner(0x2060);

struct Token {
    int begin, end;  // in the paragraph's text
    QString text;
};

QList<Token> Tokens(const QString& text)
{
    QList<Token> out;
    for (int i = 0; i < text.size();) {
        if (text[i] == ' ' || text[i] == '\t') {
            ++i;
            continue;
        }
        int j = i;
        while (j < text.size() && text[j] != ' ' && text[j] != '\t') ++j;
        out.append({i, j, text.mid(i, j - i)});
        i = j;
    }
    return out;
}

bool Is_Relation(const QString& t) { return t == "=" || t == "≈"; }
bool Is_Operator(const QString& t)
{
    static const QSet<QString> ops = {"=", "≈", "+", "-", "−", "·", "/", "×", "*", "≤", "≥", "<", ">", "...", "…"};
    return ops.contains(t);
}
bool Is_Prefix(const QString& t) { return t == "Σ" || t == "∫" || t == "√" || t == "-" || t == "−"; }
// A token after which a formula ends: it closes a clause.
bool Ends_Clause(const QString& t) { return t.endsWith(',') || t.endsWith(';') || t.endsWith(':') || t.endsWith('.'); }

int Opened(const QString& t) { return int(t.count('(') + t.count('[')) - int(t.count(')') + t.count(']')); }

// A word of prose, as opposed to a symbol: letters only, perhaps closing a clause.
bool Is_Word(QString t)
{
    while (!t.isEmpty() && Ends_Clause(t)) t.chop(1);
    return t.size() > 1 && std::all_of(t.begin(), t.end(), [](QChar c) { return c.isLetter(); });
}

// An operand is a token, or tokens up to the one that closes its brackets, perhaps behind prefix
// signs. Returns the index after it, or -1 where there is none.
constexpr int Longest_Operand = 12;
int Operand_After(const QList<Token>& t, int i)
{
    while (i < t.size() && Is_Prefix(t[i].text)) ++i;
    if (i >= t.size() || Is_Operator(t[i].text)) return -1;
    const int first = i;
    for (int open = Opened(t[i++].text); open > 0 && i < t.size() && i - first < Longest_Operand;) open += Opened(t[i++].text);
    return i;
}
// The same leftwards from the operand's last token i: the index of its first.
int Operand_Before(const QList<Token>& t, int i)
{
    if (i < 0 || Is_Operator(t[i].text)) return -1;
    const int last = i;
    for (int closed = -Opened(t[i].text); closed > 0 && i > 0 && last - i < Longest_Operand;) closed -= Opened(t[--i].text);
    while (i > 0 && Is_Prefix(t[i - 1].text)) --i;
    return i;
}

// Token ranges [first, last) of the formulas around each relation sign, merged where they overlap.
QList<std::pair<int, int>> Formulas(const QList<Token>& t)
{
    QList<std::pair<int, int>> out;
    for (int i = 0; i < t.size(); ++i) {
        if (!Is_Relation(t[i].text)) continue;
        int first = Operand_Before(t, i - 1);
        if (first < 0) continue;
        while (first >= 2 && Is_Operator(t[first - 1].text) && !Ends_Clause(t[first - 2].text)) {
            const int before = Operand_Before(t, first - 2);
            if (before < 0) break;
            first = before;
        }
        int last = Operand_After(t, i + 1);
        if (last < 0) continue;
        while (last + 1 < t.size() && !Ends_Clause(t[last - 1].text) && Is_Operator(t[last].text)) {
            const int after = Operand_After(t, last + 1);
            if (after < 0) break;
            last = after;
        }
        if (!out.isEmpty() && first < out.back().second) out.back().second = std::max(out.back().second, last);
        else out.append({first, last});
    }
    return out;
}

// A paragraph of formulas alone: a relation, and never three words of prose in a row.
bool Only_Formulas(const QList<Token>& t)
{
    if (std::none_of(t.begin(), t.end(), [](const Token& k) { return Is_Relation(k.text); })) return false;
    int words = 0;
    for (const Token& k : t) {
        words = Is_Word(k.text) ? words + 1 : 0;
        if (words >= 3) return false;
    }
    return true;
}

// Its formulas: the clauses between commas outside brackets.
QList<std::pair<int, int>> Clauses(const QList<Token>& t)
{
    QList<std::pair<int, int>> out;
    int first = 0, open = 0;
    for (int i = 0; i < t.size(); ++i) {
        open += Opened(t[i].text);
        if ((open <= 0 && Ends_Clause(t[i].text)) || i + 1 == t.size()) {
            out.append({first, i + 1});
            first = i + 1;
        }
    }
    return out;
}

// Makes the text from begin to end of a paragraph one unbreakable run: its spaces become
// non-breaking and a joiner goes wherever else a line could break (after a slash or a minus).
void Join(QTextBlock block, int begin, int end)
{
    QTextCursor c(block);
    const int at = block.position();
    for (int i = begin; i < end; ++i) {
        if (block.text()[i] != ' ') continue;
        c.setPosition(at + i);
        c.setPosition(at + i + 1, QTextCursor::KeepAnchor);
        c.insertText(QString(No_Break_Space));
    }
    QList<int> breaks;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Line, block.text());
    finder.setPosition(begin);
    for (int p = finder.toNextBoundary(); p != -1 && p < end; p = finder.toNextBoundary()) breaks.prepend(p);
    for (int p : breaks) {
        c.setPosition(at + p);
        c.insertText(QString(Word_Joiner));
    }
}

}  // namespace

void Keep_Formulas_Whole(QTextDocument& doc, qreal text_width)
{
    const QFontMetricsF metrics(doc.defaultFont());
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        if (b.blockFormat().headingLevel() > 0) continue;
        QList<Token> t = Tokens(b.text());
        const bool in_table = QTextCursor(b).currentTable() != nullptr;
        const bool set_apart = !in_table && !b.textList() && Only_Formulas(t);
        // A formula wider than its line is left to break; one in a table must leave its column
        // room beside the others.
        const qreal widest = in_table ? text_width * 0.45 : text_width;
        QList<std::pair<int, int>> runs = set_apart ? Clauses(t) : Formulas(t);
        // From the end, so that the joiners leave the earlier positions as they were.
        std::reverse(runs.begin(), runs.end());
        for (auto [first, last] : runs) {
            const int begin = t[first].begin, end = t[last - 1].end;
            if (metrics.horizontalAdvance(b.text().mid(begin, end - begin)) <= widest) Join(b, begin, end);
        }
        // Elsewhere a sign neither ends a line nor starts one: "(or -" over "180)" reads wrong.
        t = Tokens(b.text());
        for (int i = int(t.size()) - 2; i >= 1; --i) {
            if (Is_Operator(t[i].text)) Join(b, t[i - 1].end, t[i + 1].begin);
        }
        if (set_apart) {
            QTextBlockFormat f = b.blockFormat();
            f.setAlignment(Qt::AlignHCenter);
            QTextCursor(b).setBlockFormat(f);
        }
    }
}
