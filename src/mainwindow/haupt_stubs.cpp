#include "haupt.h"
#include <QPoint>
void TForm1::MenuAnsSchriftClick() {}
void TForm1::MenuAnsHintergrundClick() {}
void TForm1::MenuHilfeClick() { UpdateMenus(); }
void TForm1::MenuHilfeInfoClick() {}
void TForm1::MenuHilfeHomepageClick() {}
void TForm1::MenuHilfeUpdateClick() {}
void TForm1::MenuHilfeHistoryClick() {}
void TForm1::MenuHilfeMailClick() {}
void TForm1::MenuHilfeSpendenClick() {}
