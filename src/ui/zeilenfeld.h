#pragma once

class QLineEdit;

// A one-line field: what is typed or pasted into it never holds a line
// break, a field separator or another control character (each becomes a
// blank, CR LF one blank), never the block separator text, and typing does
// not make the text longer than `grenze` characters (0: no limit). Text the
// program puts there (read from a file) is shown whole, however long and
// whatever it holds, and stays editable.
void ZeilenfeldEinrichten(QLineEdit *feld, int grenze);
