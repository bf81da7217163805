// The settings file reader and writer: reading rules, in-place edits that keep
// every other byte, encodings, and files that are not what they should be.
#include "platform/IniFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <climits>
#include <random>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

using namespace splot;

namespace {

void writeBytes(const QString& path, const std::string& bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(bytes.data(), static_cast<qint64>(bytes.size())), static_cast<qint64>(bytes.size()));
}

std::string readBytes(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return "<unreadable>";
    return f.readAll().toStdString();
}

std::string local(const QString& path) { return QFile::encodeName(path).toStdString(); }

} // namespace

class TestIniFile : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString path_;

    // A file with the given bytes, ready to read and write.
    IniFile fileWith(const std::string& bytes)
    {
        writeBytes(path_, bytes);
        return IniFile(local(path_));
    }
    // Everything in the folder but the settings file itself.
    QStringList strayFiles() const
    {
        QStringList names = QDir(dir_.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        names.removeAll(QStringLiteral("splot.ini"));
        return names;
    }

private slots:
    void init()
    {
        QVERIFY(dir_.isValid());
        path_ = dir_.filePath(QStringLiteral("splot.ini"));
        QDir(dir_.path()).removeRecursively();
        QDir().mkpath(dir_.path());
    }

    // ---- reading ---------------------------------------------------------

    void readsIntegers_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("expected");
        QTest::newRow("blank before") << " 8" << 8;
        QTest::newRow("minus") << "-1" << -1;
        QTest::newRow("digits then letters") << "5abc" << 5;
        QTest::newRow("no digits") << "abc" << 0;
        QTest::newRow("sign alone") << "-" << 0;
        QTest::newRow("two signs") << "--3" << 0;
        QTest::newRow("plus") << "+7" << 7;
        QTest::newRow("stops at blank") << "12 34" << 12;
        QTest::newRow("double quotes") << "\"12\"" << 12;
        QTest::newRow("single quotes") << "' -4'" << -4;
        QTest::newRow("too large") << "99999999999999" << INT_MAX;
        QTest::newRow("too small") << "-99999999999999" << INT_MIN;
    }
    void readsIntegers()
    {
        QFETCH(QString, value);
        QFETCH(int, expected);
        IniFile f = fileWith("[Einstellungen]\nFeld=" + value.toStdString() + "\n");
        QCOMPARE(f.getInt("Einstellungen", "Feld", 77), expected);
    }

    void missingKeysAndEmptyValuesReadTheDefault()
    {
        IniFile none(local(dir_.filePath(QStringLiteral("absent.ini"))));
        QCOMPARE(none.getInt("Einstellungen", "Feld", 8), 8);
        QCOMPARE(none.getString("Einstellungen", "Rot", "Tulla", 25), std::string("Tulla"));

        IniFile f = fileWith("[Einstellungen]\nFeld=\nRot=\n[Other]\nTips= 1\n");
        QCOMPARE(f.getInt("Einstellungen", "Feld", 8), 8);
        QCOMPARE(f.getInt("Einstellungen", "Tips", 3), 3);         // in another section
        QCOMPARE(f.getInt("Window", "Status", 2), 2);              // no such section
        QCOMPARE(f.getString("Einstellungen", "Rot", "Tulla", 25), std::string()); // present, empty
    }

    void parsesLinesLikeTheClassicReader()
    {
        IniFile f = fileWith("Feld=1\n"                          // before any section: nobody's
                             "  [ Einstellungen ]  \r\r\n"       // blanks around, a run of breaks
                             "\t Feld \t=\t 12 \t\r\n"
                             ";Sound=0\n"                        // a comment
                             "Sound = 1 = 2\n"                   // the first '=' splits
                             "Rot =  'Ann Lee'  \n"
                             "Blau=\"Bo\n"                       // quotes must match to go
                             "[a]b] \n"
                             "k=5");                             // no final line break
        QCOMPARE(f.getInt("Einstellungen", "Feld", 0), 12);
        QCOMPARE(f.getString("Einstellungen", "Sound", "", 25), std::string("1 = 2"));
        QCOMPARE(f.getString("Einstellungen", "Rot", "", 25), std::string("Ann Lee"));
        QCOMPARE(f.getString("Einstellungen", "Blau", "", 25), std::string("\"Bo"));
        QCOMPARE(f.getInt("a]b", "k", 0), 5);
    }

    void namesMatchWithoutCase()
    {
        IniFile f = fileWith("[EINSTELLUNGEN]\nfELD=9\nDÜSE_VERSTOPFT=1\nspielstärke=3\n");
        QCOMPARE(f.getInt("Einstellungen", "Feld", 0), 9);
        QCOMPARE(f.getInt("Einstellungen", "Düse_verstopft", 0), 1);
        QCOMPARE(f.getInt("Einstellungen", "Spielstärke", 0), 3);
        QCOMPARE(f.getInt("Einstellungen", "Duse_verstopft", 0), 0); // ü is not u
    }

    void onlyTheFirstSectionAndKeyOfANameCount()
    {
        IniFile f = fileWith("[S]\nk=1\nk=2\n[s]\nk=3\nj=4\n");
        QCOMPARE(f.getInt("S", "k", 0), 1);
        QCOMPARE(f.getInt("S", "j", 0), 0);
        QVERIFY(f.writeString("S", "k", "7"));
        QCOMPARE(readBytes(path_), std::string("[S]\nk=7\nk=2\n[s]\nk=3\nj=4\n"));
    }

    void latin1FilesReadAsLatin1()
    {
        IniFile f = fileWith("[Einstellungen]\r\nD\xFCse_verstopft=1\r\nSpielst\xE4rke=2\r\nRot=J\xFCrgen\r\n");
        QCOMPARE(f.getInt("Einstellungen", "Düse_verstopft", 0), 1);
        QCOMPARE(f.getInt("Einstellungen", "Spielstärke", 0), 2);
        QCOMPARE(f.getString("Einstellungen", "Rot", "", 25), std::string("Jürgen"));
    }

    void utf8ByteOrderMarkIsSkipped()
    {
        IniFile f = fileWith("\xEF\xBB\xBF[Einstellungen]\nFeld=10\n");
        QCOMPARE(f.getInt("Einstellungen", "Feld", 0), 10);
    }

    void stringsKeepAtMostSizeMinusOneCharacters()
    {
        const std::string ascii = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
        const std::string umlauts = "ÄÖÜäöüÄÖÜäöüÄÖÜäöüÄÖÜäöüßß"; // 26 characters, 52 bytes
        IniFile f = fileWith("[E]\nA=" + ascii + "\nU=" + umlauts + "\nM=abcdefghijklmnopqrstuvw€x\n");
        QCOMPARE(f.getString("E", "A", "", 25), ascii.substr(0, 24));
        QCOMPARE(f.getString("E", "U", "", 25), umlauts.substr(0, 48));
        QCOMPARE(f.getString("E", "M", "", 25), std::string("abcdefghijklmnopqrstuvw€"));
        QCOMPARE(f.getString("E", "M", "", 24), std::string("abcdefghijklmnopqrstuvw"));
        QCOMPARE(f.getString("E", "A", "", 1), std::string());
        QCOMPARE(f.getString("E", "A", "", 0), std::string());
        QCOMPARE(f.getString("E", "none", umlauts, 4), std::string("ÄÖÜ")); // the default is cut too
    }

    // ---- writing ---------------------------------------------------------

    void writingCreatesTheFile()
    {
        IniFile f(local(path_));
        QVERIFY(f.writeString("Einstellungen", "Feld", " 8"));
        QVERIFY(f.writeString("Einstellungen", "Sound", " 1"));
        QVERIFY(f.writeString("Window", "Status", " 2"));
        QCOMPARE(readBytes(path_), std::string("[Einstellungen]\nFeld= 8\nSound= 1\n[Window]\nStatus= 2\n"));
    }

    void editsKeepAnOddFileByteForByte()
    {
        const std::string odd = "; written by hand\r\n"
                                "\r\n"
                                "[Other]\r\n"
                                "Feld=99\r\n"
                                "[einstellungen]\r\n"
                                "  FELD = 12   \r\n"
                                "Unknown=D\xFCsseldorf\r\n"
                                "\r\n"
                                "[Window]\r\n"
                                "Status=\t2";
        IniFile f = fileWith(odd);

        QVERIFY(f.writeString("Einstellungen", "Feld", " 7"));
        std::string expected = odd;
        expected.replace(expected.find("  FELD = 12   "), 14, "  FELD = 7");
        QCOMPARE(readBytes(path_), expected);

        // A new key goes after the last key of its section, with the file's line breaks.
        QVERIFY(f.writeString("Einstellungen", "Tips", " 0"));
        expected.insert(expected.find("\r\n\r\n[Window]") + 2, "Tips= 0\r\n");
        QCOMPARE(readBytes(path_), expected);

        // The last line of the file has no line break, and keeps having none.
        QVERIFY(f.writeString("Window", "Left", " 300"));
        expected += "\r\nLeft= 300";
        QCOMPARE(readBytes(path_), expected);

        // A new section goes at the end.
        QVERIFY(f.writeString("Neu", "a", "b"));
        expected += "\r\n[Neu]\r\na=b";
        QCOMPARE(readBytes(path_), expected);

        QCOMPARE(f.getInt("Other", "Feld", 0), 99);
        QCOMPARE(f.getString("Einstellungen", "Unknown", "", 99), std::string("Düsseldorf"));
        QVERIFY(strayFiles().isEmpty());
    }

    void writingTheSameValueLeavesTheFileAlone()
    {
        IniFile f = fileWith("[E]\nFeld= 8\n");
        struct stat before {}, after {};
        QVERIFY(::stat(local(path_).c_str(), &before) == 0);
        QVERIFY(f.writeString("E", "Feld", " 8"));
        QVERIFY(::stat(local(path_).c_str(), &after) == 0);
        QCOMPARE(readBytes(path_), std::string("[E]\nFeld= 8\n"));
        QCOMPARE(after.st_ino, before.st_ino); // not replaced by a new file
    }

    void newKeyInASectionWithoutKeys()
    {
        IniFile f = fileWith("[E]\n\n; next\n[W]\nx=1\n");
        QVERIFY(f.writeString("E", "k", "v"));
        QCOMPARE(readBytes(path_), std::string("[E]\nk=v\n\n; next\n[W]\nx=1\n"));
    }

    void latin1FilesStayLatin1WhenTheyCan()
    {
        IniFile f = fileWith("[Einstellungen]\nD\xFCse_verstopft=1\nRot=Tulla\n");
        QVERIFY(f.writeString("Einstellungen", "Rot", "Jürgen"));
        QCOMPARE(readBytes(path_), std::string("[Einstellungen]\nD\xFCse_verstopft=1\nRot=J\xFCrgen\n"));
        QVERIFY(f.writeString("Einstellungen", "Spielstärke", " 2"));
        QCOMPARE(readBytes(path_),
                 std::string("[Einstellungen]\nD\xFCse_verstopft=1\nRot=J\xFCrgen\nSpielst\xE4rke= 2\n"));

        // A character Latin-1 lacks turns the whole file into UTF-8; every value reads the same.
        QVERIFY(f.writeString("Einstellungen", "Blau", "Łucja"));
        QCOMPARE(readBytes(path_), std::string("[Einstellungen]\nDüse_verstopft=1\nRot=Jürgen\n"
                                               "Spielstärke= 2\nBlau=Łucja\n"));
        QCOMPARE(f.getString("Einstellungen", "Rot", "", 25), std::string("Jürgen"));
        QCOMPARE(f.getString("Einstellungen", "Blau", "", 25), std::string("Łucja"));
    }

    void aLatin1FileThatWouldLookLikeUtf8IsConverted()
    {
        // "Ã¼" in Latin-1 is the byte pair C3 BC; once the only other non-ASCII byte
        // is overwritten the file would read as UTF-8 and "Ã¼" as "ü".
        IniFile f = fileWith("[E]\na=\xC3\xBC\nb=\xFC\n");
        QCOMPARE(f.getString("E", "a", "", 25), std::string("Ã¼"));
        QVERIFY(f.writeString("E", "b", "x"));
        QCOMPARE(f.getString("E", "a", "", 25), std::string("Ã¼"));
        QCOMPARE(f.getString("E", "b", "", 25), std::string("x"));
    }

    void refusesWhatCouldNotReadBack()
    {
        const std::string before = "[E]\nk=1\n";
        IniFile f = fileWith(before);
        QVERIFY(!f.writeString("E", "k", "two\nlines"));
        QVERIFY(!f.writeString("E", "a=b", "1"));
        QVERIFY(!f.writeString("E", ";k", "1"));
        QVERIFY(!f.writeString("E", " k", "1"));
        QVERIFY(!f.writeString("", "k", "1"));
        QVERIFY(!f.writeString("E", "k", "\xFF"));
        QCOMPARE(readBytes(path_), before);
    }

    void keepsPermissionsAndSymbolicLinks()
    {
        IniFile f = fileWith("[E]\nk=1\n");
        QVERIFY(::chmod(local(path_).c_str(), 0640) == 0);
        QVERIFY(f.writeString("E", "k", "2"));
        struct stat st {};
        QVERIFY(::stat(local(path_).c_str(), &st) == 0);
        QCOMPARE(st.st_mode & 0777, 0640u);

        const QString link = dir_.filePath(QStringLiteral("link.ini"));
        QVERIFY(QFile::link(path_, link));
        IniFile viaLink(local(link));
        QVERIFY(viaLink.writeString("E", "k", "3"));
        QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(readBytes(path_), std::string("[E]\nk=3\n"));
    }

    // ---- files that are not what they should be ---------------------------

    void aDirectoryWhereTheFileShouldBe()
    {
        QVERIFY(QDir().mkpath(path_));
        IniFile f(local(path_));
        QCOMPARE(f.getInt("E", "k", 4), 4);
        QCOMPARE(f.getString("E", "k", "d", 25), std::string("d"));
        QVERIFY(!f.writeString("E", "k", "1"));
        QVERIFY(QFileInfo(path_).isDir());
        QVERIFY(strayFiles().isEmpty()); // the failed rename left no temporary file
    }

    void aPathBelowARegularFile()
    {
        writeBytes(dir_.filePath(QStringLiteral("plain")), "x");
        IniFile f(local(dir_.filePath(QStringLiteral("plain/splot.ini"))));
        QCOMPARE(f.getInt("E", "k", 4), 4);
        QVERIFY(!f.writeString("E", "k", "1"));
        QCOMPARE(readBytes(dir_.filePath(QStringLiteral("plain"))), std::string("x"));
    }

    void aPipeOrDeviceDoesNotHang()
    {
        const QString fifo = dir_.filePath(QStringLiteral("fifo.ini"));
        QVERIFY(::mkfifo(local(fifo).c_str(), 0600) == 0);
        IniFile pipe(local(fifo));
        QCOMPARE(pipe.getInt("E", "k", 4), 4);
        QVERIFY(!pipe.writeString("E", "k", "1"));

        IniFile zero("/dev/zero");
        QCOMPARE(zero.getInt("E", "k", 5), 5);
    }

    void aHugeFileIsNeitherReadNorReplaced()
    {
        // 50 MB: a valid key at its start, the rest zero bytes.
        writeBytes(path_, "[E]\nk=1\n");
        QFile big(path_);
        QVERIFY(big.resize(50 * 1024 * 1024));
        IniFile f(local(path_));
        QCOMPARE(f.getInt("E", "k", 9), 9);
        QVERIFY(!f.writeString("E", "k", "2"));
        QCOMPARE(QFileInfo(path_).size(), 50ll * 1024 * 1024);
        QVERIFY(strayFiles().isEmpty());

        // Just within the limit it is an ordinary file.
        QVERIFY(big.resize(static_cast<qint64>(IniFile::kMaxFileBytes)));
        QCOMPARE(f.getInt("E", "k", 9), 1);
        QVERIFY(big.resize(static_cast<qint64>(IniFile::kMaxFileBytes) + 1));
        QCOMPARE(f.getInt("E", "k", 9), 9);
    }

    void millionsOfLinesJustWithinTheLimit()
    {
        const std::string tail = "[E]\r\nk=3";
        IniFile f = fileWith(std::string(IniFile::kMaxFileBytes - tail.size() - 8, '\n') + tail);
        QCOMPARE(f.getInt("E", "k", 0), 3);
        QVERIFY(f.writeString("E", "j", "4")); // still fits
        QCOMPARE(f.getInt("E", "j", 0), 4);
        QVERIFY(!f.writeString("E", "long", std::string(20, 'x'))); // would pass the limit
        QCOMPARE(f.getInt("E", "k", 0), 3);
    }

    void binaryGarbageAroundGoodLines()
    {
        std::mt19937 rng(20261206);
        std::string garbage(64 * 1024, '\0');
        for (char& c : garbage)
            c = static_cast<char>(rng() & 0xFF);
        const std::string head = garbage.substr(0, 32768);
        const std::string tail = garbage.substr(32768);
        IniFile f = fileWith(head + "\n[Einstellungen]\nFeld=11\n" + tail);
        QCOMPARE(f.getInt("Einstellungen", "Feld", 8), 11);
        QVERIFY(f.writeString("Einstellungen", "Feld", " 9"));
        const std::string after = readBytes(path_);
        QCOMPARE(after, head + "\n[Einstellungen]\nFeld= 9\n" + tail);
        QCOMPARE(f.getInt("Einstellungen", "Feld", 8), 9);
    }
};

QTEST_GUILESS_MAIN(TestIniFile)
#include "tst_inifile.moc"
