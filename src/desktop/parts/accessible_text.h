#pragma once
// What a screen reader says of the game's windows, in one place: the quotes board's line, a
// figure with what it is, a grid cell with its column, and a control's tool tip, which is also
// the description the reader gives after the control's name.
#include <string>

#include <QString>

class Change_Label;
class QAction;
class QLabel;
class QTableWidget;
class QWidget;

// One stock of the quotes board: "MSFT, 178 dollars, up 10, 6 percent"; "unchanged" when the
// price did not move, and a change label of its own ("CRASH!") read as it stands.
QString Quote_Phrase(const std::string& symbol, double price, const Change_Label& change);
// The market index row: "Market Index, 1,234, down 1.5 percent".
QString Index_Phrase(double value, const std::string& change);
// A cell read with its column: "Shares Owned: 300". A cell without text reads nothing.
QString Cell_Phrase(const QString& column, const QString& text);

// Plain words as a tool tip: a long one wraps rather than running across the screen.
QString Tool_Tip(const QString& words);
// The control's tool tip and its description, the same plain words.
void Explain(QWidget* control, const QString& tip);
// The same, with the name a reader says when the control's caption does not say what it is.
void Explain(QWidget* control, const QString& name, const QString& tip);
// An action's tool tip, which the toolbar buttons already showing it show and read.
void Explain(QAction* action, const QString& tip);
// A label showing a figure: it shows `text` and reads "what: text unit" ("Cash: 1,234 dollars").
// Called wherever the figure changes, so that the name never lags behind what is shown.
void Show_Figure(QLabel* label, const QString& what, const QString& text, const QString& unit = {});
// A message window reads its text: its description is what its frames, labels and lists say, in
// their order. Called whenever the message changes.
void Read_Message(QWidget* window);
// The column headers' tool tips, one a column, which a reader also gives for the header.
void Explain_Columns(QTableWidget* grid, const QStringList& tips);
