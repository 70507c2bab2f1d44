#include "engine/storage/statistics_file.h"

#include <cmath>

#include "engine/model/challenge_code.h"
#include "engine/storage/data_folder.h"
#include "engine/storage/file_io.h"
#include "engine/storage/load_ranges.h"
#include "engine/storage/records.h"

namespace {
const char* const File_Marker = "Bullquest statistics";
const char* const File_End = "End of statistics";
constexpr double File_Version = 1;
constexpr const char* Outcomes[] = {"won", "lost", "left"};
// Far more games and turns than a lifetime of play; a count beyond them is damage.
constexpr Range Count_Of{0, 1e15};
constexpr Range Score_Of{0, 100 * Money_Highest};
constexpr Range Multiple_Of{0, Money_Highest};

}  // namespace

bool Is_Result_Date(const std::string& t) {
    if (t.size() != 10 || t[4] != '-' || t[7] != '-') return false;
    for (std::size_t k : {0, 1, 2, 3, 5, 6, 8, 9})
        if (t[k] < '0' || t[k] > '9') return false;
    const int month = std::stoi(t.substr(5, 2)), day = std::stoi(t.substr(8, 2));
    return month >= 1 && month <= 12 && day >= 1 && day <= 31;
}

namespace {

class Fields {
public:
    explicit Fields(Record_Reader& r) : r(r) {}
    bool Ok() const { return ok; }
    bool Require(bool holds) { return ok = ok && holds; }
    double Number(Range range, bool whole) {
        const std::optional<double> v = r.Full_Number();
        return Require(v && range.Holds(*v) && (!whole || *v == std::floor(*v))) ? *v : 0;
    }
    bool Boolean() {
        const std::optional<bool> b = r.Boolean();
        return Require(b.has_value()) && *b;
    }
    std::string Text() {
        const std::optional<std::string> t = r.Text();
        return Require(t.has_value()) ? *t : std::string();
    }

private:
    Record_Reader& r;
    bool ok = true;
};
}  // namespace

std::string Statistics_Path(const Game& game) { return Data_File(game.Data_Dir, Statistics_File_Name); }

std::string Statistics_Text(const Statistics& s) {
    Record_Writer w;
    w.Text(File_Marker).Full_Number(File_Version).End_Record();
    for (const Level_Statistics& l : s.Levels) {
        w.Full_Number(l.Won).Full_Number(l.Lost).Full_Number(l.Best_Score).Full_Number(l.Best_Multiple);
        w.Full_Number(l.Fewest_Turns).End_Record();
    }
    w.Full_Number(s.Turns_Played).Full_Number(static_cast<double>(s.Results.size())).End_Record();
    for (const Challenge_Result& r : s.Results) {
        w.Text(r.Code).Text(r.Date).Text(r.Outcome).Full_Number(r.Score).Full_Number(r.Turns).Boolean(r.Cheated);
        w.End_Record();
    }
    w.Text(File_End).End_Record();
    return w.Take_Output();
}

File_Result<Statistics> Statistics_From(const std::string& content) {
    Record_Reader reader(Record_Reader::In_Place{}, content);
    Fields f(reader);
    Statistics s;
    f.Require(f.Text() == File_Marker && f.Number(Any, false) == File_Version);
    for (Level_Statistics& l : s.Levels) {
        l.Won = f.Number(Count_Of, true);
        l.Lost = f.Number(Count_Of, true);
        l.Best_Score = f.Number(Score_Of, true);
        l.Best_Multiple = f.Number(Multiple_Of, false);
        l.Fewest_Turns = f.Number({0, Last_Turn}, true);
        // A best belongs to a game won; a win takes a turn at least.
        f.Require(l.Won > 0 || (l.Best_Score == 0 && l.Best_Multiple == 0 && l.Fewest_Turns == 0));
    }
    s.Turns_Played = f.Number(Count_Of, true);
    const auto count = static_cast<std::size_t>(f.Number({0, Results_Kept}, true));
    for (std::size_t k = 0; k < count && f.Ok(); ++k) {
        Challenge_Result r;
        r.Code = f.Text();
        const Code_Reading code = Read_Code(r.Code);
        f.Require(code.Code && Code_Text(*code.Code) == r.Code);
        r.Date = f.Text();
        f.Require(Is_Result_Date(r.Date));
        r.Outcome = f.Text();
        f.Require(r.Outcome == Outcomes[0] || r.Outcome == Outcomes[1] || r.Outcome == Outcomes[2]);
        r.Score = f.Number(Score_Of, true);
        r.Turns = f.Number({1, Last_Turn}, true);
        r.Cheated = f.Boolean();
        s.Results.push_back(std::move(r));
    }
    f.Require(f.Text() == File_End);
    if (!f.Ok() || !reader.At_End()) return File_Error::Damaged;
    return s;
}

File_Result<Statistics> Read_Statistics(const Game& game) {
    File_Result<std::string> content = Read_File(Statistics_Path(game));
    if (!content) {
        if (content.Error() == File_Error::Missing) return Statistics{};
        return content.Error();
    }
    return Statistics_From(*content);
}

File_Result<> Write_Statistics(const Game& game, const Statistics& statistics) {
    File_Result<Data_Lock> lock = Lock_Data_Folder(game.Data_Dir);
    if (!lock) return lock.Error();
    return Write_File_Atomic(Statistics_Path(game), Statistics_Text(statistics));
}

File_Result<> Change_Statistics(const Game& game, const std::function<void(Statistics&)>& change) {
    File_Result<Data_Lock> lock = Lock_Data_Folder(game.Data_Dir);
    if (!lock) return lock.Error();
    File_Result<Statistics> stored = Read_Statistics(game);
    if (!stored) return stored.Error();
    change(*stored);
    return Write_File_Atomic(Statistics_Path(game), Statistics_Text(*stored));
}
