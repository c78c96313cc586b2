#pragma once
#include <QStringList>
#include <optional>

class QCommandLineParser;

// The program's command line. Every option lives in the one parser built
// here; acting on it is a separate step, so that a new option is one entry
// in each function.

// Adds every option the program knows, with German texts.
void KommandozeileEinrichten(QCommandLineParser &parser);

// Parses `argumente` (the program's own name first) and does what they ask.
// Returns the exit code when the program is done without a window (help,
// version, a bad argument: 2), or nothing when the window is to start.
std::optional<int> KommandozeileAusfuehren(QCommandLineParser &parser, const QStringList &argumente);
