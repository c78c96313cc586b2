#include "haupt.h"
#include <QPoint>
void TForm1::DialogeErstellen() {}
void TForm1::Button3Click() {}
void TForm1::DatumEinfuegen(int) {}
void TForm1::TagLoeschen(int) {}
void TForm1::TeilnehmerErstellen() {}
void TForm1::UmbenennenAendern(int) {}
bool TForm1::TeilnehmerLoeschen(const QString &) { return false; }
QString TForm1::DruckenTextBerechnen(int) const { return {}; }
QString TForm1::KommentareTextBerechnen() { return {}; }
void TForm1::MenuAktNeuenTagClick() {}
void TForm1::MenuBearbHeuteClick() {}
void TForm1::MenuAktTagLoeschenClick() {}
void TForm1::PuEdit3MenuPopup(const QPoint &) {}
void TForm1::MenuBearbGeheClick() {}
void TForm1::MenuBearbSucheClick() {}
void TForm1::MenuAktNeuenTeilnehmerClick() {}
void TForm1::MenuBearbUmbenennenClick() {}
void TForm1::MenuBearbKommentarClick() {}
void TForm1::PuEdit12MenuPopup(const QPoint &) {}
void TForm1::PuEdit4MenuPopup(const QPoint &) {}
void TForm1::MenuAktTeilnehmerLoeschenClick() {}
void TForm1::MenuDateiDruckenTagClick() {}
void TForm1::MenuSicherungSichernClick() {}
void TForm1::MenuAnsSchriftClick() {}
void TForm1::MenuAnsHintergrundClick() {}
void TForm1::MenuHilfeClick() { UpdateMenus(); }
void TForm1::MenuHilfeInfoClick() {}
void TForm1::MenuHilfeHomepageClick() {}
void TForm1::MenuHilfeUpdateClick() {}
void TForm1::MenuHilfeHistoryClick() {}
void TForm1::MenuHilfeMailClick() {}
void TForm1::MenuHilfeSpendenClick() {}
