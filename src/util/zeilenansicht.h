#pragma once
#include <QList>
#include <QStringView>

// The lines of a text as views into it, by the rule of TextInZeilen: a line
// ends at CR LF, CR or LF; a final line end starts no new line. Where many
// files are read in a row, this spares a string per line; `zeilen` is
// refilled, so its storage serves the next file too.
void ZeilenAnsichten(QStringView text, QList<QStringView> &zeilen);
