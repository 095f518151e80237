// Lays a help document out on the pages of a PDF and prints it, with the page breaks a reader
// expects of a manual: a heading stays with what follows it, a table row is never cut by the foot
// of a page, and a table continued on a new page repeats its header row there.
#pragma once
#include <QStringList>

class QPdfWriter;
class QTextDocument;

// Breaks pages where the layout would strand a heading or split a table. Returns where the pages
// still break a rule (a row taller than a page, say), one line each; empty when every rule holds.
QStringList Paginate(QTextDocument& doc, QPdfWriter& writer);

// Prints the paginated document, page numbers at the foot on the right.
void Print_Pages(const QTextDocument& doc, QPdfWriter& writer);
