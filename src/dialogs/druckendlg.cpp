#include "druckendlg.h"

#include "ui/ablage.h"
#include "ui/dateiwahl.h"
#include "ui/dialoganordnung.h"
#include "ui/fokus.h"
#include "ui/meldungen.h"
#include "ui/programmschrift.h"
#include "ui/schalterhoehe.h"
#include "ui/drucker.h"
#include "util/sicherschreiben.h"
#include "util/textspeichern.h"

#include <QFileDialog>
#include <QGuiApplication>
#include <QMenu>
#include <QPushButton>
#include <QPlainTextEdit>

namespace {
// The three formats of the text window, and the PDF document beside them.
const QStringList Filter = {QStringLiteral("Rich Text Format (*.RTF)"), QStringLiteral("Textdokument (*.TXT)"),
                            QStringLiteral("Unicode-Textdokument (*.TXT)"), QStringLiteral("PDF-Dokument (*.PDF)")};
const QStringList Endungen = {QStringLiteral("RTF"), QStringLiteral("TXT"), QStringLiteral("TXT"),
                              QStringLiteral("PDF")};
}

TDruckenForm::TDruckenForm(QWidget *eltern) : MwDialog(eltern)
{
    setObjectName(QStringLiteral("DruckenForm"));
    RichEdit1 = new QPlainTextEdit(this);
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RichEdit1->setTabChangesFocus(true);
    Button1 = new QPushButton(this);
    Button3 = new QPushButton(this);
    Button2 = new QPushButton(this);
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, [this] { done(Ok); });
    connect(Button3, &QPushButton::clicked, this, &TDruckenForm::Button3Click);
    connect(Button2, &QPushButton::clicked, this, &MwDialog::reject);
    connect(RichEdit1, &QPlainTextEdit::textChanged, this, &TDruckenForm::RichEdit1Change);
    connect(RichEdit1, &QPlainTextEdit::selectionChanged, this, &TDruckenForm::RichEdit1Change);

    PuReMenu = new QMenu(this);
    PuReKopieren = Eintrag("PuReKopieren", QStringLiteral("Kopieren"), QKeySequence::Copy);
    PuReAusschneiden = Eintrag("PuReAusschneiden", QStringLiteral("Ausschneiden"), QKeySequence::Cut);
    PuReEinfuegen = Eintrag("PuReEinfuegen", QStringLiteral("Einfügen"), QKeySequence::Paste);
    PuReAllesMarkieren = Eintrag("PuReAllesMarkieren", QStringLiteral("Alles &markieren"), QKeySequence::SelectAll);
    PuReDrucken = Eintrag("PuReDrucken", QStringLiteral("&Drucken..."), QKeySequence(Qt::CTRL | Qt::Key_P));
    PuReSpeichern = Eintrag("PuReSpeichern", QStringLiteral("&Speichern..."), QKeySequence(Qt::CTRL | Qt::Key_S));
    connect(PuReKopieren, &QAction::triggered, RichEdit1, &QPlainTextEdit::copy);
    connect(PuReAusschneiden, &QAction::triggered, RichEdit1, &QPlainTextEdit::cut);
    connect(PuReEinfuegen, &QAction::triggered, RichEdit1, &QPlainTextEdit::paste);
    connect(PuReAllesMarkieren, &QAction::triggered, RichEdit1, &QPlainTextEdit::selectAll);
    connect(PuReDrucken, &QAction::triggered, Button1, &QPushButton::click);
    connect(PuReSpeichern, &QAction::triggered, Button3, &QPushButton::click);
    // Ctrl+P and Ctrl+S work in the whole window; the edit keys are the text's own.
    addAction(PuReDrucken);
    addAction(PuReSpeichern);
    RichEdit1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(RichEdit1, &QWidget::customContextMenuRequested, this, [this](const QPoint &stelle) {
        RichEdit1Change();
        PuReEinfuegen->setEnabled(AblageHatText());
        PuReMenu->popup(RichEdit1->viewport()->mapToGlobal(stelle));
    });

    CaptionZuweisen();
}

QFileDialog *TDruckenForm::SaveDialog1()
{
    if (speicherDialog)
        return speicherDialog;
    speicherDialog = new Speicherdialog(this);
    speicherDialog->setNameFilters(Filter);
    speicherDialog->selectNameFilter(Filter[0]);
    speicherDialog->setDefaultSuffix(Endungen[0]);
    connect(speicherDialog, &QFileDialog::filterSelected, this, [this](const QString &filter) {
        speicherDialog->setDefaultSuffix(Endungen.value(Filter.indexOf(filter), Endungen[0]));
    });
    return speicherDialog;
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
    RichEdit1->setAccessibleName(windowTitle()); // the report's kind
    SchalterEinrichten();
    RichEdit1Change();
    RichEdit1->setFocus();
}

void TDruckenForm::TextSetzen(const QString &text)
{
    // CR LF ends a paragraph like LF: no copy of the text is needed.
    RichEdit1->setPlainText(text);
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
    Button1->setEnabled(text);
    Button3->setEnabled(text);
    PuReKopieren->setEnabled(auswahl);
    PuReAusschneiden->setEnabled(auswahl);
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
    QFileDialog *dialog = SaveDialog1();
    if (dialog->exec() == QDialog::Accepted && !dialog->selectedFiles().isEmpty()) {
        const int filter = Filter.indexOf(dialog->selectedNameFilter());
        const QString datei = dialog->selectedFiles().first();
        QString fehler;
        bool ok = true;
        if (filter == 3) {
            ok = BytesSchreiben(datei, TextAlsPdf(Text(), ProgrammSchrift().schrift, SchriftFarbe(), windowTitle()),
                                fehler);
        } else {
            const int format = filter == 0 ? RtfText : filter == 1 ? AnsiText : UnicodeText;
            const RtfSchrift schrift{ProgrammSchrift().schrift, SchriftFarbe(), ProgrammSchrift().zeichensatz};
            ok = TextSpeichern(datei, Text(), format, &schrift, fehler);
        }
        if (!ok)
            Fehler(fehler);
    }
    SetActiveControl();
    RichEdit1->setFocus();
}
