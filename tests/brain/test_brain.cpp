// The brain's protocol: scripted sessions, every answer checked, bad input
// answered with ERROR lines; the time it gives a move.
#include "brain/Brain.h"

#include <QtTest>

#include <string>
#include <vector>

using namespace splot;

class TestBrain : public QObject {
    Q_OBJECT
  private slots:
    void tournamentSession()
    {
        // The lines sent (" | " between several), then " ->" and what the brain answers to them;
        // " (ends)" where it stops.
        const QStringList script = {
            "ABOUT -> name=\"Splotchery\", version=\"" SPLOT_VERSION
            "\", author=\"The Splotchery developers\", country=\"Germany\"",
            "START 16 | START -> ERROR unsupported size 16, only 6 to 15 ERROR START needs the board size",
            "RECTSTART 15,10 -> ERROR only square boards",
            // A start it cannot play leaves no game; a board without one is read to its end.
            "START 15 | RECTSTART 15 | BOARD | 0,0,1 | DONE | BEGIN -> OK ERROR RECTSTART needs width,height "
            "ERROR no game started ERROR no game started",
            // INFO gets no answer, whatever it says.
            "RECTSTART 15,15 | INFO rule 1 | INFO rule 4 | INFO time_left soon | INFO timeout_match -> OK",
            "BEGIN | BEGIN -> 7,7 ERROR the board is not empty",
            "TURN 7,7 | TURN 15,0 -> ERROR 7,7 is taken ERROR 15,0 is off the board",
            "TURN 1,2, -> ERROR TURN needs x,y",
            "\tHELLO there -> UNKNOWN HELLO",
            "TAKEBACK 7,7 | TAKEBACK 7,7 -> OK ERROR nothing to take back there",
            // Its own five before blocking the opponent's four.
            "BOARD | 0,0,1 | 1,0,1 | 2,0,1 | 3,0,1 ->",
            "9,9,3 | 0,5,2 | 1,5,2 | 2,5,2 | 3,5,2 | done -> 4,0",
            // A cell nobody may play ends its own line: it blocks the opponent's four.
            "BOARD | 0,0,1 | 1,0,1 | 2,0,1 | 3,0,1 | 4,0,3 | 0,5,2 | 1,5,2 | 2,5,2 | 3,5,2 | DONE -> 4,5",
            // A bad line (a cell twice, off the wall, a field not 1, 2 or 3) refuses the whole board
            // with one ERROR and no move, and leaves the game as it was.
            "BOARD | 0,0,1 | 0,0,2 | x,y | DONE -> ERROR bad board line 0,0,2",
            "BOARD | 0,15,1 | DONE | BOARD | 1,0,4 | DONE -> ERROR bad board line 0,15,1 ERROR bad board "
            "line 1,0,4",
            "TAKEBACK 4,5 | TURN 4,5 -> OK ERROR the game is over",
            // A board whose game is finished.
            "BOARD | 0,0,2 | 1,1,2 | 2,2,2 | 3,3,2 | 4,4,2 | 7,0,1 | DONE -> ERROR the game is over",
            "RESTART | BEGIN -> OK 7,7",
            "END -> (ends)",
        };
        BrainSession brain(kMasterLevel, 5);
        brain.searchByNodes(2000);
        QStringList transcript;
        for (const QString& line : script) {
            QString said = line.section(" ->", 0, 0) + " ->";
            bool goesOn = true;
            for (const QString& sent : line.section(" ->", 0, 0).split(" | ")) {
                std::vector<std::string> out;
                goesOn = brain.handle(sent.toStdString(), out);
                for (const std::string& answer : out)
                    said += " " + QString::fromStdString(answer);
            }
            transcript.append(goesOn ? said : said + " (ends)");
        }
        QCOMPARE(transcript, script);
    }

    void timeOfAMove()
    {
        // Turn, match, time left (ms, -1 unknown), empty cells -> the milliseconds the master thinks.
        const int table[][5] = {
            {1000, -1, -1, 225, 750},        // a quarter of the turn kept back
            {300, -1, -1, 225, 150},         // and at least 150 ms
            {0, -1, -1, 225, 5},             // as fast as it can
            {30000, 180000, 10000, 8, 1800}, // the time left less a tenth, over at least 5 moves
            {30000, 0, 1000, 225, 22500},    // a match of 0 has no limit
        };
        for (const auto& [turn, match, left, empty, ms] : table)
            QCOMPARE(qRound(moveSeconds(turn, match, left, empty) * 1000), ms);

        // The manager's clock reaches the master, and it alone ends the search: 500 ms over 25 moves.
        BrainSession brain;
        std::vector<std::string> out;
        for (const char* line : {"START 15", "INFO timeout_turn 30000", "INFO time_left 500", "TURN 0,0"})
            brain.handle(line, out);
        QCOMPARE(qRound(brain.searchLimits().seconds * 1000), 18);
        QCOMPARE(brain.searchLimits().nodes, 0L);
    }
};

QTEST_APPLESS_MAIN(TestBrain)
#include "test_brain.moc"
