#pragma once
#include <QString>
#include <QStringList>
#include <functional>

// Hands a web address, a mail link, a document or a program to the
// platform; the program does not wait for it. Tests record the requests.
using ShellAufruf = std::function<bool(const QString &ziel, const QStringList &parameter)>;

// Opens a URL ("https:", "mailto:", "file:") with the user's program for it.
bool ShellOeffnen(const QString &url);
// Starts a program with parameters, detached.
bool ProgrammStarten(const QString &programm, const QStringList &parameter);

void ShellFestlegen(ShellAufruf aufruf);
