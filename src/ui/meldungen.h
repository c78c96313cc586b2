#pragma once
#include <QString>
#include <functional>

class QWidget;

// The program's three kinds of message box. Tests replace the responder.
enum class MeldungsArt { Information, Fehler, Frage };

// Shows a message; for a question the result is true on "Ja".
using MeldungsAntwort = std::function<bool(MeldungsArt art, const QString &text)>;

void Information(const QString &text);
void Fehler(const QString &text);
// With `neinVorgabe` "Nein" is the default button (Enter, Esc).
bool Frage(const QString &text, bool neinVorgabe = false);

void MeldungsAntwortFestlegen(MeldungsAntwort antwort);
