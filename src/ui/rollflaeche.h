#pragma once
#include <QScrollArea>

// A scroll area that keeps the focused control in view, however the focus
// came there: by Tab, by a shortcut or set by the program.
class Rollflaeche : public QScrollArea
{
    Q_OBJECT
public:
    explicit Rollflaeche(QWidget *eltern);
    ~Rollflaeche() override;

private:
    void FokusZeigen(QWidget *fokus);
    QMetaObject::Connection fokusWechsel;
};
