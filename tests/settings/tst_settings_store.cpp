// The settings store: defaults, the value forms it writes, values that must not
// reach the game, the window placement rules, and round trips of every choice
// the settings dialog can make.
#include "platform/IniFile.h"
#include "shell/SettingsStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <string>

using namespace splot;

namespace {

// A 1280 x 800 pixel screen whose task bar takes the bottom 40 pixels.
ScreenInfo screen()
{
    ScreenInfo s;
    s.width = 1280 * 15;
    s.height = 800 * 15;
    s.available = {TwipRect{0, 0, 1280 * 15, 760 * 15}};
    return s;
}

// The window as start-up leaves it before Load: centred at its design size.
WindowPlacement centred()
{
    WindowPlacement p;
    p.windowState = 0;
    p.windowWidth = 9390;
    p.windowHeight = 6345;
    p.windowLeft = (1280 * 15 - 9390) / 2; // 4905
    p.windowTop = (800 * 15 - 6345) / 2;   // 2827
    return p;
}

void writeBytes(const QString& path, const std::string& bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

std::string readBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : std::string("<unreadable>");
}

} // namespace

class TestSettingsStore : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString path_;

    SettingsStore store() { return SettingsStore(std::make_unique<IniFile>(QFile::encodeName(path_).toStdString())); }

    struct Loaded {
        WindowPlacement placement;
        GameSettings settings;
    };
    Loaded load(WindowPlacement start = centred(), const ScreenInfo& s = screen())
    {
        Loaded l;
        l.placement = start;
        // Poison the record so that every field must be filled by Load.
        l.settings = GameSettings{99, 99, 99, 99, 99, 99, 99, "x", "y", 99};
        store().load(s, l.placement, l.settings);
        return l;
    }

private slots:
    void init()
    {
        QVERIFY(dir_.isValid());
        path_ = dir_.filePath(QStringLiteral("splot.ini"));
        QFile::remove(path_);
    }

    void firstStartWithoutAFile()
    {
        const Loaded l = load();
        QCOMPARE(l.placement.windowState, 2); // maximized
        QCOMPARE(l.placement.windowLeft, centred().windowLeft);
        QCOMPARE(l.placement.windowWidth, 9390);
        const GameSettings& s = l.settings;
        QCOMPARE(s.wallSize, i16(8));
        QCOMPARE(s.computerPlaysRed, kTrue);
        QCOMPARE(s.level, i16(1));
        QCOMPARE(s.redName, std::string("Tulla"));
        QCOMPARE(s.blueName, std::string("Pelko"));
        QCOMPARE(s.soundOn, i16(1));
        QCOMPARE(s.hintsOn, i16(0));
        QCOMPARE(s.greaseSpots, kFalse);
        QCOMPARE(s.blockedNozzle, kFalse);
        QCOMPARE(s.showStory, kTrue);
        QVERIFY(!QFileInfo::exists(path_)); // loading writes nothing

        // The story is shown once, then the file says so.
        QVERIFY(store().markStoryShown());
        QCOMPARE(readBytes(path_), std::string("[Einstellungen]\nText=0\n"));
        QCOMPARE(load().settings.showStory, kFalse);
    }

    void choicesAreWrittenInTheClassicForms()
    {
        QVERIFY(store().saveChoices(GameSettings{}));
        QCOMPARE(readBytes(path_), std::string("[Einstellungen]\n"
                                               "Feld= 8\n"
                                               "Sound= 1\n"
                                               "Fettflecken= 0\n"
                                               "Düse_verstopft= 0\n"
                                               "Tips= 0\n"
                                               "Spielstärke= 1\n"
                                               "Rot=Tulla\n"
                                               "Blau=Pelko\n"
                                               "Computer=-1\n"));
        // True grease spots and blocked nozzle are stored as check-box states.
        GameSettings s;
        s.greaseSpots = kTrue;
        s.blockedNozzle = kTrue;
        s.computerPlaysRed = kFalse;
        s.wallSize = 15;
        QVERIFY(store().saveChoices(s));
        const std::string bytes = readBytes(path_);
        QVERIFY(bytes.find("\nFettflecken= 1\n") != std::string::npos);
        QVERIFY(bytes.find("\nDüse_verstopft= 1\n") != std::string::npos);
        QVERIFY(bytes.find("\nComputer= 0\n") != std::string::npos);
        QVERIFY(bytes.find("\nFeld= 15\n") != std::string::npos);
        QCOMPARE(SettingsStore::numberText(-300), std::string("-300"));
        QCOMPARE(SettingsStore::numberText(0), std::string(" 0"));
    }

    void okWithoutChangesKeepsTheFile()
    {
        const std::string mine = "; mine\r\n[Einstellungen]\r\nFeld= 10\r\nFoo=bar\r\n[Window]\r\nStatus= 0\r\n";
        writeBytes(path_, mine);
        const Loaded l = load();
        QVERIFY(store().saveChoices(l.settings));
        const std::string after = readBytes(path_);
        QVERIFY(after.starts_with("; mine\r\n[Einstellungen]\r\nFeld= 10\r\nFoo=bar\r\nSound= 1\r\n"));
        QVERIFY(after.ends_with("Computer=-1\r\n[Window]\r\nStatus= 0\r\n"));
        QVERIFY(store().saveChoices(l.settings));
        QCOMPARE(readBytes(path_), after); // the second OK rewrites the same values
    }

    void everyDialogValueReadsBackUnchanged()
    {
        const std::string names[] = {"", "A", "Jürgen", "Łucja 李", "  blanks around  ", "'quoted'", "\"dq\"",
                                     "\"", "exactly twenty-four chr", "ÄÖÜäöüÄÖÜäöüÄÖÜäöüÄÖÜäöü"};
        int n = 0;
        for (int wall = 6; wall <= 15; ++wall) {
            for (int level = 0; level <= 3; ++level) {
                GameSettings s;
                s.wallSize = static_cast<i16>(wall);
                s.level = static_cast<i16>(level);
                s.soundOn = static_cast<i16>(n % 2);
                s.hintsOn = static_cast<i16>((n / 2) % 2);
                s.greaseSpots = (n / 3) % 2 ? kTrue : kFalse;
                s.blockedNozzle = (n / 5) % 2 ? kTrue : kFalse;
                s.computerPlaysRed = (n / 7) % 2 ? kTrue : kFalse;
                s.redName = names[n % 10];
                s.blueName = names[(n + 3) % 10];
                s.showStory = kFalse;
                ++n;
                QVERIFY(store().saveChoices(s));
                QVERIFY(store().markStoryShown());
                const GameSettings r = load().settings;
                QCOMPARE(r.wallSize, s.wallSize);
                QCOMPARE(r.level, s.level);
                QCOMPARE(r.soundOn, s.soundOn);
                QCOMPARE(r.hintsOn, s.hintsOn);
                QCOMPARE(r.greaseSpots, s.greaseSpots);
                QCOMPARE(r.blockedNozzle, s.blockedNozzle);
                QCOMPARE(r.computerPlaysRed, s.computerPlaysRed);
                QCOMPARE(r.redName, s.redName);
                QCOMPARE(r.blueName, s.blueName);
                QCOMPARE(r.showStory, kFalse);
            }
        }
    }

    void longNamesAreWrittenWholeAndReadBackCut()
    {
        GameSettings s;
        s.redName = "Abcdefghijklmnopqrstuvwxyz0123";
        s.blueName = "ÄÖÜäöüÄÖÜäöüÄÖÜäöüÄÖÜäöüßẞ€"; // 27 characters of two and three bytes
        QVERIFY(store().saveChoices(s));
        const std::string bytes = readBytes(path_);
        QVERIFY(bytes.find("\nRot=Abcdefghijklmnopqrstuvwxyz0123\n") != std::string::npos);
        QVERIFY(bytes.find("\nBlau=" + s.blueName + "\n") != std::string::npos);
        const GameSettings r = load().settings;
        QCOMPARE(r.redName, std::string("Abcdefghijklmnopqrstuvwx"));
        QCOMPARE(r.blueName, std::string("ÄÖÜäöüÄÖÜäöüÄÖÜäöüÄÖÜäöü"));
    }

    void namesFromALatin1File()
    {
        writeBytes(path_, "[Einstellungen]\r\nRot=J\xFCrgen\r\nD\xFCse_verstopft=1\r\nSpielst\xE4rke=3\r\n");
        const GameSettings r = load().settings;
        QCOMPARE(r.redName, std::string("Jürgen"));
        QCOMPARE(r.blockedNozzle, kTrue);
        QCOMPARE(r.level, i16(3));
    }

    void storedValuesAsTheGameReadsThem_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("expected");
        QTest::newRow("Computer 5 plays") << "Computer=5" << "computer" << int(kTrue);
        QTest::newRow("Computer 0 human") << "Computer= 0" << "computer" << int(kFalse);
        QTest::newRow("Sound 2 is off") << "Sound= 2" << "sound" << 0;
        QTest::newRow("Tips 2 is off") << "Tips= 2" << "tips" << 0;
        QTest::newRow("Tips 1 is on") << "Tips= 1" << "tips" << 1;
        QTest::newRow("grease 2 is on") << "Fettflecken= 2" << "grease" << int(kTrue);
        QTest::newRow("nozzle -7 is on") << "Düse_verstopft=-7" << "nozzle" << int(kTrue);
        QTest::newRow("Text 65536 shows") << "Text=65536" << "story" << int(kTrue);
        // Values the game is not built for are clamped.
        QTest::newRow("wall 20") << "Feld= 20" << "wall" << 15;
        QTest::newRow("wall 5") << "Feld= 5" << "wall" << 6;
        QTest::newRow("wall garbage") << "Feld=abc" << "wall" << 6;
        QTest::newRow("wall 65542") << "Feld=65542" << "wall" << 15; // would be 6 as a 16-bit number
        QTest::newRow("level 7") << "Spielstärke= 7" << "level" << 3;
        QTest::newRow("level -2") << "Spielstärke=-2" << "level" << 0;
    }
    void storedValuesAsTheGameReadsThem()
    {
        QFETCH(QString, line);
        QFETCH(QString, field);
        QFETCH(int, expected);
        writeBytes(path_, "[Einstellungen]\n" + line.toStdString() + "\n");
        const GameSettings s = load().settings;
        const int got = field == "computer" ? s.computerPlaysRed
                        : field == "sound"  ? s.soundOn
                        : field == "tips"   ? s.hintsOn
                        : field == "grease" ? s.greaseSpots
                        : field == "nozzle" ? s.blockedNozzle
                        : field == "story"  ? s.showStory
                        : field == "wall"   ? s.wallSize
                                            : s.level;
        QCOMPARE(got, expected);
    }

    // ---- the window ------------------------------------------------------

    void maximizedSkipsThePlacementKeys()
    {
        writeBytes(path_, "[Window]\nStatus= 2\nLeft= 15\nTop= 30\nWidth= 12000\nHeight= 9000\n");
        const Loaded l = load();
        QCOMPARE(l.placement.windowState, 2);
        QCOMPARE(l.placement.windowLeft, centred().windowLeft);
        QCOMPARE(l.placement.windowTop, centred().windowTop);
        QCOMPARE(l.placement.windowWidth, 9390);
        QCOMPARE(l.placement.windowHeight, 6345);

        // A window larger than the screen has a negative centred left: maximized it becomes 0.
        WindowPlacement wide = centred();
        wide.windowLeft = -60;
        QCOMPARE(load(wide).placement.windowLeft, 0);
    }

    void normalAndMinimizedTakeTheStoredPlacement()
    {
        writeBytes(path_, "[Window]\nStatus= 0\nLeft= 150\nTop= 300\nWidth= 12000\nHeight= 9000\n");
        Loaded l = load();
        QCOMPARE(l.placement.windowState, 0);
        QCOMPARE(l.placement.windowLeft, 150);
        QCOMPARE(l.placement.windowTop, 300);
        QCOMPARE(l.placement.windowWidth, 12000);
        QCOMPARE(l.placement.windowHeight, 9000);

        writeBytes(path_, "[Window]\nStatus= 1\nLeft= 150\nTop= 300\nWidth= 12000\nHeight= 9000\n");
        l = load();
        QCOMPARE(l.placement.windowState, 1);
        QCOMPARE(l.placement.windowLeft, 150);
        QCOMPARE(l.placement.windowWidth, 12000);
    }

    void negativeEdgesAndMissingKeysGetTheCentringValues()
    {
        // Centred from the size before the stored one: (19200 - 9390) / 2 and (12000 - 6345) / 2.
        writeBytes(path_, "[Window]\nStatus= 0\nLeft=-300\nTop=-1\nWidth= 12000\nHeight= 9000\n");
        Loaded l = load();
        QCOMPARE(l.placement.windowLeft, 4905);
        QCOMPARE(l.placement.windowTop, 2827);
        QCOMPARE(l.placement.windowWidth, 12000);

        writeBytes(path_, "[Window]\nStatus= 0\n");
        l = load();
        QCOMPARE(l.placement.windowLeft, 4905);
        QCOMPARE(l.placement.windowTop, 2827);
        QCOMPARE(l.placement.windowWidth, 9600);
        QCOMPARE(l.placement.windowHeight, 6900);
    }

    void badWindowValuesNeverReachTheWindow()
    {
        writeBytes(path_, "[Window]\nStatus= 7\nLeft= 15\n");
        QCOMPARE(load().placement.windowState, 2);
        writeBytes(path_, "[Window]\nStatus=-1\n");
        QCOMPARE(load().placement.windowState, 2);

        writeBytes(path_, "[Window]\nStatus= 0\nLeft= 0\nTop= 0\nWidth= 0\nHeight=-5\n");
        Loaded l = load();
        QCOMPARE(l.placement.windowWidth, 9600);
        QCOMPARE(l.placement.windowHeight, 6900);

        // Wholly off the screen (a second monitor that is gone): centred on the first screen.
        writeBytes(path_, "[Window]\nStatus= 0\nLeft= 30000\nTop= 300\nWidth= 9600\nHeight= 6900\n");
        l = load();
        QCOMPARE(l.placement.windowLeft, (19200 - 9600) / 2);
        QCOMPARE(l.placement.windowTop, (11400 - 6900) / 2);

        // Only a sliver on the screen is as good as off it.
        writeBytes(path_, "[Window]\nStatus= 0\nLeft= 19000\nTop= 300\nWidth= 9600\nHeight= 6900\n");
        QCOMPARE(load().placement.windowLeft, (19200 - 9600) / 2);

        // Far out, where left + width would not fit in an int.
        writeBytes(path_, "[Window]\nStatus= 0\nLeft= 2147483600\nTop= 2147483600\n");
        l = load();
        QCOMPARE(l.placement.windowLeft, (19200 - 9600) / 2);

        // On a second screen to the right it stays where it is.
        ScreenInfo two = screen();
        two.available.push_back(TwipRect{19200, 0, 19200, 12000});
        writeBytes(path_, "[Window]\nStatus= 0\nLeft= 30000\nTop= 300\nWidth= 9600\nHeight= 6900\n");
        QCOMPARE(load(centred(), two).placement.windowLeft, 30000);
    }

    void savingThePlacement()
    {
        const std::string before = "[Window]\nLeft= 150\nTop= 300\nWidth= 12000\nHeight= 9000\nStatus= 0\n";
        writeBytes(path_, before);
        WindowPlacement p{2, 1, 2, 3, 4};
        QVERIFY(store().savePlacement(p));
        QCOMPARE(readBytes(path_), std::string("[Window]\nLeft= 150\nTop= 300\nWidth= 12000\nHeight= 9000\nStatus= 2\n"));
        p.windowState = 1;
        QVERIFY(store().savePlacement(p));
        QCOMPARE(readBytes(path_), std::string("[Window]\nLeft= 150\nTop= 300\nWidth= 12000\nHeight= 9000\nStatus= 1\n"));

        QFile::remove(path_);
        QVERIFY(store().savePlacement(WindowPlacement{0, 1200, 0, 9600, 6900}));
        QCOMPARE(readBytes(path_), std::string("[Window]\nLeft= 1200\nTop= 0\nWidth= 9600\nHeight= 6900\nStatus= 0\n"));

        QVERIFY(store().saveWindowState(2));
        QCOMPARE(load().placement.windowState, 2);
    }

    void minimizedComesBackMinimizedAtTheLastNormalPlacement()
    {
        QVERIFY(store().savePlacement(WindowPlacement{0, 1500, 900, 10500, 7500}));
        QVERIFY(store().savePlacement(WindowPlacement{1, 0, 0, 2000, 500}));
        const Loaded l = load();
        QCOMPARE(l.placement.windowState, 1);
        QCOMPARE(l.placement.windowLeft, 1500);
        QCOMPARE(l.placement.windowTop, 900);
        QCOMPARE(l.placement.windowWidth, 10500);
        QCOMPARE(l.placement.windowHeight, 7500);
    }

    // ---- the file itself --------------------------------------------------

    void anUnusableFileGivesDefaultsAndQuietFailures()
    {
        QVERIFY(QDir().mkpath(path_)); // a directory where the file should be
        const Loaded l = load();
        QCOMPARE(l.settings.wallSize, i16(8));
        QCOMPARE(l.settings.redName, std::string("Tulla"));
        QCOMPARE(l.placement.windowState, 2);
        QVERIFY(!store().saveChoices(GameSettings{}));
        QVERIFY(!store().savePlacement(centred()));
        QVERIFY(QFileInfo(path_).isDir());
        QCOMPARE(QDir(dir_.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{QStringLiteral("splot.ini")});
        QVERIFY(QDir(path_).removeRecursively());
    }

    void theFileLivesInTheUsersConfigFolder()
    {
        QCoreApplication::setApplicationName(QStringLiteral("splotchery"));
        const QString config = dir_.filePath(QStringLiteral("config"));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config));
        const QString folder = config + QStringLiteral("/splotchery");
        QCOMPARE(QString::fromStdString(SettingsStore::defaultFilePath()), folder + QStringLiteral("/splot.ini"));
        QVERIFY(QFileInfo(folder).isDir()); // created when missing

        SettingsStore user;
        QVERIFY(user.markStoryShown());
        QCOMPARE(readBytes(folder + QStringLiteral("/splot.ini")), std::string("[Einstellungen]\nText=0\n"));
    }
};

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "tst_settings_store.moc"
