// The record of decided games in the settings file: every count in its own key
// of "[Statistik]", written like the file's other numbers, read back after a
// restart; what is not a count reads 0.
#include "platform/IniFile.h"
#include "shell/RecordStore.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace splot;

namespace {

// A whole record as text: the human's wins, losses and draws by level, then two players' results.
QString text(const GameRecord& r)
{
    QString s;
    for (const auto& [name, counts] : {std::pair{"won", r.won}, {"lost", r.lost}, {"drawn", r.drawn}})
        s += QString::asprintf("%s %d %d %d %d %d ", name, counts[0], counts[1], counts[2], counts[3],
                               counts[4]);
    return s + QString::asprintf("red %d blue %d draws %d", r.redWon, r.blueWon, r.humanDraws);
}
const QString kZeros = "won 0 0 0 0 0 lost 0 0 0 0 0 drawn 0 0 0 0 0 red 0 blue 0 draws 0";

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

    // Results as the games end, the whole file after them, the record after a restart; the reset
    // asks nothing and zeroes every count.
    void eachResultCountsInItsOwnKeyAndSurvivesARestart()
    {
        const GameResult played[] = {{true, 1, kBlue},  {true, 1, kBlue},   {true, 4, kRed},
                                     {true, 9, kEmpty}, {true, -1, kBlue},  {false, 0, kRed},
                                     {false, 3, kBlue}, {false, 0, kEmpty}, {true, 2, kRed}};
        {
            IniFile file(file_);
            RecordStore store(file);
            GameRecord record = store.load(); // no file: all zeros
            QCOMPARE(text(record), kZeros);
            for (const GameResult& r : played) {
                record.count(r, 1);
                QVERIFY(store.save(record, r));
            }
        }
        QCOMPARE(bytes(), "[Statistik]\nGewonnen1= 2\nVerloren4= 1\nUnentschieden4= 1\nGewonnen0= 1\n"
                          "Rot_gewonnen= 1\nBlau_gewonnen= 1\nUnentschieden= 1\nVerloren2= 1\n");
        IniFile again(file_);
        RecordStore store(again);
        GameRecord record = store.load();
        QCOMPARE(text(record), "won 1 2 0 0 0 lost 0 0 1 0 1 drawn 0 0 0 0 1 red 1 blue 1 draws 1");
        record.count({true, 0, kBlue}, -1);
        record.count({true, 0, kBlue}, -1); // never below 0
        QCOMPARE(text(record), "won 0 2 0 0 0 lost 0 0 1 0 1 drawn 0 0 0 0 1 red 1 blue 1 draws 1");
        QVERIFY(store.reset(record));
        QCOMPARE(text(record), kZeros);
        QCOMPARE(text(store.load()), kZeros);
        QCOMPARE(bytes().count("= 0\n"), 18);
    }

    // One value a key, read as a count or as 0.
    void whatIsNotACountReadsZero()
    {
        write("[Statistik]\nGewonnen0=7\nGewonnen1= 7\nGewonnen2=  12  \nGewonnen3=-3\nGewonnen4=+4\n"
              "Verloren0=abc\nVerloren1=12abc\nVerloren2=1 2\nVerloren3=\nVerloren4=3.5\n"
              "Unentschieden0=999999999\nUnentschieden1=1000000000\nUnentschieden2=99999999999999999999\n"
              "Unentschieden3=\"5\"\nBlau_gewonnen= 4\nRot_gewonnen=x\n");
        IniFile f(file_);
        QCOMPARE(text(RecordStore(f).load()),
                 "won 7 7 12 0 0 lost 0 0 0 0 0 drawn 999999999 0 0 5 0 red 0 blue 4 draws 0");
    }
};

QTEST_GUILESS_MAIN(TestRecord)
#include "test_record.moc"
