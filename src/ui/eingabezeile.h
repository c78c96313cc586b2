#pragma once
#include <QLineEdit>

// A one-line field that a screen reader hears as it is: read-only and not
// editable while it is read-only (Qt's own interface calls every line edit
// editable), editable otherwise; its name comes from its label (buddy).
class Eingabezeile : public QLineEdit
{
    Q_OBJECT
public:
    explicit Eingabezeile(QWidget *eltern);
};
