#pragma once
#include <QColor>
#include <QDialog>

class QListWidget;
class QPushButton;

// The chooser of the background colour: the 19 colour names in table order;
// the selected row is the background number.
class THintergrundForm : public QDialog
{
    Q_OBJECT
public:
    THintergrundForm(QWidget *eltern, int btnWidth, int rand);

    void CaptionZuweisen(const QString &caption, const QString &btn1, const QString &btn2);
    void SchriftartZuweisen(const QFont &schrift, const QColor &farbe);
    void SchalterEinrichten();
    void FensterEinrichten();

    QColor HintergrundFarbe() const;
    int HintergrundNr() const;
    void setHintergrundNr(int nummer);
    int BtnWidth() const { return FBtnWidth; }
    void setBtnWidth(int breite);
    int Rand() const { return FRand; }
    void setRand(int rand);

    QListWidget *ListBox1;
    QPushButton *Button1;
    QPushButton *Button2;

protected:
    void showEvent(QShowEvent *ereignis) override;
    void done(int ergebnis) override;

private:
    int MerkItemIndex = 0;
    int FBtnWidth;
    int FRand;
    bool ersteAnzeige = true;
};
