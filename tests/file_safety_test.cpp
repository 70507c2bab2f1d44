// Every file the game reads or writes, against what a player's disk can hold in its place:
// folders, FIFOs, devices, huge files, links, files without permissions, a full disk,
// leftovers of a killed write, odd names, and a second copy of the game on the same data
// folder.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <thread>

#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "engine/flows/new_game.h"
#include "engine/model/random.h"
#include "engine/flows/startup.h"
#include "engine/flows/game_end.h"
#include "engine/storage/data_folder.h"
#include "engine/storage/file_io.h"
#include "engine/storage/file_messages.h"
#include "engine/storage/recent_file.h"
#include "engine/flows/game_files.h"
#include "engine/guide/guide_book.h"
#include "engine/storage/settings_file.h"
#include "engine/storage/saved_game.h"
#include "engine/storage/winners_file.h"
#include "test_support.h"

namespace fs = std::filesystem;

namespace {

const std::string Load_Failed = "message " + File_Message(File_Task::Load);
const std::string Write_Failed = "message " + File_Message(File_Task::Write);
const std::string Start_Failed = "message " + File_Message(File_Task::Start_Up);

// A started program with a new game dealt, its data folder `data_dir`.
Game Playing(const std::string& data_dir) {
    Game game;
    Recording_Screens screens;
    EXPECT_TRUE(Start_Up(game, screens, data_dir));
    Random rnd(3);
    Start_New_Game(game, rnd, screens);
    return game;
}

// Puts something that is not a file of the game at `path`.
void Plant(const std::string& kind, const std::string& path) {
    if (kind == "fifo") {
        ASSERT_EQ(::mkfifo(path.c_str(), 0644), 0);
    }
    if (kind == "folder") fs::create_directory(path);
    if (kind == "device") fs::create_symlink("/dev/zero", path);
    if (kind == "huge") {
        std::ofstream(path).put('"');
        fs::resize_file(path, Largest_File + 1);
    }
    if (kind == "loop") fs::create_symlink(fs::path(path).filename(), path);
}

std::string Text_Of(const std::string& path) {
    File_Result<std::string> content = Read_File(path);
    return content ? *content : "(unreadable)";
}

mode_t Mode_Of(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0 ? st.st_mode : 0;
}

void Age(const std::string& path, int seconds) {
    const timespec times[2] = {{time(nullptr) - seconds, 0}, {time(nullptr) - seconds, 0}};
    ::utimensat(AT_FDCWD, path.c_str(), times, AT_SYMLINK_NOFOLLOW);
}

// Names in `dir` that only a write of the game could have left: its temporary files.
std::vector<std::string> Temporaries(const std::string& dir) {
    std::vector<std::string> found;
    for (const auto& entry : fs::directory_iterator(dir))
        if (entry.path().filename().string().find(".bq-") != std::string::npos)
            found.push_back(entry.path().filename().string());
    return found;
}

// Runs `body` in a child process and gives what it wrote to `report`; an empty text when
// every check passed.
std::string In_Child(const std::function<std::string()>& body, const std::function<bool()>& become = [] { return true; }) {
    int channel[2];
    if (::pipe(channel) != 0) return "no pipe";
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(channel[0]);
        const std::string failures = become() ? body() : "cannot change user";
        if (::write(channel[1], failures.data(), failures.size()) < 0) _exit(2);
        _exit(0);
    }
    ::close(channel[1]);
    std::string failures;
    char buffer[512];
    for (ssize_t n; (n = ::read(channel[0], buffer, sizeof buffer)) > 0;) failures.append(buffer, n);
    ::close(channel[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) failures += " child did not finish";
    return failures;
}

// Collects the checks that failed inside a child process.
struct Checks {
    std::string failed;
    void operator()(bool ok, const std::string& what) {
        if (!ok) failed += "\n  " + what;
    }
};

}  // namespace

TEST(FileSafety, EveryReaderRefusesWhatIsNotAFileOfTheGameAtOnce) {
    ::alarm(60);  // a reader that waits on a FIFO ends the test rather than hanging it
    const std::string dir = Fresh_Dir("hostile_read");
    const std::vector<std::pair<std::string, File_Error>> kinds = {
        {"fifo", File_Error::Not_A_File}, {"folder", File_Error::Not_A_File}, {"device", File_Error::Not_A_File},
        {"huge", File_Error::Too_Large},  {"loop", File_Error::Unreadable}};
    for (const auto& [kind, error] : kinds) {
        Plant(kind, dir + "/" + kind);
        EXPECT_EQ(Read_File(dir + "/" + kind).Error(), error) << kind;
    }
    EXPECT_EQ(Read_File(dir + "/none").Error(), File_Error::Missing);
    fs::resize_file(dir + "/huge", Largest_File);
    EXPECT_EQ(Read_File(dir + "/huge")->size(), Largest_File);

    // A load of any of them is refused with the load's message; the game is untouched.
    Game game = Playing(Fresh_Dir("hostile_read_data"));
    const Game before = game;
    for (const std::string name : {"fifo", "folder", "device", "huge", "loop", "none"}) {
        Recording_Screens screens;
        screens.file_answer = dir + "/" + name;
        EXPECT_FALSE(Load_Game(game, screens)) << name;
        EXPECT_EQ(screens.log, (std::vector<std::string>{"open-dialog", "beep", Load_Failed})) << name;
        EXPECT_EQ(game.Price, before.Price);
    }

    // In place of Recent.txt or Winners.txt it ends the start-up, and stays as it was.
    for (const std::string& file : {Recent_File_Name, Winners_File_Name}) {
        for (const auto& [kind, error] : kinds) {
            const std::string data = Fresh_Dir("hostile_start");
            Plant(kind, data + "/" + file);
            const mode_t planted = Mode_Of(data + "/" + file);
            Game fresh;
            Recording_Screens screens;
            EXPECT_FALSE(Start_Up(fresh, screens, data)) << file << " " << kind;
            EXPECT_EQ(screens.log.back(), Start_Failed);
            EXPECT_EQ(Mode_Of(data + "/" + file), planted) << file << " " << kind;
            if (kind == "huge") {
                EXPECT_EQ(fs::file_size(data + "/" + file), Largest_File + 1);
            }
        }
    }
    ::alarm(0);
}

TEST(FileSafety, WritesGoThroughLinksKeepModesAndReplaceOnlyFiles) {
    const std::string dir = Fresh_Dir("hostile_write");
    fs::create_directory(dir + "/sub");
    ASSERT_TRUE(Write_File_Atomic(dir + "/real.txt", "old"));
    ::chmod((dir + "/real.txt").c_str(), 0640);
    fs::create_symlink("real.txt", dir + "/link.txt");
    fs::create_symlink("../link.txt", dir + "/sub/chain.txt");

    // Through a chain of relative links: the links stay, their target is replaced.
    ASSERT_TRUE(Write_File_Atomic(dir + "/sub/chain.txt", "new"));
    EXPECT_TRUE(fs::is_symlink(dir + "/sub/chain.txt"));
    EXPECT_TRUE(fs::is_symlink(dir + "/link.txt"));
    EXPECT_EQ(Text_Of(dir + "/real.txt"), "new");
    EXPECT_EQ(Mode_Of(dir + "/real.txt") & 0777, 0640u);

    // A dangling link makes its target; a new file gets what the umask allows.
    fs::create_symlink("made.txt", dir + "/dangling.txt");
    const mode_t mask = ::umask(027);
    ASSERT_TRUE(Write_File_Atomic(dir + "/dangling.txt", "made"));
    ::umask(mask);
    EXPECT_EQ(Text_Of(dir + "/made.txt"), "made");
    EXPECT_EQ(Mode_Of(dir + "/made.txt") & 0777, 0640u);

    // Nothing but a regular file is ever replaced, and a loop is no file at all.
    for (const std::string kind : {"fifo", "folder", "loop"}) {
        Plant(kind, dir + "/" + kind);
        const mode_t planted = Mode_Of(dir + "/" + kind);
        EXPECT_FALSE(Write_File_Atomic(dir + "/" + kind, "x")) << kind;
        EXPECT_EQ(Mode_Of(dir + "/" + kind), planted) << kind;
    }
    fs::create_symlink("fifo", dir + "/to_fifo");
    EXPECT_EQ(Write_File_Atomic(dir + "/to_fifo", "x").Error(), File_Error::Not_A_File);
    EXPECT_FALSE(Write_File_Atomic(dir + "/no_such_folder/file.txt", "x"));

    // A full disk: the old file stays whole.
    {
        const File_Size_Limit full(2);
        EXPECT_EQ(Write_File_Atomic(dir + "/real.txt", "longer than two").Error(), File_Error::Unwritable);
    }
    EXPECT_EQ(Text_Of(dir + "/real.txt"), "new");
    EXPECT_TRUE(Temporaries(dir).empty());
    EXPECT_TRUE(Temporaries(dir + "/sub").empty());
}

TEST(FileSafety, TemporaryFilesAreAlwaysNewAndOnlyOwnOldLeftoversGo) {
    const std::string dir = Fresh_Dir("hostile_temporary");
    const std::string victim = Fresh_Dir("victim") + "/victim";
    ASSERT_TRUE(Write_File_Atomic(victim, "precious"));
    ASSERT_TRUE(Write_File_Atomic(dir + "/Recent.txt", "old"));
    // Links planted where a temporary file might be made, old enough to look left over.
    for (const std::string name : {"Recent.txt.tmp", ".Recent.txt.bq-AAAAAA", ".Recent.txt.bq-ZZZZZZ"}) {
        fs::create_symlink(victim, dir + "/" + name);
        Age(dir + "/" + name, 7200);
    }
    const std::map<std::string, bool> leftovers = {
        {".Recent.txt.bq-old001", false},   // this game's, two hours old: removed
        {".Recent.txt.bq-new001", true},    // a write in progress elsewhere: kept
        {".Winners.txt.bq-old002", true},   // another file's: kept for its own next write
        {".Recent.txt.bq-old0033", true},   // not the game's pattern
        {"Recent.txt.bq-old004", true},     // not the game's pattern
    };
    for (const auto& [name, kept] : leftovers) {
        ASSERT_TRUE(Write_File_Atomic(dir + "/" + name, "left"));
        if (name.find("new") == std::string::npos) Age(dir + "/" + name, 7200);
    }
    ASSERT_TRUE(Write_File_Atomic(dir + "/Recent.txt", "new"));
    EXPECT_EQ(Text_Of(dir + "/Recent.txt"), "new");
    EXPECT_EQ(Text_Of(victim), "precious");
    for (const std::string name : {"Recent.txt.tmp", ".Recent.txt.bq-AAAAAA", ".Recent.txt.bq-ZZZZZZ"})
        EXPECT_TRUE(fs::is_symlink(dir + "/" + name)) << name;
    for (const auto& [name, kept] : leftovers) EXPECT_EQ(fs::exists(dir + "/" + name), kept) << name;

}

// Whatever is found under the lock file's name, a change to the recent list or the winners is
// made and kept; what was planted is left as it was, a link never followed.
TEST(FileSafety, NothingAtTheLockFilesNameKeepsAChangeFromBeingMade) {
    const passwd* nobody = ::getpwnam("nobody");
    if (::geteuid() == 0 && !nobody) GTEST_SKIP() << "running as root and there is no user nobody to drop to";
    const std::string dir = Fresh_Dir("planted_lock");
    const uid_t uid = ::geteuid() == 0 ? nobody->pw_uid : ::geteuid();
    const gid_t gid = ::geteuid() == 0 ? nobody->pw_gid : ::getegid();
    ASSERT_EQ(::chown(dir.c_str(), uid, gid), 0);
    // As root the unreadable file would be read: the checks run as nobody then.
    auto become = [&] {
        if (::geteuid() != 0) return true;
        return ::setgroups(0, nullptr) == 0 && ::setgid(gid) == 0 && ::setuid(uid) == 0 && ::geteuid() != 0;
    };
    // Another user's lock file, which anyone may open, held for good.
    std::vector<std::string> kinds = {"folder", "fifo", "unreadable", "link", "dangling link"};
    int held = -1;
    if (::geteuid() == 0) {
        const std::string data = dir + "/another user's";
        fs::create_directory(data);
        ASSERT_EQ(::chown(data.c_str(), uid, gid), 0);
        held = ::open(Data_File(data, Lock_File_Name).c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
        ASSERT_EQ(::fchmod(held, 0666), 0);
        ASSERT_EQ(::flock(held, LOCK_EX), 0);
        kinds.push_back("another user's");
    }
    const std::string failures = In_Child(
        [&] {
            Checks check;
            const std::string victim = dir + "/victim";
            check(bool(Write_File_Atomic(victim, "precious")), "no victim");
            for (const std::string& kind : kinds) {
                const std::string data = dir + "/" + kind, lock = Data_File(data, Lock_File_Name);
                Game game = Playing(data);
                if (kind != "another user's") fs::remove(lock);
                if (kind == "folder") {
                    fs::create_directory(lock);
                    check(bool(Write_File_Atomic(lock + "/inside", "kept")), kind + ": nothing inside");
                }
                if (kind == "fifo") check(::mkfifo(lock.c_str(), 0644) == 0, "no FIFO");
                if (kind == "unreadable") {
                    check(bool(Write_File_Atomic(lock, "")), "no lock file");
                    ::chmod(lock.c_str(), 0);
                }
                if (kind == "link") fs::create_symlink(victim, lock);
                if (kind == "dangling link") fs::create_symlink(dir + "/nowhere", lock);
                const mode_t planted = Mode_Of(lock);

                check(bool(Store_Recent(game, "kept.bqg")), kind + ": Store_Recent failed");
                check(bool(Change_Winners(game, [](Winners_Table& t) { t[1][0].Final_Score = 700; })),
                      kind + ": Change_Winners failed");
                game.High_Scores[2][0].Final_Score = 800;
                check(bool(Write_Winners(game)), kind + ": Write_Winners failed");
                Game after = Blank_Game(data);
                check(Read_Recent(after) && after.Recent[0] == "kept.bqg", kind + ": the recent list was not kept");
                check(Read_Winners(after) && after.High_Scores[1][0].Final_Score == 700 &&
                          after.High_Scores[2][0].Final_Score == 800,
                      kind + ": the winners were not kept");
                check(Mode_Of(lock) == planted, kind + ": what was planted changed");
                check(Text_Of(victim) == "precious", kind + ": the link was followed");
                check(kind != "dangling link" || !fs::exists(dir + "/nowhere"), kind + ": the link was followed");
                check(kind != "folder" || Text_Of(lock + "/inside") == "kept", kind + ": the folder's file changed");
            }
            return check.failed;
        },
        become);
    if (held >= 0) ::close(held);
    EXPECT_EQ(failures, "");
}

TEST(FileSafety, OddNamesSaveAndLoadAndOnlyThoseARecordCanHoldAreListed) {
    const std::string data = Fresh_Dir("odd_names_data"), work = Fresh_Dir("odd_names");
    Game game = Playing(data);
    Recording_Screens screens;
    const std::vector<std::string> listed = {"a,b.bqg", " blank .bqg", "B\xc3\xb6rse \xe2\x82\xac.bqg", "\xff\xfe.bqg"};
    const std::vector<std::string> unlisted = {"say \"cheese\".bqg", "line\nbreak.bqg", "carriage\rreturn.bqg"};
    for (const auto* names : {&listed, &unlisted})
        for (const std::string& name : *names) {
            screens.file_answer = work + "/" + name;
            EXPECT_TRUE(Save_As(game, screens)) << name;
            EXPECT_EQ(game.Game_File_Name, *screens.file_answer);
        }
    EXPECT_EQ(screens.log, std::vector<std::string>(listed.size() + unlisted.size(), "save-dialog"));
    const Recent_List expected = {work + "/" + listed[3], work + "/" + listed[2], work + "/" + listed[1],
                                  work + "/" + listed[0]};
    EXPECT_EQ(game.Recent, expected);

    Game again = Blank_Game(data);
    ASSERT_TRUE(Read_Recent(again));
    EXPECT_EQ(again.Recent, expected);
    const std::string recent = Text_Of(data + "/Recent.txt");
    screens.log.clear();
    for (const std::string& name : unlisted) {
        screens.file_answer = work + "/" + name;
        EXPECT_TRUE(Load_Game(again, screens)) << name;
    }
    EXPECT_FALSE(screens.Logged("message"));
    EXPECT_EQ(again.Recent, expected);
    EXPECT_EQ(Text_Of(data + "/Recent.txt"), recent);
    Load_Recent(again, screens, 3);
    EXPECT_EQ(again.Game_File_Name, work + "/a,b.bqg");

    // An entry no game could have listed is damage.
    ASSERT_TRUE(Write_File_Atomic(data + "/Recent.txt", "\"" + std::string(Longest_Path + 1, 'x') + "\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n"));
    EXPECT_EQ(Read_Recent(again).Error(), File_Error::Damaged);
}

TEST(FileSafety, NoSaveLandsOnAFileOfTheDataFolderHoweverItIsNamed) {
    const std::string data = Fresh_Dir("reserved_data"), work = Fresh_Dir("reserved");
    Game game = Playing(data);
    Recording_Screens screens;
    screens.file_answer = work + "/mine.bqg";
    ASSERT_TRUE(Save_As(game, screens));
    ASSERT_TRUE(Write_Winners(game));  // makes the lock file too
    fs::create_directory(data + "/sub");
    fs::create_symlink(data + "/Winners.txt", work + "/link.bqg");
    fs::create_symlink(data, work + "/data_link");
    fs::create_hard_link(data + "/Recent.txt", work + "/hard.bqg");
    std::map<std::string, std::string> before;
    for (const auto& entry : fs::directory_iterator(data))
        if (entry.is_regular_file()) before[entry.path().string()] = Text_Of(entry.path().string());

    const std::vector<std::string> targets = {
        data + "/Winners.txt", data + "/Recent.txt",       data + "/Data2.txt",           data + "/Bullquest.lock",
        data + "//Winners.txt", data + "/./Recent.txt",    data + "/sub/../Winners.txt",  work + "/link.bqg",
        work + "/hard.bqg",     work + "/data_link/Data2.txt", data + "/Settings.txt"};
    for (const std::string& target : targets) {
        screens.log.clear();
        screens.file_answer = target;
        EXPECT_FALSE(Save_As(game, screens)) << target;
        EXPECT_EQ(screens.log, (std::vector<std::string>{"save-dialog", "beep", Write_Failed})) << target;
        EXPECT_EQ(game.Game_File_Name, work + "/mine.bqg");
    }
    for (const auto& [path, text] : before) EXPECT_EQ(Text_Of(path), text) << path;

    // Not even while it is missing, when the save would make it.
    fs::remove(data + "/Data2.txt");
    screens.file_answer = work + "/data_link/Data2.txt";
    EXPECT_FALSE(Save_As(game, screens));
    EXPECT_FALSE(fs::exists(data + "/Data2.txt"));
    // The data folder itself is an ordinary place for saved games.
    screens.file_answer = data + "/Winners.bqg";
    EXPECT_TRUE(Save_As(game, screens));
}

// Permissions are never refused to root, so these run as nobody when the tests run as root.
TEST(FileSafety, FilesWithoutPermissionsAreReportedAndNeverReplaced) {
    const passwd* nobody = ::getpwnam("nobody");
    if (::geteuid() == 0 && !nobody) GTEST_SKIP() << "running as root and there is no user nobody to drop to";
    const std::string dir = Fresh_Dir("permissions");
    const uid_t uid = ::geteuid() == 0 ? nobody->pw_uid : ::geteuid();
    const gid_t gid = ::geteuid() == 0 ? nobody->pw_gid : ::getegid();
    ASSERT_EQ(::chown(dir.c_str(), uid, gid), 0);
    auto become = [&] {
        if (::geteuid() != 0) return true;
        return ::setgroups(0, nullptr) == 0 && ::setgid(gid) == 0 && ::setuid(uid) == 0 && ::geteuid() != 0;
    };
    const std::string failures = In_Child(
        [&] {
            Checks check;
            auto mode = [](const std::string& path) { return Mode_Of(path) & 07777; };
            const std::string data = dir + "/data";
            Game game = Playing(data);
            Recording_Screens screens;

            // A saved game the player may not read, or made read-only, or in a read-only folder.
            const std::string locked = dir + "/locked.bqg", read_only = dir + "/read_only.bqg";
            ::mkdir((dir + "/shelf").c_str(), 0755);
            const std::string shelved = dir + "/shelf/game.bqg";
            for (const std::string& path : {locked, read_only, shelved}) {
                screens.file_answer = path;
                check(Save_As(game, screens), "saving " + path);
            }
            ::chmod(locked.c_str(), 0);
            ::chmod(read_only.c_str(), 0444);
            ::chmod((dir + "/shelf").c_str(), 0555);
            const std::string saved = Saved_Game_Text(game);
            screens.log.clear();
            screens.file_answer = locked;
            check(!Load_Game(game, screens), "a file without permissions loaded");
            check(screens.log.back() == Load_Failed, "no load message for a file without permissions");
            check(mode(locked) == 0, "a file without permissions changed its mode");
            for (const std::string& path : {read_only, shelved}) {
                game.Game_File_Name = path;
                game.Turn_Number.Set(99);
                screens.log.clear();
                check(!Save_Game(game, screens), "saved over " + path);
                check(screens.log.back() == Write_Failed, "no write message for " + path);
            }
            ::chmod(locked.c_str(), 0644);
            check(Text_Of(locked) == saved && Text_Of(read_only) == saved && Text_Of(shelved) == saved,
                  "a saved game changed");
            check(mode(read_only) == 0444, "a read-only file changed its mode");
            check(Temporaries(dir + "/shelf").empty(), "a temporary file was left");

            // Recent.txt or Winners.txt without permissions end the start-up and stay.
            for (const std::string& name : {Recent_File_Name, Winners_File_Name}) {
                const std::string path = Data_File(data, name);
                const std::string text = Text_Of(path);
                ::chmod(path.c_str(), 0);
                Game fresh;
                Recording_Screens start;
                check(!Start_Up(fresh, start, data), "started with " + name + " unreadable");
                check(start.log.back() == Start_Failed, "no start-up message");
                ::chmod(path.c_str(), 0644);
                check(Text_Of(path) == text, name + " was replaced");
            }
            // Settings.txt without permissions: the guide starts afresh and the file stays.
            const std::string settings = Settings_Path(data);
            check(static_cast<bool>(Write_File_Atomic(settings, "\"Guide\",\"off\"\r\n")), "no Settings.txt");
            ::chmod(settings.c_str(), 0);
            Guide_Book book = Open_Guide_Book(data);
            check(book.On && book.Seen.empty(), "an unreadable Settings.txt was not taken as a fresh one");
            const Shown_Notes shown = Show_Notes(book, {Guide_Note{"taxes", "", "Scoring", 110}});
            check(shown.Notes.size() == 1 && !shown.Stored, "the note was not shown, or was stored");
            check(!Turn_Guide(book, true) && mode(settings) == 0, "Settings.txt was replaced");
            ::chmod(settings.c_str(), 0644);
            check(Text_Of(settings) == "\"Guide\",\"off\"\r\n", "Settings.txt changed");

            // A data folder the player cannot enter.
            ::chmod(data.c_str(), 0);
            Game outside;
            Recording_Screens start;
            check(!Start_Up(outside, start, data), "started in a folder without permissions");

            // A read-only data folder: the game starts, and each change is reported, not made.
            ::chmod(data.c_str(), 0555);
            Game reader;
            check(Start_Up(reader, start, data), "no start in a read-only data folder");
            const std::string recent = Text_Of(Data_File(data, Recent_File_Name));
            check(!Store_Recent(reader, "elsewhere.bqg"), "stored in a read-only folder");
            check(reader.Recent[0] == "elsewhere.bqg", "the menu lost the entry");
            check(Text_Of(Data_File(data, Recent_File_Name)) == recent, "Recent.txt changed");
            const std::string scores = Text_Of(Data_File(data, Winners_File_Name));
            reader.High_Scores[2][1].Final_Score = 12345;
            start.log.clear();
            Clear_High_Scores(reader, start);
            check(start.log.back() == Write_Failed, "no message when the winners cannot be cleared");
            check(reader.High_Scores[2][1].Final_Score == 12345, "the winners were cleared though not written");
            check(Text_Of(Data_File(data, Winners_File_Name)) == scores, "Winners.txt changed");
            ::chmod(data.c_str(), 0755);
            return check.failed;
        },
        become);
    EXPECT_EQ(failures, "");
}

TEST(FileSafety, TwoCopiesOfTheGameKeepEachOthersChanges) {
    const std::string data = Fresh_Dir("two_copies");
    Game first = Playing(data), second = Playing(data);
    Recording_Screens screens;

    // Each change is made to the file as it is now, and each copy's menu shows the result.
    ASSERT_TRUE(Store_Recent(first, "one.bqg"));
    ASSERT_TRUE(Store_Recent(second, "two.bqg"));
    ASSERT_TRUE(Store_Recent(first, "three.bqg"));
    ASSERT_TRUE(Store_Recent(second, "one.bqg"));  // listed already: stays where it is
    EXPECT_EQ(first.Recent, (Recent_List{"three.bqg", "two.bqg", "one.bqg", ""}));
    EXPECT_EQ(second.Recent, first.Recent);
    auto enter = [](double score) {
        return [score](Winners_Table& table) { table[3][0].Final_Score = std::max(table[3][0].Final_Score, score); };
    };
    ASSERT_TRUE(Change_Winners(first, enter(500)));
    EXPECT_EQ(second.High_Scores[3][0].Final_Score, 0);
    ASSERT_TRUE(Change_Winners(second, enter(400)));
    EXPECT_EQ(second.High_Scores[3][0].Final_Score, 500);

    // While another copy holds the lock (the data folder's, or the lock file an earlier version
    // locks) a change waits, then gives up and is reported; once it is let go, the change is made.
    for (const std::string& held_path : {data, Data_File(data, Lock_File_Name)}) {
        const int held = ::open(held_path.c_str(), O_RDONLY | O_CLOEXEC);
        ASSERT_EQ(::flock(held, LOCK_EX), 0) << held_path;
        const std::string recent = Text_Of(Data_File(data, Recent_File_Name));
        const auto asked = std::chrono::steady_clock::now();
        EXPECT_EQ(Store_Recent(first, "four.bqg").Error(), File_Error::Busy) << held_path;
        EXPECT_GE(std::chrono::steady_clock::now() - asked, Lock_Patience) << held_path;
        EXPECT_EQ(first.Recent[0], "four.bqg");
        EXPECT_EQ(Text_Of(Data_File(data, Recent_File_Name)), recent);

        std::thread let_go([held] {
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
            ::close(held);
        });
        const auto waited = std::chrono::steady_clock::now();
        EXPECT_TRUE(Change_Winners(second, enter(450))) << held_path;
        EXPECT_GE(std::chrono::steady_clock::now() - waited, std::chrono::milliseconds(200)) << held_path;
        let_go.join();
    }

    // A damaged file at that moment is reported and left for the player to see to.
    ASSERT_TRUE(Write_File_Atomic(Data_File(data, Recent_File_Name), "damaged"));
    ASSERT_TRUE(Write_File_Atomic(Data_File(data, Winners_File_Name), "damaged"));
    screens.file_answer = data + "/five.bqg";
    EXPECT_TRUE(Save_As(first, screens));
    EXPECT_EQ(screens.log, (std::vector<std::string>{"save-dialog", "beep", Write_Failed}));
    EXPECT_EQ(first.Recent[0], data + "/five.bqg");
    first.Net_Worth = Shown_Number::Read("200000000");
    first.C_Portfolio.Net_Worth = Shown_Number::Read("1,000,000");
    Random rnd(4);
    screens.log.clear();
    End_Game(first, rnd, screens, Goal_Winner(first));
    EXPECT_TRUE(screens.Logged(Write_Failed));
    EXPECT_EQ(first.High_Scores[3][0].Final_Score, 20000);  // shown for this run
    EXPECT_EQ(Text_Of(Data_File(data, Recent_File_Name)), "damaged");
    EXPECT_EQ(Text_Of(Data_File(data, Winners_File_Name)), "damaged");

    // Two processes at once: not one entry is lost.
    Game cleared;
    cleared.Data_Dir = data;
    ASSERT_TRUE(Write_Winners(cleared));
    fs::remove(Data_File(data, Recent_File_Name));
    constexpr int Rounds = 40;
    std::vector<pid_t> children;
    for (int copy = 0; copy < 2; ++copy) {
        const pid_t pid = ::fork();
        if (pid == 0) {
            Game game = Blank_Game(data);
            bool ok = true;
            for (int round = 0; round < Rounds; ++round) {
                ok = ok && Store_Recent(game, "copy" + std::to_string(copy) + "-" + std::to_string(round));
                // A count of the changes: any change made to a table read before the
                // other copy's write would lose one.
                ok = ok && Change_Winners(game, [](Winners_Table& table) { table[0][0].Final_Score += 1; });
            }
            _exit(ok ? 0 : 1);
        }
        children.push_back(pid);
    }
    for (pid_t pid : children) {
        int status = 0;
        ::waitpid(pid, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    Game after = Blank_Game(data);
    ASSERT_TRUE(Read_Winners(after));
    EXPECT_EQ(after.High_Scores[0][0].Final_Score, 2 * Rounds);
    ASSERT_TRUE(Read_Recent(after));
    // Each copy's own entries keep the order it stored them in.
    std::map<char, int> last_round;
    for (const std::string& entry : after.Recent) {
        ASSERT_EQ(entry.rfind("copy", 0), 0u) << entry;
        const int round = std::stoi(entry.substr(6));
        if (last_round.count(entry[4])) {
            EXPECT_LT(round, last_round[entry[4]]);
        }
        last_round[entry[4]] = round;
    }
}
