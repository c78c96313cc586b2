#pragma once
#include <QDialog>

class QPushButton;

// What every dialog of the program shares: it takes the program font and
// background colour before it is shown, lays itself out from that font at
// every showing, and appears centred over the main window.
// Results: 1 OK, 2 cancelled (also Esc and the close box), 4 open existing.
class MwDialog : public QDialog
{
    Q_OBJECT
public:
    enum Ergebnis { Ok = 1, Abbrechen = 2, Vorhandenen = 4 };

    explicit MwDialog(QWidget *eltern, bool immerZentrieren = true);

    // Font and colour to every control, then the arrangement.
    virtual void SchriftartZuweisen();
    virtual void SchalterEinrichten() = 0;
    void FensterEinrichten();

    void reject() override;

protected:
    void showEvent(QShowEvent *ereignis) override;
    // Runs before the dialog appears, at every showing.
    virtual void FormShow() {}
    // Buttons get their height from their font.
    int KnopfHoehe(QPushButton *knopf) const;

private:
    bool immerZentrieren;
    bool zentrieren = true;
};
