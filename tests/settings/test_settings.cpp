// The settings file and the settings store on it: reading rules, edits that
// keep every other byte, files that are not what they should be, the value
// forms written, values that must not reach the game, and the window placement.
#include "platform/IniFile.h"
#include "shell/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <climits>
#include <fstream>
#include <iterator>
#include <random>

#include <sys/stat.h>

using namespace splot;

namespace {

// A 1280 x 800 pixel screen whose task bar takes the bottom 40 pixels, a second
// screen to its right, and the window as start-up leaves it before Load: centred
// on the first screen at its design size.
const ScreenInfo kScreens{19200, 12000, {TwipRect{0, 0, 19200, 11400}, TwipRect{19200, 0, 19200, 12000}}};
const WindowPlacement kCentred{0, (19200 - 9390) / 2, (12000 - 6345) / 2, 9390, 6345}; // 4905, 2827

// Whole records as text, so that one comparison shows every field. A placement
// reads "state: left,top widthxheight".
QString text(const WindowPlacement& p)
{
    return QString::asprintf("%d: %d,%d %dx%d", p.windowState, p.windowLeft, p.windowTop, p.windowWidth,
                             p.windowHeight);
}
QString text(const GameSettings& s)
{
    return QString::asprintf(
        "Feld %d Computer %d Fett %d Duese %d Sound %d Tips %d Stufe %d Rot '%s' Blau '%s' Text %d",
        s.wallSize, s.computerPlaysRed, s.greaseSpots, s.blockedNozzle, s.soundOn, s.hintsOn, s.level,
        s.redName.c_str(), s.blueName.c_str(), s.showStory);
}

// The [Window] section of a stored placement.
QByteArray window(int state, int left, int top, int width, int height)
{
    return QString::asprintf("Status=%d\nLeft=%d\nTop=%d\nWidth=%d\nHeight=%d", state, left, top, width,
                             height)
        .toUtf8();
}

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

    // ---- the file --------------------------------------------------------

    // One line below [Einstellungen]; "Feld" read as a number (default 77) and as a name (default "dflt").
    void readingRules_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("name");
        QTest::newRow("blank before") << QByteArray("Feld= 8") << 8 << "8";
        QTest::newRow("minus") << QByteArray("Feld=-1") << -1 << "-1";
        QTest::newRow("digits then letters") << QByteArray("Feld=5abc") << 5 << "5abc";
        QTest::newRow("no digits") << QByteArray("Feld=abc") << 0 << "abc";
        QTest::newRow("missing") << QByteArray("Sound= 8") << 77 << "dflt";
        QTest::newRow("double quotes") << QByteArray("Feld=\"12\"") << 12 << "12";
        QTest::newRow("blanks, case, single quotes") << QByteArray(" \tfELD \t=  ' -4'  ") << -4 << " -4";
        QTest::newRow("too large") << QByteArray("Feld=99999999999") << INT_MAX << "99999999999";
        QTest::newRow("smallest") << QByteArray("Feld=-2147483648") << INT_MIN << "-2147483648";
        QTest::newRow("one quote") << QByteArray("Feld=\"12") << 0 << "\"12";
    }
    void readingRules()
    {
        QFETCH(QByteArray, line);
        QFETCH(int, number);
        QFETCH(QString, name);
        put("[Einstellungen]\n" + line.toStdString() + "\n");
        QCOMPARE(IniFile(file_).getInt("Einstellungen", "Feld", 77), number);
        QCOMPARE(QString::fromStdString(IniFile(file_).getString("Einstellungen", "Feld", "dflt", 25)), name);
    }

    // Names match without case, Latin-1 letters included; the signs between them are no letters.
    void namesIgnoreCaseButTimesIsNotDivide()
    {
        QCOMPARE(ini::findValue("[s]\nx\xC3\xA4=1\n", "S", "X\xC3\x84").value_or("none"), "1");
        QCOMPARE(ini::findValue("[s]\nx\xC3\x97=1\n", "S", "X\xC3\xB7").value_or("none"), "none");
        // A character cut by the end of the bytes is no UTF-8, whatever lies beyond them.
        QVERIFY(!ini::isValidUtf8(std::string_view("a\xC3\xA4", 2)));
    }

    void editsKeepAnOddFileByteForByte()
    {
        const std::string odd = "; written by hand\r\n\r\n[Other]\r\nFeld=99\r\n"
                                "[einstellungen]\r\n  FELD = 12   \r\nSPIELSTÄRKE=3\r\n; Tips=1\r\n\r\n"
                                "[Window]\r\nStatus=\t2"; // no final line break
        put(odd);
        IniFile f(file_);
        QVERIFY(f.writeString("Einstellungen", "Feld", " 7"));
        std::string expected = odd;
        expected.replace(expected.find("  FELD = 12   "), 14, "  FELD = 7");
        QCOMPARE(bytes(), expected);
        // A new key goes after the last key of its section (comments are no keys), with the
        // file's line breaks...
        QVERIFY(f.writeString("Einstellungen", "Tips", " 0"));
        expected.insert(expected.find("; Tips=1"), "Tips= 0\r\n");
        QCOMPARE(bytes(), expected);
        // ...and a new section at the end.
        QVERIFY(f.writeString("Neu", "a", "b"));
        QCOMPARE(bytes(), expected + "\r\n[Neu]\r\na=b");
        QCOMPARE(folder(), QStringList{QStringLiteral("splot.ini")});
    }

    // New lines end as the file's lines end: CR LF, old-Mac CR alone, or LF.
    void newLinesTakeTheFilesLineBreak()
    {
        for (const std::string e : {"\r\n", "\r", "\n"}) {
            put("[Einstellungen]" + e + "Feld=11" + e);
            QVERIFY(store().markStoryShown());   // a new key in the section
            QVERIFY(store().saveWindowState(1)); // a new section
            QCOMPARE(bytes(),
                     "[Einstellungen]" + e + "Feld=11" + e + "Text=0" + e + "[Window]" + e + "Status= 1" + e);
            QCOMPARE((QList<int>{load().settings.wallSize, load().placement.windowState}),
                     (QList<int>{11, 1}));
        }
    }

    // A file the user made read-only (0444 in a writable folder) keeps every
    // byte and its mode; every write says it failed. Writable again, it takes them.
    void aReadOnlyFileIsLeftAsItIs()
    {
        const std::string frozen = "[Einstellungen]\r\nFeld= 11\r\n[Window]\r\nStatus= 0\r\nLeft= 1500\r\n";
        put(frozen);
        const auto readOnly = QFile::ReadOwner | QFile::ReadUser | QFile::ReadGroup | QFile::ReadOther;
        QVERIFY(QFile::setPermissions(path_, readOnly));
        GameSettings other;
        other.wallSize = 9;
        QVERIFY(!store().saveChoices(other));
        QVERIFY(!store().markStoryShown());
        QVERIFY(!store().saveWindowState(2));
        QVERIFY(!store().savePlacement(WindowPlacement{0, 3000, 900, 10500, 7500}));
        QCOMPARE(bytes(), frozen);
        struct stat st {};
        QVERIFY(::stat(file_.c_str(), &st) == 0);
        QCOMPARE(st.st_mode & 07777, 0444u);
        QCOMPARE(folder(), QStringList{QStringLiteral("splot.ini")});
        QCOMPARE(load().settings.wallSize, 11);
        // Also through a symbolic link to it.
        const QString link = dir_.filePath(QStringLiteral("link.ini"));
        QVERIFY(QFile::link(path_, link));
        QVERIFY(!IniFile(QFile::encodeName(link).toStdString()).writeString("Einstellungen", "Feld", " 9"));
        QCOMPARE(bytes(), frozen);

        QVERIFY(QFile::setPermissions(path_, readOnly | QFile::WriteOwner | QFile::WriteUser));
        QVERIFY(store().saveChoices(other));
        QCOMPARE(load().settings.wallSize, 9);
        QCOMPARE(QFile::permissions(path_), readOnly | QFile::WriteOwner | QFile::WriteUser); // kept
    }

    void latin1FilesStayLatin1UntilTheyCannot()
    {
        put("[Einstellungen]\nD\xFCse_verstopft=1\nRot=J\xFCrgen\n");
        QCOMPARE(text(load().settings), QStringLiteral("Feld 8 Computer -1 Fett 0 Duese -1 Sound 1 Tips 0 "
                                                       "Stufe 1 Rot 'Jürgen' Blau 'Pelko' Text -1"));
        QVERIFY(IniFile(file_).writeString("Einstellungen", "Blau", "Bär"));
        QCOMPARE(bytes(), std::string("[Einstellungen]\nD\xFCse_verstopft=1\nRot=J\xFCrgen\nBlau=B\xE4r\n"));
        // A character Latin-1 lacks turns the whole file into UTF-8.
        QVERIFY(IniFile(file_).writeString("Einstellungen", "Blau", "Łucja"));
        QCOMPARE(bytes(), std::string("[Einstellungen]\nDüse_verstopft=1\nRot=Jürgen\nBlau=Łucja\n"));
    }

    void unusableFilesReadAsDefaultsAndAreNeverReplaced_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("directory") << "directory";
        QTest::newRow("pipe") << "pipe"; // reading must not hang
        QTest::newRow("larger than the limit") << "huge";
    }
    void unusableFilesReadAsDefaultsAndAreNeverReplaced()
    {
        QFETCH(QString, kind);
        if (kind == "directory")
            QVERIFY(QDir().mkpath(path_));
        else if (kind == "pipe")
            QVERIFY(::mkfifo(file_.c_str(), 0600) == 0);
        else
            put("[Einstellungen]\nFeld=11\n" + std::string(IniFile::kMaxFileBytes, ' '));
        const qint64 size = QFileInfo(path_).size();
        QCOMPARE(text(load().settings), text(GameSettings{}));
        QVERIFY(!store().saveChoices(GameSettings{}));
        QCOMPARE(QFileInfo(path_).size(), size);
        QCOMPARE(folder(), QStringList{QStringLiteral("splot.ini")});
    }

    void binaryGarbageAroundGoodLinesIsKept()
    {
        std::mt19937 rng(20261206);
        std::string garbage(65536, '\0');
        std::generate(garbage.begin(), garbage.end(), [&rng] { return static_cast<char>(rng() & 0xFF); });
        put(garbage + "\n[Einstellungen]\nFeld=11\n" + garbage);
        QVERIFY(IniFile(file_).writeString("Einstellungen", "Feld", " 9"));
        QCOMPARE(bytes(), garbage + "\n[Einstellungen]\nFeld= 9\n" + garbage);
    }

    // ---- the choices -----------------------------------------------------

    void firstStartThenTheStoryThenOk()
    {
        QCOMPARE(text(load().settings), QStringLiteral("Feld 8 Computer -1 Fett 0 Duese 0 Sound 1 Tips 0 "
                                                       "Stufe 1 Rot 'Tulla' Blau 'Pelko' Text -1"));
        QCOMPARE(load().placement.windowState, 2); // maximized
        QVERIFY(store().markStoryShown());
        QCOMPARE(bytes(), std::string("[Einstellungen]\nText=0\n")); // and loading wrote nothing
        // The values in the forms the file has always had; a long name is written whole, read back cut.
        GameSettings s;
        s.greaseSpots = kTrue;                    // stored as the check-box state 1
        s.redName = "ÄÖÜäöüÄÖÜäöüÄÖÜäöüÄÖÜä€ẞßx"; // 26 characters of two and three bytes
        QVERIFY(store().saveChoices(s));
        QCOMPARE(bytes(), "[Einstellungen]\nText=0\nFeld= 8\nSound= 1\nFettflecken= 1\nDüse_verstopft= 0\n"
                          "Tips= 0\nSpielstärke= 1\nRot=" +
                              s.redName + "\nBlau=Pelko\nComputer=-1\n");
        QCOMPARE(load().settings.redName, std::string("ÄÖÜäöüÄÖÜäöüÄÖÜäöüÄÖÜä€ẞ"));
    }

    void everyDialogValueReadsBackUnchanged()
    {
        const std::string names[] = {
            "",         "Jürgen", "Łucja 李", "  blanks around  ",
            "'quoted'", "\"dq\"", "\"",       "ÄÖÜäöüÄÖÜäöüÄÖÜäöüÄÖÜäöü"}; // the last has 24 characters
        const auto flag = [](int on) { return on ? kTrue : kFalse; };
        for (int n = 0; n < 50; ++n) { // every wall size with every level
            const GameSettings s{i16(6 + n % 10),    flag(n & 1),     flag(n & 2), flag(n & 4),
                                 i16(n >> 3 & 1),    i16(n >> 4 & 1), i16(n / 10), names[n % 8],
                                 names[(n + 3) % 8], kFalse};
            QVERIFY(store().saveChoices(s));
            QVERIFY(store().markStoryShown());
            QCOMPARE(text(load().settings), text(s));
        }
    }

    // Values the dialog never writes: the readers' rules, and clamping to what the game is built for.
    void storedValuesAsTheGameReadsThem()
    {
        put("[Einstellungen]\nComputer=5\nSound= 2\nTips= 2\nFettflecken= 2\nDüse_verstopft=-7\nFeld=65542\n"
            "Spielstärke=-2\nText=65536\n");
        QCOMPARE(text(load().settings), QStringLiteral("Feld 15 Computer -1 Fett -1 Duese -1 Sound 0 Tips 0 "
                                                       "Stufe 0 Rot 'Tulla' Blau 'Pelko' Text -1"));
        put("[Einstellungen]\nComputer= 0\nSound= 1\nTips= 1\nFeld=abc\nSpielstärke= 7\n");
        QCOMPARE(text(load().settings), QStringLiteral("Feld 6 Computer 0 Fett 0 Duese 0 Sound 1 Tips 1 "
                                                       "Stufe 4 Rot 'Tulla' Blau 'Pelko' Text -1"));
    }

    // Zoom with window: off without its section; on only for exactly 1; written in a section of
    // its own at the end, every other byte kept, and turned off again in place.
    void zoomWithWindowInItsOwnSection()
    {
        const std::string before = "; mine\r\n[Einstellungen]\r\nFeld= 9\r\n[Window]\r\nStatus= 0";
        put(before);
        QVERIFY(!store().zoomWithWindow());
        QVERIFY(store().saveZoomWithWindow(true));
        QCOMPARE(bytes(), before + "\r\n[Ansicht]\r\nZoom= 1");
        QVERIFY(store().zoomWithWindow());
        QVERIFY(store().saveZoomWithWindow(false));
        QCOMPARE(bytes(), before + "\r\n[Ansicht]\r\nZoom= 0");
        QCOMPARE(text(load().settings), QStringLiteral("Feld 9 Computer -1 Fett 0 Duese 0 Sound 1 Tips 0 "
                                                       "Stufe 1 Rot 'Tulla' Blau 'Pelko' Text -1"));
        QList<bool> read;
        for (const char* value : {"1", " 1 ", "'1'", "2", "-1", "yes", ""}) {
            put(std::string("[ansicht]\nzoom=") + value + "\n");
            read.append(store().zoomWithWindow());
        }
        QCOMPARE(read, (QList<bool>{true, true, true, false, false, false, false}));
    }

    // ---- the window ------------------------------------------------------

    void windowPlacementRules_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QString>("expected");
        // Maximized, the stored placement is not read.
        QTest::newRow("maximized") << window(2, 150, 300, 12000, 9000) << "2: 4905,2827 9390x6345";
        QTest::newRow("normal") << window(0, 150, 300, 12000, 9000) << "0: 150,300 12000x9000";
        QTest::newRow("minimized") << window(1, 150, 300, 12000, 9000) << "1: 150,300 12000x9000";
        // Centred from the size before the stored one.
        QTest::newRow("Left -300") << window(0, -300, -1, 12000, 9000) << "0: 4905,2827 12000x9000";
        QTest::newRow("no keys") << QByteArray("Status= 0") << "0: 4905,2827 9600x6900";
        QTest::newRow("bad state") << window(7, 150, 300, 12000, 9000) << "2: 4905,2827 9390x6345";
        QTest::newRow("bad size") << window(0, 0, 0, 0, -5) << "0: 0,0 9600x6900";
        QTest::newRow("second screen") << window(0, 30000, 300, 9600, 6900) << "0: 30000,300 9600x6900";
        // Off every screen (a third monitor that is gone), or only a sliver on one: centred on the first.
        QTest::newRow("off-screen") << window(0, 40000, 300, 9600, 6900) << "0: 4800,2250 9600x6900";
        QTest::newRow("sliver") << window(0, 38000, 300, 9600, 6900) << "0: 4800,2250 9600x6900";
        QTest::newRow("overflowing") << window(0, INT_MAX, INT_MAX, 9600, 6900) << "0: 4800,2250 9600x6900";
    }
    void windowPlacementRules()
    {
        QFETCH(QByteArray, stored);
        QFETCH(QString, expected);
        put("[Window]\n" + stored.toStdString() + "\n");
        QCOMPARE(text(load().placement), expected);
    }

    void savingThePlacement()
    {
        QVERIFY(store().savePlacement(WindowPlacement{0, 1500, 900, 10500, 7500}));
        const std::string normal = "[Window]\nLeft= 1500\nTop= 900\nWidth= 10500\nHeight= 7500\nStatus=";
        QCOMPARE(bytes(), normal + " 0\n");
        QVERIFY(store().savePlacement(WindowPlacement{2, 1, 2, 3, 4})); // maximized: the state alone
        QCOMPARE(bytes(), normal + " 2\n");
        QVERIFY(store().savePlacement(WindowPlacement{1, 0, 0, 2000, 500})); // minimized: likewise
        QCOMPARE(text(load().placement), QStringLiteral("1: 1500,900 10500x7500"));
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "test_settings.moc"
