// The record of decided games in the settings file: every count in its own key
// of "[Statistik]", written like the file's other numbers, read back after a
// restart; every byte outside the section kept; what is not a count reads 0.
#include "platform/IniFile.h"
#include "shell/RecordStore.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace splot;

namespace {

// A record with a different count everywhere.
GameRecord sample()
{
    GameRecord r;
    for (int level = 0; level < GameRecord::kLevels; ++level)
        r.won[level] = 1 + level, r.lost[level] = 5 + level, r.drawn[level] = 9 + level;
    r.redWon = 2, r.blueWon = 3, r.humanDraws = 13;
    return r;
}

// Every result, each as often as the sample counts it.
std::vector<GameResult> sampleResults()
{
    std::vector<GameResult> all;
    const GameRecord r = sample();
    auto add = [&](const GameResult& result) { all.insert(all.end(), r.countOf(result), result); };
    for (int level = 0; level < GameRecord::kLevels; ++level)
        for (int winner : {kRed, kBlue, kEmpty})
            add({true, level, winner});
    for (int winner : {kRed, kBlue, kEmpty})
        add({false, 0, winner});
    return all;
}

} // namespace

class TestRecord : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    const QString path_ = dir_.filePath(QStringLiteral("splot.ini"));
    const std::string file_ = QFile::encodeName(path_).toStdString();

    QByteArray bytes() const
    {
        QFile f(path_);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void write(const QByteArray& b) const
    {
        QFile f(path_);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(b);
    }

  private slots:
    void init() { QFile::remove(path_); }

    void eachResultCountsInItsOwnKeyAndSurvivesARestart()
    {
        {
            IniFile file(file_);
            RecordStore store(file);
            QVERIFY(store.load() == GameRecord{}); // no file: all zeros
            GameRecord record = store.load();
            for (const GameResult& r : sampleResults()) {
                record.count(r, 1);
                QVERIFY(store.save(record, r));
            }
        }
        IniFile again(file_);
        QVERIFY(RecordStore(again).load() == sample());
        const QByteArray text = bytes();
        QVERIFY(text.startsWith("[Statistik]\n"));
        for (const char* line :
             {"\nVerloren0= 5\n", "\nGewonnen3= 4\n", "\nUnentschieden2= 11\n", "\nVerloren4= 9\n",
              "\nRot_gewonnen= 2\n", "\nBlau_gewonnen= 3\n", "\nUnentschieden= 13\n"})
            QVERIFY2(text.contains(line), line);
        QCOMPARE(text.count('\n'), 18 + 1); // the section and its eighteen keys, no more
    }

    void theResetAsksNothingAndZeroesEveryCount()
    {
        IniFile file(file_);
        RecordStore store(file);
        GameRecord record = sample();
        QVERIFY(store.save(record, {true, 1, kBlue}) && store.reset(record));
        QVERIFY(record == GameRecord{} && store.load() == GameRecord{});
        QVERIFY(bytes().contains("\nGewonnen1= 0\n") && bytes().contains("\nUnentschieden= 0\n"));
    }

    void anOddFileKeepsEveryByteOutsideTheSection()
    {
        // CR LF and LF mixed, a comment, a key without a value, Latin-1 bytes, an
        // unknown section, the record's section in the middle with garbage and a
        // key of someone else's, and no line break at the end.
        const QByteArray head =
            "; mine\r\n[Einstellungen]\r\nFeld= 9\r\nRot=J\xf6rg\r\nleer=\n\n[Statistik]\r\n";
        const QByteArray tail = "Fremd = bleibt\r\n[Zusatz]\r\nx=1";
        write(head + "gewonnen2 = 12abc\r\n" + tail);
        IniFile file(file_);
        RecordStore store(file);
        GameRecord record = store.load();
        QVERIFY(record == GameRecord{}); // "12abc" is no count
        record.count({true, 2, kBlue}, 1);
        QVERIFY(store.save(record, {true, 2, kBlue}));
        QCOMPARE(bytes(), head + "gewonnen2 = 1\r\n" + tail);
        // A new key goes after the last line of the section.
        record.count({false, 0, kRed}, 1);
        QVERIFY(store.save(record, {false, 0, kRed}));
        QCOMPARE(bytes(), head + "gewonnen2 = 1\r\nFremd = bleibt\r\nRot_gewonnen= 1\r\n[Zusatz]\r\nx=1");
        QVERIFY(RecordStore(file).load() == record);
    }

    void aFileWithoutTheSectionGetsItAtTheEnd()
    {
        const QByteArray odd = "[Window]\nStatus= 0\r\n\r\n  ; end\tof it";
        write(odd);
        IniFile file(file_);
        RecordStore store(file);
        QVERIFY(store.load() == GameRecord{});
        GameRecord record;
        record.count({true, 0, kEmpty}, 1);
        QVERIFY(store.save(record, {true, 0, kEmpty}));
        QCOMPARE(bytes(), odd + "\n[Statistik]\nUnentschieden0= 1");
    }

    void whatIsNotACountReadsZero()
    {
        const std::pair<const char*, int> cases[] = {{"7", 7},
                                                     {" 7", 7},
                                                     {"  12  ", 12},
                                                     {"0", 0},
                                                     {"-3", 0},
                                                     {"abc", 0},
                                                     {"12abc", 0},
                                                     {"1 2", 0},
                                                     {"+4", 0},
                                                     {"", 0},
                                                     {"999999999", 999999999},
                                                     {"1000000000", 0},
                                                     {"99999999999999999999", 0},
                                                     {"\"5\"", 5},
                                                     {"3.5", 0}};
        for (const auto& [value, count] : cases) {
            write(QByteArray("[Statistik]\nBlau_gewonnen=") + value + "\nVerloren3=" + value + "\n");
            IniFile file(file_);
            const GameRecord r = RecordStore(file).load();
            QVERIFY2(r.blueWon == count && r.lost[3] == count, value);
        }
    }
};

QTEST_GUILESS_MAIN(TestRecord)
#include "test_record.moc"
