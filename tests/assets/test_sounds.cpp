// Every sound cue is in the resource as a WAV that any player takes: PCM, mono, 16-bit, 22050 or
// 44100 Hz, under 150 KB, loud enough without clipping, and as long as its role allows.
#include "assets/Pictures.h"

#include <QtTest>

class TestSounds : public QObject {
    Q_OBJECT

  private slots:
    void everyCueHasItsSound_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<double>("minSeconds");
        QTest::addColumn<double>("maxSeconds");
        QTest::newRow("start-up jingle") << "splot0.wav" << 1.0 << 2.0;
        QTest::newRow("splat") << "splot1.wav" << 0.1 << 0.8;
        QTest::newRow("pump squirt") << "splot2.wav" << 0.1 << 0.8;
        QTest::newRow("victory fanfare") << "splot3.wav" << 1.0 << 2.2;
        // A chatter is followed by a pause of 0.4 s, so it must be over by then.
        for (int k = 4; k <= 8; ++k)
            QTest::addRow("chatter %d", k) << QStringLiteral("splot%1.wav").arg(k) << 0.1 << 0.4;
    }

    void everyCueHasItsSound()
    {
        QFETCH(QString, file);
        QFETCH(double, minSeconds);
        QFETCH(double, maxSeconds);
        QFile f(splot::pictures::soundResource(file.toStdString()));
        QVERIFY2(f.open(QIODevice::ReadOnly), qPrintable(f.fileName() + " is missing"));
        const QByteArray bytes = f.readAll();
        QVERIFY2(bytes.size() < 150 * 1024, qPrintable(QString::number(bytes.size())));
        QVERIFY(bytes.startsWith("RIFF") && bytes.mid(8, 4) == "WAVE");

        // The chunks, walked by hand so that the check depends on no audio library.
        QMap<QByteArray, QByteArray> chunks;
        for (qsizetype at = 12; at + 8 <= bytes.size();) {
            const quint32 size = qFromLittleEndian<quint32>(bytes.constData() + at + 4);
            QVERIFY2(at + 8 + size <= bytes.size(), "a chunk runs past the end of the file");
            chunks[bytes.mid(at, 4)] = bytes.mid(at + 8, size);
            at += 8 + size + (size & 1); // chunks are padded to an even length
        }
        const QByteArray fmt = chunks.value("fmt "), data = chunks.value("data");
        QVERIFY(fmt.size() >= 16 && data.size() >= 2);
        QCOMPARE(fmt.left(4), QByteArray::fromHex("01000100"));         // PCM, mono
        QCOMPARE(qFromLittleEndian<quint16>(fmt.constData() + 14), 16); // bits per sample
        const quint32 rate = qFromLittleEndian<quint32>(fmt.constData() + 4);
        QVERIFY2(rate == 22050 || rate == 44100, qPrintable(QString::number(rate)));
        const double seconds = data.size() / 2.0 / rate;
        QVERIFY2(seconds >= minSeconds && seconds <= maxSeconds, qPrintable(QString::number(seconds)));

        // The loudest sample reaches at least half of full scale, and no sample sits at the limits.
        QList<qint16> samples(data.size() / 2);
        qFromLittleEndian<qint16>(data.constData(), samples.size(), samples.data());
        const auto [low, high] = std::minmax_element(samples.cbegin(), samples.cend());
        QVERIFY2(*low > -32768 && *high < 32767, "clipped");
        const int peak = std::max(-*low, int(*high));
        QVERIFY2(peak >= 16384, qPrintable(QString::number(peak)));
    }
};

QTEST_MAIN(TestSounds)
#include "test_sounds.moc"
