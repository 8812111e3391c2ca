#include "analysis/limitmonitor.h"
#include "analysis/limitsettings.h"
#include "platform/profilefile.h"
#include "support/filebytes.h"

#include <QTemporaryDir>
#include <QtTest>
#include <bit>
#include <cmath>

Q_DECLARE_METATYPE(QuantityLimits)

namespace {

using Samples = std::vector<std::pair<qint64, double>>;

QuantityLimits limits(std::optional<double> lower, std::optional<double> upper,
                      double hysteresis = 0, qint64 minimumDurationMs = 0)
{
    return {lower, upper, hysteresis, minimumDurationMs};
}

QString describe(const LimitChange &change)
{
    const char *const names[] = {"inside", "below", "above"};
    return QStringLiteral("%1 %2").arg(QLatin1String(names[int(change.state)])).arg(change.timeMs);
}

const QByteArray OtherSections =
    "; ZUNOV\r\n[NASTAVENI]\r\nPort=2\r\nTSER = 1000\r\n\r\n[X]\r\na=b\r\n";

} // namespace

class tst_Limits : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void monitor_data();
    void monitor();
    void triggeredRecording_data();
    void triggeredRecording();
    void settingsRoundTrip();
    void settingsWrittenOnlyWhenNeeded();
    void malformedSettings_data();
    void malformedSettings();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_path;
};

void tst_Limits::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_path = m_dir->filePath(QStringLiteral("ZUNOV.INI"));
}

void tst_Limits::monitor_data()
{
    QTest::addColumn<QuantityLimits>("limits");
    QTest::addColumn<Samples>("samples");
    QTest::addColumn<QString>("changes");
    const double nan = std::nan("");
    QTest::newRow("equal to a limit is inside") << limits(1, 2) << Samples{{0, 1}, {10, 2}} << "";
    QTest::newRow("at once") << limits(1, 2) << Samples{{0, 0.5}, {10, 1}, {20, 2.5}, {30, 2}}
                             << "below 0, inside 10, above 20, inside 30";
    QTest::newRow("hysteresis above")
        << limits(1, 2, 0.1) << Samples{{0, 2.5}, {10, 1.95}, {20, 2.05}, {30, 1.9}}
        << "above 0, inside 30";
    QTest::newRow("hysteresis below")
        << limits(1, 2, 0.1) << Samples{{0, 0.5}, {10, 1.05}, {20, 1.1}} << "below 0, inside 20";
    QTest::newRow("short excursions")
        << limits(1, 2, 0, 100)
        << Samples{{0, 0.5}, {99, 0.5}, {100, 1.5}, {150, 2.5}, {249, 3}, {250, 1.5}} << "";
    QTest::newRow("long excursion")
        << limits(1, 2, 0, 100) << Samples{{0, 1.5}, {10, 0.5}, {60, 0.7}, {110, 0.9}, {120, 1.5}}
        << "below 10, inside 120";
    QTest::newRow("no numbers are no interruption")
        << limits(1, 2, 0, 100) << Samples{{0, 0.5}, {50, nan}, {60, -INFINITY}, {100, 0.5}}
        << "below 0";
    QTest::newRow("only lower") << limits(1, {}) << Samples{{0, 1e300}, {10, 0.5}} << "below 10";
    QTest::newRow("only upper") << limits({}, 2) << Samples{{0, -1e300}, {10, 3}} << "above 10";
}

void tst_Limits::monitor()
{
    QFETCH(QuantityLimits, limits);
    QFETCH(Samples, samples);
    QFETCH(QString, changes);
    LimitMonitor monitor;
    monitor.setLimits(limits);
    QStringList seen;
    for (const auto &[timeMs, value] : samples) {
        if (const auto change = monitor.add(value, timeMs))
            seen << describe(*change);
    }
    QCOMPARE(seen.join(QStringLiteral(", ")), changes);
}

void tst_Limits::triggeredRecording_data()
{
    // "out T": a violation whose value went out at T; "in T": one ended at T;
    // every step is followed by a tick at its time.
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("actions");
    QTest::newRow("history and stop delay") << "out 5000, in 6000, at 8999, at 9000, at 9500"
                                            << "from 3000, stop 9000";
    QTest::newRow("again during the stop delay")
        << "out 5000, in 6000, out 8000, in 8500, at 9000, at 11499, at 11500"
        << "from 3000, stop 11500";
    QTest::newRow("two quantities")
        << "out 5000, out 5500, in 6000, at 9000, in 7000, at 9999, at 10000"
        << "from 3000, stop 10000";
    QTest::newRow("rows already written") << "out 5000, in 6000, at 9000, out 10000"
                                          << "from 3000, stop 9000, from 9001";
}

void tst_Limits::triggeredRecording()
{
    QFETCH(QString, steps);
    QFETCH(QString, actions);
    TriggeredRecording recording(2000, 3000);
    QStringList seen;
    for (const QString &step : steps.split(QStringLiteral(", "))) {
        const QString kind = step.section(QLatin1Char(' '), 0, 0);
        const qint64 timeMs = step.section(QLatin1Char(' '), 1).toLongLong();
        if (kind != QLatin1String("at")) {
            const auto state =
                kind == QLatin1String("out") ? LimitState::Below : LimitState::Inside;
            if (recording.add({state, timeMs}))
                seen << QStringLiteral("from %1").arg(recording.historyFromMs());
        }
        if (recording.tick(timeMs))
            seen << QStringLiteral("stop %1").arg(timeMs);
    }
    QCOMPARE(seen.join(QStringLiteral(", ")), actions);
}

void tst_Limits::settingsRoundTrip()
{
    LimitSettings settings;
    settings.of(Quantity::U1) = limits(1.5, 2.5, 0.1, 500);
    settings.of(Quantity::Resistance) = limits({}, 4.7e6);
    settings.of(Quantity::Frequency) = limits(0.1 + 0.2, {}, 1.0 / 3);
    settings.beep = false;
    settings.triggeredRecording = true;
    settings.preTriggerSeconds = 5;
    settings.postTriggerSeconds = 70;
    settings.recordingPath = QStringLiteral("/tmp/měření 1, pec.csv");
    writeBytes(m_path, OtherSections);
    ProfileFile file(m_path);
    writeLimitSettings(file, settings);

    QVERIFY(readBytes(m_path).startsWith(OtherSections));
    QCOMPARE(readLimitSettings(file), settings);
    const double lower = *readLimitSettings(file).of(Quantity::Frequency).lower;
    QCOMPARE(std::bit_cast<quint64>(lower), std::bit_cast<quint64>(0.1 + 0.2));
}

void tst_Limits::settingsWrittenOnlyWhenNeeded()
{
    ProfileFile file(m_path);
    LimitSettings settings;
    settings.beep = false;
    writeLimitSettings(file, settings);
    QVERIFY(!QFile::exists(m_path));
    writeBytes(m_path, OtherSections);
    writeLimitSettings(file, settings);
    QCOMPARE(readBytes(m_path), OtherSections);

    // A number as the user wrote it stays while it means the same.
    writeBytes(m_path, OtherSections + "[MEZE]\r\nU1Dolni = 1.50\r\n");
    settings = readLimitSettings(file);
    writeLimitSettings(file, settings);
    QCOMPARE(readBytes(m_path), OtherSections + "[MEZE]\r\nU1Dolni = 1.50\r\n");

    // Once the section is there, taking the last limit away is written too.
    settings.of(Quantity::U1) = {};
    writeLimitSettings(file, settings);
    QCOMPARE(readLimitSettings(file), settings);
}

void tst_Limits::malformedSettings_data()
{
    QTest::addColumn<QByteArray>("lines");
    QTest::addColumn<QuantityLimits>("expected");
    QTest::newRow("well formed") << QByteArray("U1Dolni = 1.5\nU1Horni=2.5\nU1Hystereze=0.25\n"
                                               "U1Trvani=300")
                                 << limits(1.5, 2.5, 0.25, 300);
    QTest::newRow("empty") << QByteArray("U1Dolni=\nU1Horni=2") << limits({}, 2);
    QTest::newRow("decimal comma") << QByteArray("U1Dolni=1,5\nU1Horni=2") << limits({}, 2);
    QTest::newRow("text") << QByteArray("U1Dolni=abc\nU1Horni=2") << limits({}, 2);
    QTest::newRow("infinite") << QByteArray("U1Dolni=1\nU1Horni=inf") << limits(1, {});
    QTest::newRow("negative hysteresis")
        << QByteArray("U1Dolni=1\nU1Hystereze=-1") << limits(1, {});
    QTest::newRow("negative duration") << QByteArray("U1Dolni=1\nU1Trvani=-5") << limits(1, {});
    QTest::newRow("duration text") << QByteArray("U1Dolni=1\nU1Trvani=1s") << limits(1, {});
    QTest::newRow("lower above upper") << QByteArray("U1Dolni=3\nU1Horni=2") << limits({}, {});
    QTest::newRow("hysteresis closes the band")
        << QByteArray("U1Dolni=1\nU1Horni=2\nU1Hystereze=0.6") << limits({}, {});
    QTest::newRow("hysteresis half the band")
        << QByteArray("U1Dolni=1\nU1Horni=2\nU1Hystereze=0.5") << limits(1, 2, 0.5);
}

void tst_Limits::malformedSettings()
{
    QFETCH(QByteArray, lines);
    QFETCH(QuantityLimits, expected);
    writeBytes(m_path, "[MEZE]\n" + lines + "\n");
    const LimitSettings settings = readLimitSettings(ProfileFile(m_path));
    QCOMPARE(settings.of(Quantity::U1), expected);
    QVERIFY(settings.validate().isEmpty());

    LimitSettings wrong = settings;
    wrong.of(Quantity::U2) = limits(2, 1);
    QVERIFY(wrong.validate().contains(QLatin1String("U2")));
}

QTEST_APPLESS_MAIN(tst_Limits)
#include "tst_limits.moc"
