#include "druckendlg.h"

#include "ui/dialoganordnung.h"
#include "ui/fokus.h"
#include "ui/meldungen.h"
#include "ui/programmschrift.h"
#include "ui/schalterhoehe.h"
#include "util/textspeichern.h"

#include <QClipboard>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QTextEdit>

namespace {
const QStringList Filter = {QStringLiteral("Rich Text Format (*.RTF)"), QStringLiteral("Textdokument (*.TXT)"),
                            QStringLiteral("Unicode-Textdokument (*.TXT)")};
}

TDruckenForm::TDruckenForm(QWidget *eltern) : MwDialog(eltern)
{
    setObjectName(QStringLiteral("DruckenForm"));
    RichEdit1 = new QTextEdit(this);
    RichEdit1->setAcceptRichText(false);
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RichEdit1->setTabChangesFocus(true);
    Button1 = new QPushButton(this);
    Button3 = new QPushButton(this);
    Button2 = new QPushButton(this);
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, [this] { done(Ok); });
    connect(Button3, &QPushButton::clicked, this, &TDruckenForm::Button3Click);
    connect(Button2, &QPushButton::clicked, this, &MwDialog::reject);
    connect(RichEdit1, &QTextEdit::textChanged, this, &TDruckenForm::RichEdit1Change);
    connect(RichEdit1, &QTextEdit::selectionChanged, this, &TDruckenForm::RichEdit1Change);

    PuReMenu = new QMenu(this);
    PuReKopieren = Eintrag("PuReKopieren", QStringLiteral("Kopieren"), QKeySequence::Copy);
    PuReAusschneiden = Eintrag("PuReAusschneiden", QStringLiteral("Ausschneiden"), QKeySequence::Cut);
    PuReEinfuegen = Eintrag("PuReEinfuegen", QStringLiteral("Einfügen"), QKeySequence::Paste);
    PuReAllesMarkieren = Eintrag("PuReAllesMarkieren", QStringLiteral("Alles &markieren"), QKeySequence::SelectAll);
    PuReDrucken = Eintrag("PuReDrucken", QStringLiteral("&Drucken..."), QKeySequence(Qt::CTRL | Qt::Key_P));
    PuReSpeichern = Eintrag("PuReSpeichern", QStringLiteral("&Speichern..."), QKeySequence(Qt::CTRL | Qt::Key_S));
    connect(PuReKopieren, &QAction::triggered, RichEdit1, &QTextEdit::copy);
    connect(PuReAusschneiden, &QAction::triggered, RichEdit1, &QTextEdit::cut);
    connect(PuReEinfuegen, &QAction::triggered, RichEdit1, &QTextEdit::paste);
    connect(PuReAllesMarkieren, &QAction::triggered, RichEdit1, &QTextEdit::selectAll);
    connect(PuReDrucken, &QAction::triggered, Button1, &QPushButton::click);
    connect(PuReSpeichern, &QAction::triggered, Button3, &QPushButton::click);
    // Ctrl+P and Ctrl+S work in the whole window; the edit keys are the text's own.
    addAction(PuReDrucken);
    addAction(PuReSpeichern);
    RichEdit1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(RichEdit1, &QWidget::customContextMenuRequested, this, [this](const QPoint &stelle) {
        RichEdit1Change();
        PuReMenu->popup(RichEdit1->viewport()->mapToGlobal(stelle));
    });

    SaveDialog1 = new QFileDialog(this);
    SaveDialog1->setAcceptMode(QFileDialog::AcceptSave);
    SaveDialog1->setFileMode(QFileDialog::AnyFile);
    SaveDialog1->setOption(QFileDialog::DontUseNativeDialog);
    SaveDialog1->setNameFilters(Filter);
    SaveDialog1->selectNameFilter(Filter[0]);
    SaveDialog1->setDefaultSuffix(QStringLiteral("RTF"));
    connect(SaveDialog1, &QFileDialog::filterSelected, this, [this](const QString &filter) {
        SaveDialog1->setDefaultSuffix(filter == Filter[0] ? QStringLiteral("RTF") : QStringLiteral("TXT"));
    });
    CaptionZuweisen();
}

QAction *TDruckenForm::Eintrag(const char *name, const QString &text, const QKeySequence &kuerzel)
{
    QAction *eintrag = PuReMenu->addAction(text);
    eintrag->setObjectName(QLatin1String(name));
    eintrag->setShortcut(kuerzel);
    eintrag->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    return eintrag;
}

void TDruckenForm::CaptionZuweisen()
{
    Button1->setText(QStringLiteral("&Drucken..."));
    Button2->setText(QStringLiteral("S&chließen"));
    Button3->setText(QStringLiteral("&Speichern..."));
}

void TDruckenForm::SchalterEinrichten()
{
    const TextDialogGeometrie g = TextDialogLayout(KnopfHoehe(Button1), KnopfBreite({Button1, Button2, Button3}, 187));
    RichEdit1->setGeometry(g.text);
    Button1->setGeometry(g.knoepfe[0]);
    Button3->setGeometry(g.knoepfe[1]);
    Button2->setGeometry(g.knoepfe[2]);
    setFixedSize(g.client);
    FensterEinrichten();
}

void TDruckenForm::FormShow()
{
    CaptionZuweisen();
    SchalterEinrichten();
    RichEdit1Change();
    RichEdit1->setFocus();
}

void TDruckenForm::TextSetzen(const QString &text)
{
    RichEdit1->setPlainText(QString(text).replace(QLatin1String("\r\n"), QLatin1String("\n")));
}

QString TDruckenForm::Text() const
{
    // The raw text keeps every character (no blank for a no-break space).
    return RichEdit1->document()->toRawText().replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
}

void TDruckenForm::RichEdit1Change()
{
    const bool text = !RichEdit1->document()->isEmpty();
    const bool auswahl = RichEdit1->textCursor().hasSelection();
    const QMimeData *ablage = QGuiApplication::clipboard()->mimeData();
    Button1->setEnabled(text);
    Button3->setEnabled(text);
    PuReKopieren->setEnabled(auswahl);
    PuReAusschneiden->setEnabled(auswahl);
    PuReEinfuegen->setEnabled(ablage && ablage->hasText());
    PuReAllesMarkieren->setEnabled(text);
    PuReDrucken->setEnabled(text);
    PuReSpeichern->setEnabled(text);
}

void TDruckenForm::SetActiveControl()
{
    FokusZurueckgeben(MerkActiveControl);
}

void TDruckenForm::Button3Click()
{
    MerkActiveControl = focusWidget();
    if (SaveDialog1->exec() == QDialog::Accepted && !SaveDialog1->selectedFiles().isEmpty()) {
        const int filter = Filter.indexOf(SaveDialog1->selectedNameFilter());
        const int format = filter == 0 ? RtfText : filter == 1 ? AnsiText : UnicodeText;
        const RtfSchrift schrift{ProgrammSchrift().schrift, SchriftFarbe(), ProgrammSchrift().zeichensatz};
        QString fehler;
        if (!TextSpeichern(SaveDialog1->selectedFiles().first(), Text(), format, &schrift, fehler))
            Fehler(fehler);
    }
    SetActiveControl();
    RichEdit1->setFocus();
}
