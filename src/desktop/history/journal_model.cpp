#include "desktop/history/journal_model.h"

#include <cmath>
#include <limits>

#include <QWidget>

#include "desktop/parts/accessible_text.h"
#include "desktop/parts/colours.h"
#include "desktop/parts/engine_text.h"
#include "desktop/parts/change_look.h"
#include "engine/history/history.h"
#include "engine/model/numbers.h"

namespace {
QString Q(const std::string& s) { return QString::fromStdString(s); }
}  // namespace

Journal_Model::Journal_Model(const Game& game, QObject* parent) : QAbstractTableModel(parent), game(game) {
    On_Change_Look(this, [this] {
        if (rows > 0) emit dataChanged(index(0, Gain), index(rows - 1, Gain), {Qt::DisplayRole, Qt::ForegroundRole});
    });
}

int Journal_Model::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows; }

int Journal_Model::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : Columns; }

static const char* const Titles[Journal_Model::Columns] = {
    QT_TRANSLATE_NOOP("Journal_Model", "Turn"),  QT_TRANSLATE_NOOP("Journal_Model", "Who"),
    QT_TRANSLATE_NOOP("Journal_Model", "What"),  QT_TRANSLATE_NOOP("Journal_Model", "Symbol"),
    QT_TRANSLATE_NOOP("Journal_Model", "Quantity"), QT_TRANSLATE_NOOP("Journal_Model", "Price"),
    QT_TRANSLATE_NOOP("Journal_Model", "Gain"),  QT_TRANSLATE_NOOP("Journal_Model", "Cash")};

QVariant Journal_Model::headerData(int section, Qt::Orientation orientation, int role) const {
    static const char* const tips[Columns] = {
        QT_TRANSLATE_NOOP("Journal_Model", "The turn of the trade."),
        QT_TRANSLATE_NOOP("Journal_Model", "Who traded: you or the computer."),
        QT_TRANSLATE_NOOP("Journal_Model", "The kind of trade: a buy, sale, short sale or buy-back, an option bought, "
                                           "sold or lapsed, or a cheat."),
        QT_TRANSLATE_NOOP("Journal_Model", "The stock traded."),
        QT_TRANSLATE_NOOP("Journal_Model", "Shares, or option contracts, traded."),
        QT_TRANSLATE_NOOP("Journal_Model", "The price a share (for options, the premium)."),
        QT_TRANSLATE_NOOP("Journal_Model", "What a sale, buy-back or lapse gained or lost against what was paid."),
        QT_TRANSLATE_NOOP("Journal_Model", "The trader's cash after the trade.")};
    if (orientation != Qt::Horizontal || section < 0 || section >= Columns) return {};
    if (role == Qt::DisplayRole) return tr(Titles[section]);
    if (role == Qt::ToolTipRole) return Tool_Tip(tr(tips[section]));
    if (role == Qt::AccessibleDescriptionRole) return tr(tips[section]);
    return {};
}

QVariant Journal_Model::data(const QModelIndex& index, int role) const {
    if (!shown || !index.isValid() || index.row() >= rows) return {};
    const Journal_Entry& e = shown->Journal[static_cast<std::size_t>(index.row())];
    const int column = index.column();
    const bool number = column == Turn || column >= Quantity;
    if (role == Qt::TextAlignmentRole)
        return static_cast<int>((number ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    // Against the table's own ground: a gain in the game's gain colour, a loss in its loss colour.
    if (role == Qt::ForegroundRole && column == Gain && e.Gain && view)
        return Change_Colour(Sign_Colour(*e.Gain), view->palette(), QPalette::Base);
    if (role == Value_Role) {
        if (column == Who) return QString(Trader_Name(e.Who));
        if (column == Symbol) return Q(e.Symbol);
        return {};
    }
    if (role == Sort_Role) {
        switch (column) {
            case Turn: return static_cast<qlonglong>(e.Turn);
            // In the order the player reads them, in any language.
            case Who:
            case What: return data(index, Qt::DisplayRole);
            case Symbol: return Q(e.Symbol);
            case Quantity: return e.Quantity;
            case Price: return e.Price;
            case Gain: return e.Gain ? *e.Gain : -std::numeric_limits<double>::infinity();
            case Cash: return e.Cash;
            default: return {};
        }
    }
    if (role == Qt::AccessibleTextRole) return Cell_Phrase(tr(Titles[column]), data(index, Qt::DisplayRole).toString());
    if (role != Qt::DisplayRole) return {};
    switch (column) {
        case Turn: return Q(Number_Text(e.Turn));
        case Who: return Engine_Text(Trader_Name(e.Who));
        case What: return Engine_Text(e.What);
        case Symbol: return Q(e.Symbol);
        case Quantity: return Q(Add_Commas(Number_Text(e.Quantity)));
        case Price: return Q(Number_Text(e.Price));
        case Gain: return e.Gain ? Change_Text(Q(Add_Commas(Number_Text(*e.Gain))), Sign_Colour(*e.Gain)) : QString();
        case Cash: return Q(Add_Commas(Number_Text(e.Cash)));
        default: return {};
    }
}

void Journal_Model::Follow() {
    const Game_History* now = game.History.get();
    if (now != shown.get()) {
        beginResetModel();
        shown = game.History;
        rows = now ? static_cast<int>(now->Journal.size()) : 0;
        endResetModel();
    } else if (now) {
        // The oldest rows left the record's front and the new ones came at its back.
        const auto drop = static_cast<int>(now->Dropped_Entries - dropped);
        if (drop > 0) {
            beginRemoveRows({}, 0, drop - 1);
            rows -= drop;
            endRemoveRows();
        }
        const int add = static_cast<int>(now->Journal.size()) - rows;
        if (add > 0) {
            beginInsertRows({}, rows, rows + add - 1);
            rows += add;
            endInsertRows();
        }
    }
    dropped = now ? now->Dropped_Entries : 0;
}

void Journal_Model::Paint_On(const QWidget* table) { view = table; }
