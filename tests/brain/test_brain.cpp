// The brain's protocol: scripted sessions, every answer checked, bad input
// answered with ERROR lines.
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
            "ABOUT -> name=\"Splotchery\", version=\"1.24\", author=\"The Splotchery developers\"",
            "TURN 1,1 -> ERROR no game started",
            "START 16 -> ERROR unsupported size 16, only 6 to 15",
            "START -> ERROR START needs the board size",
            "RECTSTART 15,10 -> ERROR only square boards",
            "start 15 -> OK",
            "INFO timeout_turn 1000 ->",
            "INFO rule 4 -> MESSAGE only the free rule is played: five or more in a row wins",
            "BEGIN | BEGIN -> 7,7 ERROR the board is not empty",
            "TURN 7,7 | TURN 15,0 -> ERROR 7,7 is taken ERROR 15,0 is off the board",
            "TURN 1,2, -> ERROR TURN needs x,y",
            "\tHELLO there -> UNKNOWN HELLO",
            "TAKEBACK 7,7 | TAKEBACK 7,7 -> OK ERROR nothing to take back there",
            // Its own five before blocking the opponent's four; bad board lines are refused.
            "BOARD | 0,0,1 | 1,0,1 | 2,0,1 | 3,0,1 ->",
            "x,y | 3,0,2 -> ERROR a board line is x,y,who (who 1, 2 or 3) ERROR 3,0 is taken",
            "9,9,3 | 0,5,2 | 1,5,2 | 2,5,2 | 3,5,2 | done -> 4,0",
            "TURN 4,5 -> ERROR the game is over",
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
};

QTEST_APPLESS_MAIN(TestBrain)
#include "test_brain.moc"
