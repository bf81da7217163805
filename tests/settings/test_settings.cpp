// The settings file and the settings store on it: reading rules, edits that
// keep every other byte, files that are not what they should be, the value
// forms written, values that must not reach the game, the window placement,
// and the record of decided games.
#include "platform/IniFile.h"
#include "shell/RecordStore.h"
#include "shell/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <climits>
#include <fstream>
#include <functional>
#include <iterator>

#include <sys/stat.h>

using namespace splot;

namespace {

// A 1280 x 800 pixel screen whose task bar takes the bottom 40 pixels, a second
// screen to its right, and the window as start-up leaves it before Load: centred
// on the first screen at its design size (4905, 2827).
const ScreenInfo kScreens{19200, 12000, {TwipRect{0, 0, 19200, 11400}, TwipRect{19200, 0, 19200, 12000}}};
const WindowPlacement kCentred{0, (19200 - 9390) / 2, (12000 - 6345) / 2, 9390, 6345};

// Whole settings as text, so that one comparison shows every field.
QString text(const GameSettings& s)
{
    return QString::asprintf(
        "Feld %d Computer %d Fett %d Duese %d Sound %d Tips %d Stufe %d Rot '%s' Blau '%s' Text %d",
        s.wallSize, s.computerPlaysRed, s.greaseSpots, s.blockedNozzle, s.soundOn, s.hintsOn, s.level,
        s.redName.c_str(), s.blueName.c_str(), s.showStory);
}

// A whole record as text: the human's wins, losses and draws by level, then two players' results.
QString text(const GameRecord& r)
{
    QString s;
    for (const auto& [name, c] : {std::pair{"won", r.won}, {"lost", r.lost}, {"drawn", r.drawn}})
        s += QString::asprintf("%s %d %d %d %d %d ", name, c[0], c[1], c[2], c[3], c[4]);
    return s + QString::asprintf("red %d blue %d draws %d", r.redWon, r.blueWon, r.humanDraws);
}
const QString kZeros = "won 0 0 0 0 0 lost 0 0 0 0 0 drawn 0 0 0 0 0 red 0 blue 0 draws 0";

} // namespace

class TestSettings : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    const QString path_ = dir_.filePath(QStringLiteral("splot.ini"));
    const std::string file_ = QFile::encodeName(path_).toStdString();

    void put(const std::string& bytes) { QVERIFY(std::ofstream(file_, std::ios::binary) << bytes); }
    std::string bytes() const
    {
        std::ifstream in(file_, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    SettingsStore store() { return SettingsStore(std::make_unique<IniFile>(file_)); }
    struct Loaded {
        WindowPlacement placement;
        GameSettings settings;
    };
    Loaded load()
    {
        // Load must fill every field.
        Loaded l{kCentred, GameSettings{99, 99, 99, 99, 99, 99, 99, "x", "y", 99}};
        store().load(kScreens, l.placement, l.settings);
        return l;
    }
    // The settings file alone, no temporary file left behind.
    QStringList folder() const
    {
        return QDir(dir_.path())
            .entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot);
    }

  private slots:
    void init() { QVERIFY(QDir(dir_.path()).removeRecursively() && QDir().mkpath(dir_.path())); }

    // One line below [Einstellungen]; "Feld" read as a number (default 77) and as a name (default "dflt").
    void readingRules()
    {
        const std::pair<std::string, QString> rows[] = {
            {"Feld=5abc", "5 '5abc'"},                         // digits then letters
            {"Sound= 8", "77 'dflt'"},                         // missing
            {" \tfELD \t=  ' -4'  ", "-4 ' -4'"},              // blanks, case, single quotes
            {"Feld=99999999999", "2147483647 '99999999999'"},  // too large
            {"Feld=-2147483648", "-2147483648 '-2147483648'"}, // the smallest
            {"Feld=\"12'", "0 '\"12''"},                       // unlike quotes
            {"Feld=1\n[Einstellungen]\nFeld=2", "1 '1'"},      // the first section
            {"; Feld=3\nFeld=4", "4 '4'"}};                    // a comment
        for (const auto& [line, read] : rows) {
            put("[Einstellungen]\n" + line + "\n");
            IniFile f(file_);
            QCOMPARE(QString::asprintf("%d '%s'", f.getInt("Einstellungen", "Feld", 77),
                                       f.getString("Einstellungen", "Feld", "dflt", 25).c_str()),
                     read);
        }
        // Names match without case, Latin-1 letters included; the signs between them are no letters.
        QCOMPARE(ini::findValue("[s]\nx\xC3\xA4=1\n", "S", "X\xC3\x84").value_or("none"), "1");
        QCOMPARE(ini::findValue("[s]\nx\xC3\x97=1\n", "S", "X\xC3\xB7").value_or("none"), "none");
        // A character cut by the end of the bytes is no UTF-8, whatever lies beyond them.
        QVERIFY(!ini::isValidUtf8(std::string_view("a\xC3\xA4", 2)));
    }

    // Writes through the file or the store, and the whole file after them: every other byte kept.
    void editsKeepEveryOtherByte()
    {
        // Grease spots stored as the check-box state 1; a long name written whole (26 characters of
        // two and three bytes).
        const GameSettings choices{.greaseSpots = kTrue, .redName = "ÄÖÜäöüÄÖÜäöüÄÖÜäöüÄÖÜä€ẞßx"};
        const WindowPlacement normal{0, 1500, -900, 10500, 7500};
        const struct {
            std::string before;
            std::function<bool(SettingsStore&)> edit;
            std::string after;
        } rows[] = {
            // In place; a new key after the last key of its section (comments are no keys), a
            // new section at the end, both with the file's line breaks.
            {"; mine\r\n\r\n[Other]\r\nFeld=99\r\n[einstellungen]\r\n  FELD = 12   \r\nSPIELSTÄRKE=3\r\n"
             "; Tips=1\r\n\r\n[Window]\r\nStatus=\t2",
             [](SettingsStore& s) {
                 ProfileFile& f = s.file();
                 return f.writeString("Einstellungen", "Feld", " 7") &&
                        f.writeString("Einstellungen", "Tips", " 0") && f.writeString("Neu", "a", "b");
             },
             "; mine\r\n\r\n[Other]\r\nFeld=99\r\n[einstellungen]\r\n  FELD = 7\r\nSPIELSTÄRKE=3\r\n"
             "Tips= 0\r\n; Tips=1\r\n\r\n[Window]\r\nStatus=\t2\r\n[Neu]\r\na=b"},
            {"[Einstellungen]\rFeld=11\r",
             [](SettingsStore& s) { return s.markStoryShown() && s.saveWindowState(1); },
             "[Einstellungen]\rFeld=11\rText=0\r[Window]\rStatus= 1\r"},
            // Latin-1 stays Latin-1 until a character it lacks turns the whole file into UTF-8.
            {"[Einstellungen]\nD\xFCse_verstopft=1\nRot=J\xFCrgen\n",
             [](SettingsStore& s) { return s.file().writeString("Einstellungen", "Blau", "Bär"); },
             "[Einstellungen]\nD\xFCse_verstopft=1\nRot=J\xFCrgen\nBlau=B\xE4r\n"},
            {"[Einstellungen]\nD\xFCse_verstopft=1\nBlau=B\xE4r\n",
             [](SettingsStore& s) { return s.file().writeString("Einstellungen", "Blau", "Łucja"); },
             "[Einstellungen]\nDüse_verstopft=1\nBlau=Łucja\n"},
            // Closing in the normal state writes the placement.
            {"[Window]\nStatus= 2\n", [&](SettingsStore& s) { return s.savePlacement(normal); },
             "[Window]\nStatus= 0\nLeft= 1500\nTop=-900\nWidth= 10500\nHeight= 7500\n"},
            // The values in the forms the file has always had.
            {"", [&](SettingsStore& s) { return s.markStoryShown() && s.saveChoices(choices); },
             "[Einstellungen]\nText=0\nFeld= 8\nSound= 1\nFettflecken= 1\nDüse_verstopft= 0\nTips= 0\n"
             "Spielstärke= 1\nRot=ÄÖÜäöüÄÖÜäöüÄÖÜäöüÄÖÜä€ẞßx\nBlau=Pelko\nComputer=-1\n"},
        };
        for (const auto& row : rows) {
            put(row.before);
            SettingsStore settings(std::make_unique<IniFile>(file_));
            QVERIFY(row.edit(settings));
            QCOMPARE(bytes(), row.after);
        }
        QCOMPARE(folder(), QStringList{QStringLiteral("splot.ini")});
        QCOMPARE(load().settings.redName, std::string("ÄÖÜäöüÄÖÜäöüÄÖÜäöüÄÖÜä€ẞ")); // read back cut
    }

    // A file the user made read-only (0444 in a writable folder) keeps every
    // byte and its mode; every write says it failed. Writable again, it takes them.
    void aReadOnlyFileIsLeftAsItIs()
    {
        const std::string frozen = "[Einstellungen]\r\nFeld= 11\r\n[Window]\r\nStatus= 0\r\nLeft= 1500\r\n";
        put(frozen);
        const auto readOnly = QFile::ReadOwner | QFile::ReadUser | QFile::ReadGroup | QFile::ReadOther;
        QVERIFY(QFile::setPermissions(path_, readOnly));
        const GameSettings other{.wallSize = 9};
        QVERIFY(!store().saveChoices(other) && !store().markStoryShown() && !store().saveWindowState(2));
        QCOMPARE(bytes(), frozen);

        QVERIFY(QFile::setPermissions(path_, readOnly | QFile::WriteOwner | QFile::WriteUser));
        QVERIFY(store().saveChoices(other));
        QCOMPARE(load().settings.wallSize, 9);
        QCOMPARE(QFile::permissions(path_), readOnly | QFile::WriteOwner | QFile::WriteUser); // kept
        const QString link = dir_.filePath(QStringLiteral("link.ini")); // written through a link
        QVERIFY(QFile::link(path_, link));
        QVERIFY(IniFile(QFile::encodeName(link).toStdString()).writeString("Einstellungen", "Feld", " 10"));
        QVERIFY(QFileInfo(link).isSymLink() && load().settings.wallSize == 10); // a link stays one
    }

    // A directory, a pipe (reading must not hang), a file larger than the limit.
    void unusableFilesReadAsDefaultsAndAreNeverReplaced()
    {
        for (int kind = 0; kind < 3; ++kind) {
            init();
            if (kind == 0)
                QVERIFY(QDir().mkpath(path_));
            else if (kind == 1)
                QVERIFY(::mkfifo(file_.c_str(), 0600) == 0);
            else
                put("[Einstellungen]\nFeld=11\n" + std::string(IniFile::kMaxFileBytes, ' '));
            const qint64 size = QFileInfo(path_).size();
            QCOMPARE(text(load().settings), text(GameSettings{}));
            QVERIFY(!store().saveChoices(GameSettings{}));
            QCOMPARE(QFileInfo(path_).size(), size);
            QCOMPARE(folder(), QStringList{QStringLiteral("splot.ini")});
        }
    }

    // What the game reads: defaults, every value the dialog writes, and values it never
    // writes (the readers' rules, clamped to what the game is built for).
    void storedValuesAsTheGameReadsThem()
    {
        QCOMPARE(text(load().settings), QStringLiteral("Feld 8 Computer -1 Fett 0 Duese 0 Sound 1 Tips 0 "
                                                       "Stufe 1 Rot 'Tulla' Blau 'Pelko' Text -1"));
        QCOMPARE(bytes(), std::string()); // and loading wrote nothing
        put("[Einstellungen]\nComputer=5\nSound= 2\nTips= 2\nFettflecken= 2\nDüse_verstopft=-7\nFeld=65542\n"
            "Spielstärke=-2\nText=65536\n");
        QCOMPARE(text(load().settings), QStringLiteral("Feld 15 Computer -1 Fett -1 Duese -1 Sound 0 Tips 0 "
                                                       "Stufe 0 Rot 'Tulla' Blau 'Pelko' Text -1"));
        put("[Einstellungen]\nComputer= 0\nSound= 1\nTips= 1\nFeld=abc\nSpielstärke= 7\n");
        QCOMPARE(text(load().settings), QStringLiteral("Feld 6 Computer 0 Fett 0 Duese 0 Sound 1 Tips 1 "
                                                       "Stufe 4 Rot 'Tulla' Blau 'Pelko' Text -1"));
        const std::string names[] = {
            "",         "Jürgen", "Łucja 李", "  blanks around  ",
            "'quoted'", "\"dq\"", "\"",       "ÄÖÜäöüÄÖÜäöüÄÖÜäöüÄÖÜäöü"}; // the last has 24 characters
        const auto flag = [](int on) { return on ? kTrue : kFalse; };
        for (int n = 0; n < 50; ++n) { // every wall size with every level
            const GameSettings s{i16(6 + n % 10),    flag(n & 1),     flag(n & 2), flag(n & 4),
                                 i16(n >> 3 & 1),    i16(n >> 4 & 1), i16(n / 10), names[n % 8],
                                 names[(n + 3) % 8], kFalse};
            QVERIFY(store().saveChoices(s) && store().markStoryShown());
            QCOMPARE(text(load().settings), text(s));
        }
        QList<bool> zoom; // on only for exactly 1
        for (const char* value : {"1", " 1 ", "'1'", "2", "-1", "yes", ""}) {
            put(std::string("[ansicht]\nzoom=") + value + "\n");
            zoom.append(store().zoomWithWindow());
        }
        QCOMPARE(zoom, (QList<bool>{true, true, true, false, false, false, false}));
    }

    // The [Window] section as stored, and the placement Load gives.
    void windowPlacementRules()
    {
        const std::pair<const char*, const char*> rows[] = {
            {"2,150,300,12000,9000", "2: 4905,2827 9390x6345"},  // maximized: the placement is not read
            {"0,-300,-1,12000,9000", "0: 4905,2827 12000x9000"}, // centred from the size before
            {"0", "0: 4905,2827 9600x6900"},                     // no keys
            {"7,150,300,12000,9000", "2: 4905,2827 9390x6345"},  // a state that does not exist
            {"0,30000,300,9600,6900", "0: 30000,300 9600x6900"}, // on the second screen
            // Off every screen (a third monitor that is gone), or only a sliver on one: centred on the first.
            {"0,40000,300,9600,6900", "0: 4800,2250 9600x6900"},
            {"0,38000,300,9600,6900", "0: 4800,2250 9600x6900"},
            {"0,2147483647,2147483647,9600,6900", "0: 4800,2250 9600x6900"}};
        for (const auto& [stored, expected] : rows) {
            const QStringList v = QString(stored).split(',');
            std::string section = "[Window]\nStatus=" + v[0].toStdString() + "\n";
            for (int k = 1; k < v.size(); ++k)
                section +=
                    std::array{"", "Left=", "Top=", "Width=", "Height="}[k] + v[k].toStdString() + "\n";
            put(section);
            const WindowPlacement p = load().placement; // "state: left,top widthxheight"
            QCOMPARE(QString::asprintf("%d: %d,%d %dx%d", p.windowState, p.windowLeft, p.windowTop,
                                       p.windowWidth, p.windowHeight),
                     QString(expected));
        }
    }

    // The record in "[Statistik]", every count in its own key written like the file's other numbers:
    // results as the games end, the whole file after them, the record after a restart; the reset
    // asks nothing and zeroes every count. What is not a count reads 0.
    void eachResultCountsInItsOwnKeyAndSurvivesARestart()
    {
        const GameResult played[] = {{true, 1, kBlue},  {true, 1, kBlue},   {true, 4, kRed},
                                     {true, 9, kEmpty}, {true, -1, kBlue},  {false, 0, kRed},
                                     {false, 3, kBlue}, {false, 0, kEmpty}, {true, 2, kRed}};
        IniFile file(file_);
        RecordStore counting(file);
        GameRecord counted = counting.load(); // no file: all zeros
        QCOMPARE(text(counted), kZeros);
        for (const GameResult& r : played) {
            counted.count(r, 1);
            QVERIFY(counting.save(counted, r));
        }
        QCOMPARE(bytes(),
                 std::string("[Statistik]\nGewonnen1= 2\nVerloren4= 1\nUnentschieden4= 1\nGewonnen0= 1\n"
                             "Rot_gewonnen= 1\nBlau_gewonnen= 1\nUnentschieden= 1\nVerloren2= 1\n"));
        IniFile again(file_); // after a restart
        RecordStore records(again);
        GameRecord record = records.load();
        QCOMPARE(text(record), "won 1 2 0 0 0 lost 0 0 1 0 1 drawn 0 0 0 0 1 red 1 blue 1 draws 1");
        record.count({true, 0, kBlue}, -1);
        record.count({true, 0, kBlue}, -1); // never below 0
        QCOMPARE(text(record), "won 0 2 0 0 0 lost 0 0 1 0 1 drawn 0 0 0 0 1 red 1 blue 1 draws 1");
        QVERIFY(records.reset(record));
        QCOMPARE(text(record), kZeros);
        QCOMPARE(text(records.load()), kZeros);
        QCOMPARE(QString::fromStdString(bytes()).count("= 0\n"), 18);
        // One value a key, read as a count or as 0.
        put("[Statistik]\nGewonnen0=7\nGewonnen1= 7\nGewonnen2=  12  \nGewonnen3=-3\nGewonnen4=+4\n"
            "Verloren0=abc\nVerloren1=12abc\nVerloren2=1 2\nVerloren3=\nVerloren4=3.5\n"
            "Unentschieden0=999999999\nUnentschieden1=1000000000\nUnentschieden2=99999999999999999999\n"
            "Unentschieden3=\"5\"\nBlau_gewonnen= 4\nRot_gewonnen=x\n");
        IniFile f(file_);
        QCOMPARE(text(RecordStore(f).load()),
                 "won 7 7 12 0 0 lost 0 0 0 0 0 drawn 999999999 0 0 5 0 red 0 blue 4 draws 0");
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "test_settings.moc"
