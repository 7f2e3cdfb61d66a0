#pragma once

#include "results/cardprinter.h"
#include "results/dopecard.h"

#include <QWidget>

#include <functional>
#include <memory>

class QPrinter;
class QTableWidget;
class QTextDocument;
class Settings;
class ShootContainer;

namespace Ui {
class RangeCard;
}

// RangeCard shows one load's range card: rows at the card step in the current unit system,
// with the MOA, mil and click columns the settings ask for, packed without gaps. An inactive
// load shows an empty, disabled card.
//
// Its three buttons export the card as populate() last filled it: tab-separated text on the
// clipboard, a printed page, or a PDF file. Printing and PDF share the document of
// CardPrinter, whose title, block and note populate() takes with the table: a load edited
// without computing prints the load and conditions of the table, not the edited ones. The
// print dialog and the save dialog go through replaceable functions so that tests can answer
// them. Two more buttons print the dope card of the same computation or save it as PDF.
class RangeCard : public QWidget {
    Q_OBJECT

public:
    // Runs the print dialog on printer with the given parent; true when the user accepted.
    using PrintDialogStep = std::function<bool(QPrinter*, QWidget*)>;
    // Asks for a file name: (parent, caption, start directory, filter) → the name, or "" when
    // the user cancelled.
    using FileNameProvider = std::function<QString(QWidget*, const QString&, const QString&, const QString&)>;

    explicit RangeCard(int index, QWidget* parent = nullptr);
    ~RangeCard() override;

    void setPrintDialogStep(PrintDialogStep step);
    void setSaveFileNameProvider(FileNameProvider provider);

    // Composes the printed card of this card's load and the given table and prints it.
    void PrintTable(QTableWidget* table, QPrinter* printer);

    // The document PrintTable prints, for the given table (under the heading of the last fill).
    std::unique_ptr<QTextDocument> composeDocument(const QTableWidget* table) const;

    // The dope card of the computation the table shows (DopeCard), as it prints.
    std::unique_ptr<QTextDocument> composeDopeCard() const;

public slots:
    void populate();
    void on_pushButton_copy_clicked();
    void on_pushButton_print_clicked();
    void on_pushButton_exportPdf_clicked();
    void printDopeCard();
    void exportDopeCardPdf();

private:
    std::unique_ptr<Ui::RangeCard> ui;
    int index;
    Settings* settings;
    ShootContainer* container;
    CardPrinter::Heading heading; // of the computation the table shows
    DopeCard::Card dopeCard;      // of the same computation
    PrintDialogStep runPrintDialog;
    FileNameProvider askSaveName;
};
