#include "engine/guide/guide_book.h"

#include "engine/storage/settings_file.h"

namespace {
const std::string Guide_Setting = "Guide";
const std::string Seen_Setting = "Guide Note Seen";

// The book's part of the settings: any value of "Guide" but "off" leaves it on.
void Read_Into(Guide_Book& book, const Setting_List& settings) {
    book.On = Setting_Value(settings, Guide_Setting) != std::optional<std::string>("off");
    const std::vector<std::string> seen = Setting_Values(settings, Seen_Setting);
    book.Seen = std::set<std::string>(seen.begin(), seen.end());
}

// Marks the keys seen in the settings, once each, after those already there.
void Add_Seen(Setting_List& settings, const std::vector<Guide_Note>& notes) {
    const std::vector<std::string> listed = Setting_Values(settings, Seen_Setting);
    std::set<std::string> seen(listed.begin(), listed.end());
    for (const Guide_Note& note : notes)
        if (seen.insert(note.Key).second) settings.push_back({Seen_Setting, note.Key});
}

File_Result<> Change_Book(Guide_Book& book, const std::function<void(Setting_List&)>& change) {
    File_Result<Setting_List> settings = Change_Settings(book.Data_Dir, change);
    if (!settings) return settings.Error();
    Read_Into(book, *settings);
    return {};
}
}  // namespace

Guide_Book Open_Guide_Book(const std::string& data_dir) {
    Guide_Book book;
    book.Data_Dir = data_dir;
    if (File_Result<Setting_List> settings = Read_Settings(data_dir)) Read_Into(book, *settings);
    return book;
}

std::vector<Guide_Note> Unseen_Notes(const Guide_Book& book, const std::vector<Guide_Note>& due) {
    std::vector<Guide_Note> unseen;
    if (!book.On) return unseen;
    for (const Guide_Note& note : due)
        if (!book.Seen.count(note.Key)) unseen.push_back(note);
    return unseen;
}

Shown_Notes Show_Notes(Guide_Book& book, const std::vector<Guide_Note>& due) {
    Shown_Notes shown;
    if (Unseen_Notes(book, due).empty()) return shown;  // no need to look at the file
    Guide_Book now = book;
    File_Result<Setting_List> settings = Change_Settings(book.Data_Dir, [&](Setting_List& stored) {
        Read_Into(now, stored);
        shown.Notes = Unseen_Notes(now, due);
        Add_Seen(stored, shown.Notes);
    });
    if (settings) {
        Read_Into(book, *settings);
        return shown;
    }
    // Nothing was written: the book alone decides, and remembers.
    shown.Stored = settings.Error();
    shown.Notes = Unseen_Notes(book, due);
    for (const Guide_Note& note : shown.Notes) book.Seen.insert(note.Key);
    return shown;
}

File_Result<> Turn_Guide(Guide_Book& book, bool on) {
    book.On = on;
    return Change_Book(book, [on](Setting_List& settings) { Set_Setting(settings, Guide_Setting, on ? "on" : "off"); });
}

File_Result<> Reset_Guide(Guide_Book& book) {
    book.Seen.clear();
    return Change_Book(book, [](Setting_List& settings) { Remove_Setting(settings, Seen_Setting); });
}
