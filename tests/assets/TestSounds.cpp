// Every sound cue is in the resource as a WAV that any player takes: PCM, mono, 16-bit, 22050 or
// 44100 Hz, under 150 KB, normalised without clipping, and as long as its role allows.
#include "assets/Pictures.h"

#include <QByteArray>
#include <QFile>
#include <QtTest>

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

struct Wav {
    bool ok = false;
    QString error;
    int format = 0;
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0;
    int blockAlign = 0;
    qint64 frames = 0;
    int peak = 0;          // largest absolute sample value
    qint64 fullScale = 0;  // samples at +32767 or -32768
};

quint32 le32(const QByteArray& b, qsizetype at)
{
    const auto* p = reinterpret_cast<const unsigned char*>(b.constData() + at);
    return quint32(p[0]) | (quint32(p[1]) << 8) | (quint32(p[2]) << 16) | (quint32(p[3]) << 24);
}

quint16 le16(const QByteArray& b, qsizetype at)
{
    const auto* p = reinterpret_cast<const unsigned char*>(b.constData() + at);
    return quint16(p[0] | (p[1] << 8));
}

// Reads a RIFF/WAVE file by hand, chunk by chunk, so the test depends on no audio library.
Wav parseWav(const QByteArray& bytes)
{
    Wav w;
    if (bytes.size() < 12 || bytes.left(4) != "RIFF" || bytes.mid(8, 4) != "WAVE") {
        w.error = QStringLiteral("not a RIFF WAVE file");
        return w;
    }
    if (le32(bytes, 4) + 8 > quint32(bytes.size())) {
        w.error = QStringLiteral("RIFF size larger than the file");
        return w;
    }
    bool haveFormat = false;
    qsizetype at = 12;
    while (at + 8 <= bytes.size()) {
        const QByteArray id = bytes.mid(at, 4);
        const quint32 size = le32(bytes, at + 4);
        const qsizetype body = at + 8;
        if (body + qsizetype(size) > bytes.size()) {
            w.error = QStringLiteral("chunk %1 runs past the end").arg(QString::fromLatin1(id));
            return w;
        }
        if (id == "fmt ") {
            if (size < 16) {
                w.error = QStringLiteral("short fmt chunk");
                return w;
            }
            w.format = le16(bytes, body);
            w.channels = le16(bytes, body + 2);
            w.sampleRate = int(le32(bytes, body + 4));
            w.blockAlign = le16(bytes, body + 12);
            w.bitsPerSample = le16(bytes, body + 14);
            haveFormat = true;
        } else if (id == "data") {
            if (!haveFormat || w.blockAlign != 2 || w.bitsPerSample != 16) {
                w.error = QStringLiteral("data before a 16-bit mono fmt chunk");
                return w;
            }
            w.frames = size / 2;
            for (qsizetype i = 0; i + 1 < qsizetype(size); i += 2) {
                const int v = static_cast<qint16>(le16(bytes, body + i));
                if (v == 32767 || v == -32768)
                    ++w.fullScale;
                w.peak = std::max(w.peak, std::abs(v));
            }
            w.ok = true;
        }
        at = body + size + (size & 1); // chunks are padded to an even length
    }
    if (!w.ok && w.error.isEmpty())
        w.error = QStringLiteral("no data chunk");
    return w;
}

} // namespace

class TestSounds : public QObject {
    Q_OBJECT

private slots:
    void resourcePathsFollowTheBareNames()
    {
        QCOMPARE(splot::pictures::soundResource("splot1.wav"), QStringLiteral(":/sounds/splot1.wav"));
        QCOMPARE(splot::pictures::soundResource("splot8.wav"), QStringLiteral(":/sounds/splot8.wav"));
    }

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

        const Wav w = parseWav(bytes);
        QVERIFY2(w.ok, qPrintable(w.error));
        QCOMPARE(w.format, 1); // PCM
        QCOMPARE(w.channels, 1);
        QCOMPARE(w.bitsPerSample, 16);
        QVERIFY2(w.sampleRate == 22050 || w.sampleRate == 44100, qPrintable(QString::number(w.sampleRate)));

        const double seconds = double(w.frames) / w.sampleRate;
        QVERIFY2(seconds >= minSeconds && seconds <= maxSeconds, qPrintable(QString::number(seconds)));

        // Normalised: the loudest sample reaches at least half of full scale (about -6 dBFS) ...
        QVERIFY2(w.peak >= 16384, qPrintable(QString::number(w.peak)));
        // ... without clipping: no sample sits at the limits.
        QCOMPARE(w.fullScale, 0);
    }

    void parserRefusesBrokenFiles()
    {
        QVERIFY(!parseWav(QByteArray("RIFX\0\0\0\0WAVE", 12)).ok);
        QByteArray truncated("RIFF\x24\x00\x00\x00WAVEfmt ", 16);
        QVERIFY(!parseWav(truncated).ok);
    }
};

QTEST_MAIN(TestSounds)
#include "TestSounds.moc"
