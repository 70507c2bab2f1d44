// The player's settings: arrows beside every change and colour-blind-safe colours in every window
// that shows a change, readable under both palettes; and the settings window, whose choices show
// at once, are kept by OK, undone by Cancel, and survive a damaged settings file.
#include <cmath>
#include <map>

#include "engine/guide/guide_book.h"
#include "engine/model/numbers.h"
#include "engine/storage/file_io.h"
#include "engine/storage/file_messages.h"
#include "engine/storage/player_settings.h"
#include "engine/storage/settings_file.h"
#include "window_checks.h"
#include "desktop/main/main_window.h"
#include "desktop/main/qt_screens.h"
#include "desktop/main/start_window.h"
#include "desktop/parts/change_look.h"
#include "desktop/parts/colours.h"

namespace {

const QString Arrows = Gain_Arrow + Loss_Arrow;

// The most frequent colour of a rectangle of the picture: the ground under a text.
QColor Ground(const QImage& picture, const QRect& area) {
    std::map<QRgb, int> count;
    const QRect inside = area.intersected(picture.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x) ++count[picture.pixel(x, y)];
    QRgb most = 0;
    int seen = -1;
    for (const auto& [rgb, n] : count)
        if (n > seen) most = rgb, seen = n;
    return QColor::fromRgb(most);
}

// A shown change split into its arrow (none, ▲ or ▼) and the game's own text.
struct Shown_Change {
    QString arrow, text;
};
Shown_Change Split(const QString& shown) {
    if (shown.size() > 2 && Arrows.contains(shown[0]) && shown[1] == QChar(0x00A0)) return {shown.left(1), shown.mid(2)};
    return {{}, shown};
}

// The sign of a change as the game writes it: "-3(4.2%)", "(1.5%)", "-0.25", "1,234", "CRASH!".
int Sign_Of(const QString& text) {
    if (text == "CRASH!") return -1;
    static const QRegularExpression change(R"(^\(?(-?[\d,]+(\.\d+)?)(%\)|\(-?[\d.]+%\))?$)");
    const QRegularExpressionMatch m = change.match(text);
    if (!m.hasMatch()) qFatal("not a change: %s", qPrintable(text));
    const double value = QString(m.captured(1)).remove(',').toDouble();
    return value < 0 ? -1 : value > 0 ? 1 : 0;
}

QString Arrow_For(int sign) { return sign > 0 ? Gain_Arrow : sign < 0 ? Loss_Arrow : QString(); }

// The arrow matches the sign, none for no change; the colour stands out from its ground, and in
// the safe colours is blue for a gain and orange for a loss.
void Check_Change(const QString& where, const QString& shown, const QColor& ink, const QColor& ground,
                  const Change_Look& look) {
    const Shown_Change change = Split(shown);
    if (change.text.isEmpty()) return;
    const int sign = Sign_Of(change.text);
    QVERIFY2(change.arrow == (look.Arrows ? Arrow_For(sign) : QString()), qPrintable(where + ": " + shown));
    QVERIFY2(Contrast_Ratio(ink, ground) >= Readable_Contrast,
             qPrintable(where + ": " + shown + " " + ink.name() + " on " + ground.name()));
    if (look.Safe_Colours && sign != 0) {
        const int hue = ink.hslHue();
        QVERIFY2(sign > 0 ? hue >= 195 && hue <= 225 : hue >= 15 && hue <= 45,
                 qPrintable(where + ": " + shown + " in " + ink.name()));
    }
}

QRect Area_In(QWidget* window, QWidget* w) { return {w->mapTo(window, QPoint(0, 0)), w->size()}; }

// Every change a window shows, on its labels, in its grids' change columns and in the journal's
// gain column; no other text carries an arrow. `seen` counts the changes.
void Check_Window(const QString& name, QWidget* window, const Change_Look& look, int& seen) {
    const QImage picture = window->grab().toImage();
    static const QRegularExpression change_label("^(change_\\d+|index_change|news_change|eps_\\d)$");
    for (QLabel* label : window->findChildren<QLabel*>()) {
        if (!label->isVisibleTo(window)) continue;
        if (!change_label.match(label->objectName()).hasMatch()) {
            QVERIFY2(label->text().isEmpty() || !Arrows.contains(label->text()[0]),
                     qPrintable(name + ": an arrow on " + label->text()));
            continue;
        }
        if (label->text().isEmpty()) continue;
        ++seen;
        Check_Change(name + " " + label->objectName(), label->text(), label->palette().color(label->foregroundRole()),
                     Ground(picture, Area_In(window, label)), look);
    }
    for (QTableWidget* grid : window->findChildren<QTableWidget*>()) {
        if (!grid->isVisibleTo(window)) continue;
        const QPoint origin = grid->viewport()->mapTo(window, QPoint(0, 0));
        for (int c = 0; c < grid->columnCount(); ++c) {
            const bool change = grid->horizontalHeaderItem(c) && grid->horizontalHeaderItem(c)->text() == "Change (%)";
            for (int r = 0; r < grid->rowCount(); ++r) {
                QTableWidgetItem* item = grid->item(r, c);
                if (!item || item->text().isEmpty()) continue;
                if (!change || item->text() == "Change (%)") {
                    QVERIFY2(!Arrows.contains(item->text()[0]), qPrintable(name + ": " + item->text()));
                    continue;
                }
                const QRect cell = grid->visualItemRect(item).translated(origin);
                if (!window->rect().contains(cell.center())) continue;  // scrolled away
                ++seen;
                Check_Change(name + " grid", item->text(), item->foreground().color(), Ground(picture, cell), look);
            }
        }
    }
    if (name == "journal") {
        QTableView* table = nullptr;
        for (QTableView* view : window->findChildren<QTableView*>())
            if (!qobject_cast<QTableWidget*>(view) && view->isVisibleTo(window)) table = view;
        QVERIFY(table);
        QAbstractItemModel* model = table->model();
        const QPoint origin = table->viewport()->mapTo(window, QPoint(0, 0));
        for (int c = 0; c < model->columnCount(); ++c) {
            const bool gain = model->headerData(c, Qt::Horizontal).toString() == "Gain";
            for (int r = 0; r < model->rowCount(); ++r) {
                const QModelIndex at = model->index(r, c);
                const QString text = at.data().toString();
                if (text.isEmpty()) continue;
                if (!gain) {
                    QVERIFY2(!Arrows.contains(text[0]), qPrintable("journal: " + text));
                    continue;
                }
                const QRect cell = table->visualRect(at).translated(origin);
                if (!window->rect().contains(cell.center())) continue;
                ++seen;
                Check_Change("journal gain", text, at.data(Qt::ForegroundRole).value<QColor>(), Ground(picture, cell), look);
            }
        }
    }
}

// A colour as an eye with one kind of colour-blindness sees it (linear RGB, full severity), in
// CIE L*a*b*: what tells two colours apart for that eye.
struct Lab {
    double L, a, b;
};
enum class Eye { Normal, Red_Blind, Green_Blind, Blue_Blind };
Lab Seen_By(const QColor& c, Eye eye) {
    auto linear = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    double rgb[3] = {linear(c.redF()), linear(c.greenF()), linear(c.blueF())};
    static const double kinds[4][3][3] = {
        {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}},
        {{0.152286, 1.052583, -0.204868}, {0.114503, 0.786281, 0.099216}, {-0.003882, -0.048116, 1.051998}},
        {{0.367322, 0.860646, -0.227968}, {0.280085, 0.672501, 0.047413}, {-0.011820, 0.042940, 0.968881}},
        {{1.255528, -0.076749, -0.178779}, {-0.078411, 0.930809, 0.147602}, {0.004733, 0.691367, 0.303900}},
    };
    const auto& m = kinds[static_cast<int>(eye)];
    double s[3];
    for (int i = 0; i < 3; ++i) s[i] = std::clamp(m[i][0] * rgb[0] + m[i][1] * rgb[1] + m[i][2] * rgb[2], 0.0, 1.0);
    const double X = (0.4124 * s[0] + 0.3576 * s[1] + 0.1805 * s[2]) / 0.95047;
    const double Y = 0.2126 * s[0] + 0.7152 * s[1] + 0.0722 * s[2];
    const double Z = (0.0193 * s[0] + 0.1192 * s[1] + 0.9505 * s[2]) / 1.08883;
    auto f = [](double t) { return t > 0.008856 ? std::cbrt(t) : 7.787 * t + 16.0 / 116; };
    return {116 * f(Y) - 16, 500 * (f(X) - f(Y)), 200 * (f(Y) - f(Z))};
}
double Apart(const QColor& x, const QColor& y, Eye eye) {
    const Lab p = Seen_By(x, eye), q = Seen_By(y, eye);
    return std::hypot(p.L - q.L, p.a - q.a, p.b - q.b);
}

}  // namespace

class Settings_Window_Test : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    Game game;
    Random rnd{7};
    std::unique_ptr<Main_Window> window;

    std::string Data() const { return (dir.path() + "/data").toStdString(); }

    void Start() {
        window = std::make_unique<Main_Window>(game, rnd);
        QVERIFY(window->Start_Up(Data()));
        window->show();
        QTRY_VERIFY(Child<Start_Window>(window.get(), "start")->isVisible());
    }

    void New_Game() {
        Modal_Answers answers;
        answers.Then(Click("&Go!"));
        Button(Child<Start_Window>(window.get(), "start"), "Start &New Game")->click();
        QVERIFY(answers.Done());
        // A few turns, so that the board shows gains, losses and no change.
        Child<QCheckBox>(window.get(), "news_alert")->setChecked(false);
        Child<QCheckBox>(window.get(), "world_alert")->setChecked(false);
        for (int t = 0; t < 3; ++t) Child<QPushButton>(window.get(), "end_turn_button")->click();
    }

    // The board's changes: their arrows and colours as they are now.
    QStringList Board_Texts() const {
        QStringList texts;
        for (int s = 0; s < Stock_Count; ++s) texts << Board_Label(window.get(), "change", s)->text();
        return texts;
    }
    QColor Board_Ink(int stock) const {
        QLabel* label = Board_Label(window.get(), "change", stock);
        return label->palette().color(label->foregroundRole());
    }
    int Stock_Of_Sign(int sign) const {
        for (int s = 0; s < Stock_Count; ++s)
            if (Sign_Of(Split(Board_Label(window.get(), "change", s)->text()).text) == sign) return s;
        return -1;
    }

    // The settings window, opened from its menu; `actions` run while it is open.
    void In_Settings(const std::function<void(QWidget*)>& actions, Modal_Answers* after = nullptr) {
        Modal_Answers own;
        Modal_Answers& answers = after ? *after : own;
        answers.Then([actions](QWidget* w) {
            QCOMPARE(w->windowTitle(), QString("Configure Bullquest"));
            actions(w);
            if (w->isVisible()) Nothing_Clipped(w);
        });
        Child<QAction>(window.get(), "configure_menu")->trigger();
        QVERIFY(answers.Done());
    }

private slots:
    void initTestCase() { QApplication::setStyle(QStyleFactory::create("Fusion")); }

    void init() {
        QApplication::setPalette(Light_Palette());
        game = Game{};
        rnd = Random(7);
        QDir(QString::fromStdString(Data())).removeRecursively();
    }
    void cleanup() {
        Modal_Answers answers([](QWidget* w) {
            if (!Button(w, "Do&n't Save")) return false;
            Click("Do&n't Save")(w);
            return true;
        });
        if (window) window->close();
        window.reset();
        Use_Change_Look({});
    }

    // Both settings in every window that shows a change, under a light and a dark palette.
    void arrows_and_safe_colours_show_every_change_readably_under_both_palettes() {
        for (const bool dark : {false, true}) {
            QApplication::setPalette(dark ? Dark_Palette() : Light_Palette());
            const Change_Look look{true, true};
            std::map<QString, int> seen;
            Every_Gallery_Window([&](const QString& name, QWidget* w) {
                // The gallery's game starts with the defaults: the look is chosen once it is up, and
                // again in the settings window, which opens with the settings kept.
                if (name == "start") Use_Change_Look(look);
                if (name == "settings") {
                    Child<QCheckBox>(w, "change_arrows")->click();
                    Child<QCheckBox>(w, "safe_colours")->click();
                    QCOMPARE(Current_Change_Look(), look);
                }
                if (QStringList{"main", "portfolio", "news", "research", "computer", "journal"}.contains(name))
                    Check_Window(name, w, look, seen[name]);
            });
            // 43 on the board; the grids, the quick quote, the four earnings and the journal.
            QVERIFY(seen["main"] >= 43);
            for (const char* name : {"portfolio", "news", "research", "computer", "journal"})
                QVERIFY2(seen[name] > 0, name);
            Use_Change_Look({});
        }
    }

    // The safe pair stays apart, and apart from no change, for each kind of colour-blindness,
    // in both palettes; the game's own colours hold while it is off.
    void the_safe_colours_stay_apart_for_colour_blind_eyes() {
        for (const QPalette& palette : {Light_Palette(), Dark_Palette()}) {
            for (QPalette::ColorRole ground : {QPalette::Window, QPalette::Base}) {
                QCOMPARE(Change_Colour(Colour::Red, palette, ground), Gain_Colour(Colour::Red, palette, ground));
                QCOMPARE(Change_Colour(Colour::Blue, palette, ground), Gain_Colour(Colour::Blue, palette, ground));
                Use_Change_Look({false, true});
                const QColor loss = Change_Colour(Colour::Red, palette, ground);
                const QColor gain = Change_Colour(Colour::Blue, palette, ground);
                const QColor none = Change_Colour(Colour::Black, palette, ground);
                QCOMPARE(none, Plain_Colour(palette, ground));
                for (Eye eye : {Eye::Normal, Eye::Red_Blind, Eye::Green_Blind, Eye::Blue_Blind}) {
                    QVERIFY2(Apart(loss, gain, eye) >= 30, qPrintable(loss.name() + " " + gain.name()));
                    QVERIFY2(Apart(loss, none, eye) >= 30, qPrintable(loss.name() + " " + none.name()));
                    QVERIFY2(Apart(gain, none, eye) >= 30, qPrintable(gain.name() + " " + none.name()));
                }
                for (const QColor& c : {loss, gain})
                    QVERIFY(Contrast_Ratio(c, palette.color(ground)) >= Readable_Contrast);
                Use_Change_Look({});
            }
        }
    }

    // Each choice shows at once, in the window behind; Cancel and Escape undo them, OK keeps
    // them for the next start.
    void the_window_shows_its_choices_at_once_and_keeps_them_on_ok() {
        Start();
        New_Game();
        QCOMPARE(Child<QAction>(window.get(), "configure_menu")->shortcut(),
                 QKeySequence(QKeySequence::Preferences).isEmpty() ? QKeySequence("Ctrl+Shift+,")
                                                                   : QKeySequence(QKeySequence::Preferences));
        const QStringList plain = Board_Texts();
        for (const QString& text : plain) QVERIFY(Split(text).arrow.isEmpty());
        const int gain = Stock_Of_Sign(1), loss = Stock_Of_Sign(-1);
        QVERIFY(gain >= 0 && loss >= 0);
        const QColor loss_ink = Board_Ink(loss);
        QCOMPARE(loss_ink, Gain_Colour(Colour::Red, Board_Label(window.get(), "change", loss)->parentWidget()->palette()));
        // The guide's first note may already be kept there; nothing the window does before OK is.
        const auto stored = [this] {
            QFile file(QString::fromStdString(Settings_Path(Data())));
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        };
        const QByteArray before = stored();

        In_Settings([&](QWidget* w) {
            QVERIFY(!Child<QCheckBox>(w, "change_arrows")->isChecked());
            Child<QCheckBox>(w, "change_arrows")->click();
            QCOMPARE(Split(Board_Label(window.get(), "change", gain)->text()).arrow, Gain_Arrow);
            QCOMPARE(Split(Board_Label(window.get(), "change", loss)->text()).arrow, Loss_Arrow);
            Child<QCheckBox>(w, "safe_colours")->click();
            QVERIFY(Board_Ink(loss) != loss_ink);
            Child<QComboBox>(w, "theme")->setCurrentIndex(2);
            QVERIFY(Is_Dark(QApplication::palette()));
            QTRY_VERIFY(Is_Dark(window->palette()));
            Child<QCheckBox>(w, "refusal_sound")->click();
            QVERIFY(!window->Game_Screens().Refusals_Sound());
            QTest::keyClick(w, Qt::Key_Escape);
            QVERIFY(!w->isVisible());
        });
        QCOMPARE(Board_Texts(), plain);
        QTRY_COMPARE(Board_Ink(loss), loss_ink);
        QVERIFY(!Is_Dark(QApplication::palette()));
        QVERIFY(window->Game_Screens().Refusals_Sound());
        QCOMPARE(stored(), before);

        In_Settings([&](QWidget* w) {
            Child<QCheckBox>(w, "change_arrows")->click();
            Child<QComboBox>(w, "theme")->setCurrentIndex(2);
            Child<QCheckBox>(w, "guide")->click();
            Child<QCheckBox>(w, "refusal_sound")->click();
            Child<QComboBox>(w, "language")->setCurrentIndex(2);
            Click("OK", true)(w);
        });
        QCOMPARE(Split(Board_Label(window.get(), "change", gain)->text()).arrow, Gain_Arrow);
        QVERIFY(Is_Dark(QApplication::palette()));
        QVERIFY(!window->Game_Screens().Refusals_Sound());
        Player_Settings kept;
        kept.Theme = Theme_Choice::Dark;
        kept.Change_Arrows = true;
        kept.Refusal_Sound = false;
        kept.Language = Language_Choice::German;
        QCOMPARE(*Read_Player_Settings(Data()), kept);
        QVERIFY(!Open_Guide_Book(Data()).On);

        // Its Help button offers the settings' own topic.
        Modal_Answers help;
        help.Then([](QWidget* w) {
            QCOMPARE(w->windowTitle(), QString("Configure Bullquest"));
            Click("Help", true)(w);
        });
        help.Then([](QWidget* w) {
            QStringList topics;
            auto* list = Child<QListWidget>(w, "topics");
            for (int i = 0; i < list->count(); ++i) topics << list->item(i)->text();
            QCOMPARE(topics, (QStringList{"Table of Contents", "Configuring Bullquest"}));
            Click("&Cancel")(w);
        });
        help.Then(Click("Cancel"));
        Child<QAction>(window.get(), "configure_menu")->trigger();
        QVERIFY(help.Done());

        // The next start puts them in force; following the desktop again brings its palette back.
        cleanup();
        QApplication::setPalette(Light_Palette());
        Start();
        New_Game();
        QVERIFY(Is_Dark(QApplication::palette()));
        QCOMPARE(Split(Board_Label(window.get(), "change", Stock_Of_Sign(-1))->text()).arrow, Loss_Arrow);
        In_Settings([&](QWidget* w) {
            QVERIFY(Child<QCheckBox>(w, "change_arrows")->isChecked());
            QVERIFY(!Child<QCheckBox>(w, "guide")->isChecked());
            QCOMPARE(Child<QComboBox>(w, "language")->currentIndex(), 2);
            Child<QComboBox>(w, "theme")->setCurrentIndex(0);
            QVERIFY(!Is_Dark(QApplication::palette()));
            Click("OK", true)(w);
        });
        QCOMPARE(Read_Player_Settings(Data())->Theme, Theme_Choice::Desktop);
    }

    // A damaged settings file: the defaults in force, the file kept, the player told once.
    void a_damaged_settings_file_is_kept_and_the_player_told_once() {
        QDir().mkpath(QString::fromStdString(Data()));
        const std::string damaged = "\"Change Arrows\",\"on\"\r\n\"Theme\"\r\n";
        QVERIFY(Write_File_Atomic(Settings_Path(Data()), damaged));
        Start();
        New_Game();
        for (const QString& text : Board_Texts()) QVERIFY(Split(text).arrow.isEmpty());
        int told = 0;
        const auto message = [&](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            if (!box) return false;
            if (box->text().toStdString() == File_Message(File_Task::Settings)) ++told;
            box->accept();
            return true;
        };
        {
            Modal_Answers answers(message);
            In_Settings([](QWidget* w) {
                Child<QCheckBox>(w, "change_arrows")->click();
                Click("OK", true)(w);
            }, &answers);
        }
        QCOMPARE(told, 1);
        QCOMPARE(Split(Board_Label(window.get(), "change", Stock_Of_Sign(1))->text()).arrow, Gain_Arrow);
        {
            Modal_Answers answers(message);
            In_Settings([](QWidget* w) {
                QVERIFY(Child<QCheckBox>(w, "change_arrows")->isChecked());  // held until the program ends
                Child<QCheckBox>(w, "safe_colours")->click();
                Click("OK", true)(w);
            }, &answers);
            QTest::qWait(50);
        }
        QCOMPARE(told, 1);
        QVERIFY(Current_Change_Look().Safe_Colours);
        QCOMPARE(*Read_File(Settings_Path(Data())), damaged);
    }
};

QTEST_MAIN(Settings_Window_Test)
#include "settings_window_test.moc"
