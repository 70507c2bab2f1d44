#include "desktop/main/quotes_board.h"

#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QVBoxLayout>

#include "desktop/parts/accessible_text.h"
#include "desktop/parts/change_look.h"
#include "desktop/parts/colours.h"
#include "desktop/parts/engine_text.h"

static constexpr int Rows_Per_Frame = 14;

Quotes_Board::Quotes_Board(const Game& game, QWidget* parent) : QWidget(parent), game(game) {
    setMouseTracking(true);
    installEventFilter(this);
    auto* outer = new QVBoxLayout(this);
    auto* frames = new QHBoxLayout;
    outer->addLayout(frames);
    QFont board_font = font();
    board_font.setPointSizeF(board_font.pointSizeF() * 1.1);
    QFont symbol_font = board_font;
    symbol_font.setBold(true);

    for (int f = 0; f < 3; ++f) {
        auto* frame = new QFrame(this);
        frame->setFrameShape(QFrame::StyledPanel);
        frame->setMouseTracking(true);
        frame->installEventFilter(this);
        auto* grid = new QGridLayout(frame);
        grid->setHorizontalSpacing(14);
        grid->setVerticalSpacing(3);
        grid->setColumnStretch(0, 2);
        grid->setColumnStretch(1, 2);
        grid->setColumnStretch(2, 3);
        for (int r = 0; r < Rows_Per_Frame; ++r) {
            int s = f * Rows_Per_Frame + r;
            Symbol[s] = new QLabel(frame);
            Symbol[s]->setFont(symbol_font);
            Symbol[s]->setCursor(Qt::PointingHandCursor);
            Symbol[s]->setMouseTracking(true);
            Symbol[s]->installEventFilter(this);
            Price[s] = new QLabel(frame);
            Price[s]->setFont(board_font);
            Price[s]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            Price[s]->setMouseTracking(true);
            Price[s]->installEventFilter(this);
            Change[s] = new QLabel(frame);
            Change[s]->setFont(board_font);
            Change[s]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            Change[s]->setMouseTracking(true);
            Change[s]->installEventFilter(this);
            Change[s]->setMinimumWidth(Change[s]->fontMetrics().horizontalAdvance("-100(-100%)"));
            Explain(Symbol[s], tr("Click to see this stock's price over the last 100 turns."));
            Explain(Price[s], tr("The stock's price this turn, in dollars."));
            Explain(Change[s], tr("The price's move at the last turn in dollars, and in brackets that move as a share "
                                  "of the lower of the two prices."));
            Symbol[s]->setObjectName(QString("symbol_%1").arg(s));
            Price[s]->setObjectName(QString("price_%1").arg(s));
            Change[s]->setObjectName(QString("change_%1").arg(s));
            grid->addWidget(Symbol[s], r, 0);
            grid->addWidget(Price[s], r, 1);
            grid->addWidget(Change[s], r, 2);
            Paint_Symbol(s, false);
        }
        frame->setObjectName(QString("frame_%1").arg(f));
        Quotes_Frame[f] = frame;
        frames->addWidget(frame);
    }

    auto* index_row = new QHBoxLayout;
    DJIA_Symbol = new QLabel(tr("Market Index"), this);
    DJIA_Symbol->setFont(symbol_font);
    Price[Index_Entry] = new QLabel(this);
    Price[Index_Entry]->setFont(symbol_font);
    Price[Index_Entry]->setObjectName(QString("price_%1").arg(Index_Entry));
    DJIA_Change = new QLabel(this);
    DJIA_Change->setObjectName("index_change");
    DJIA_Change->setFont(symbol_font);
    // Room for the widest change the index can show, so it never clips.
    DJIA_Change->setMinimumWidth(DJIA_Change->fontMetrics().horizontalAdvance("(-100.0%)"));
    Explain(Price[Index_Entry], tr("The market index: the 42 stocks' prices together."));
    Explain(DJIA_Change, tr("The index's move at the last turn, in percent."));
    index_row->addStretch();
    index_row->addWidget(DJIA_Symbol);
    index_row->addSpacing(16);
    index_row->addWidget(Price[Index_Entry]);
    index_row->addSpacing(16);
    index_row->addWidget(DJIA_Change);
    index_row->addStretch();
    outer->addSpacing(4);
    outer->addLayout(index_row);
    auto* hint = new QLabel(tr("Click on a stock symbol to view its chart."), this);
    hint->setAlignment(Qt::AlignCenter);
    outer->addWidget(hint);
    outer->addStretch();
    Repaint();
}

void Quotes_Board::Repaint() {
    for (int s = 0; s < Stock_Count; ++s) {
        Symbol[s]->setText(QString::fromStdString(game.Symbol[s]));
        Price[s]->setText(QString::fromStdString(game.Price[s].Text()));
        // A change of its own ("CRASH!") is the engine's words.
        Show_Change(Change[s], Engine_Text(game.Change[s].Text()), game.Change_Colour[s]);
        // The row reads as one line from whichever of its labels the reader is on.
        const QString line = Quote_Phrase(game.Symbol[s], game.Price[s].Value(), game.Change[s]);
        for (QLabel* label : {Symbol[s], Price[s], Change[s]}) label->setAccessibleName(line);
    }
    Price[Index_Entry]->setText(QString::fromStdString(game.Price[Index_Entry].Text()));
    Show_Change(DJIA_Change, QString::fromStdString(game.DJIA_Change), game.DJIA_Change_Colour);
    const QString index_line = Index_Phrase(game.Price[Index_Entry].Value(), game.DJIA_Change);
    for (QLabel* label : {Price[Index_Entry], DJIA_Change}) label->setAccessibleName(index_line);
}

void Quotes_Board::Paint_Symbol(int stock, bool yellow) {
    Paint(Symbol[stock], Highlight_Ink(yellow));
    Symbol[stock]->setProperty("highlighted", yellow);
}

bool Quotes_Board::Is_Highlighted(int stock) const { return Symbol[stock]->property("highlighted").toBool(); }

void Quotes_Board::Hover_Symbol(int stock) {
    if (Hover_Index != stock) Paint_Symbol(Hover_Index, false);
    Paint_Symbol(stock, true);
    Hover_Index = stock;
}

void Quotes_Board::Unhover() { Paint_Symbol(Hover_Index, false); }

bool Quotes_Board::eventFilter(QObject* watched, QEvent* event) {
    const bool moved = event->type() == QEvent::MouseMove || event->type() == QEvent::Enter;
    // A move over a label ends there: passed on to its frame it would undo the label's rule.
    const bool consume = event->type() == QEvent::MouseMove;
    for (int s = 0; s < Stock_Count; ++s) {
        if (watched == Symbol[s]) {
            if (moved) Hover_Symbol(s);
            if (event->type() == QEvent::MouseButtonRelease &&
                static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
                emit Symbol_Clicked(s);
            return consume;
        }
        if (watched == Change[s]) {
            if (moved) Unhover();
            return consume;
        }
        if (watched == Price[s]) return consume;
    }
    // A frame or the board itself; a price label is not watched and changes nothing.
    if (moved) Unhover();
    return false;
}
