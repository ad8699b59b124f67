// The deal's arithmetic and its generator, on their own.

#include "game/draw.h"
#include "game/random_source.h"

#include <QTest>
#include <cmath>

class DrawTest : public QObject {
    Q_OBJECT
private slots:
    void scaleGrowsByPowersOfTen_data() {
        QTest::addColumn<qint64>("rows");
        QTest::addColumn<qint64>("scale");
        for (auto [rows, scale] : {std::pair<qint64, qint64>{1, 10},
                                   {10, 10},
                                   {11, 100},
                                   {100, 100},
                                   {101, 1000},
                                   {1000, 1000},
                                   {1001, 10000},
                                   {10000, 10000},
                                   {32766, 100000},
                                   {100001, 1000000}})
            QTest::addRow("%lld rows", rows) << rows << scale;
    }
    void scaleGrowsByPowersOfTen() {
        QFETCH(qint64, rows);
        QFETCH(qint64, scale);
        QCOMPARE(drawScale(rows), scale);
    }

    void attemptsRoundHalvesToEven_data() {
        QTest::addColumn<float>("r");
        QTest::addColumn<qint64>("scale");
        QTest::addColumn<qint64>("row");
        QTest::newRow("0.25 of 10 is 2.5: row 2") << 0.25f << qint64(10) << qint64(2);
        QTest::newRow("0.75 of 10 is 7.5: row 8") << 0.75f << qint64(10) << qint64(8);
        QTest::newRow("0 is row 1") << 0.0f << qint64(10) << qint64(1);
        QTest::newRow("0.05 of 10 is 0.5: row 1") << 0.05f << qint64(10) << qint64(1);
        QTest::newRow("just below 0.15: row 1") << 0.1499f << qint64(10) << qint64(1);
        QTest::newRow("0.15 of 10 is 1.5: row 2") << 0.15f << qint64(10) << qint64(2);
        QTest::newRow("0.95 of 10 is 9.5: row 10") << 0.95f << qint64(10) << qint64(10);
        QTest::newRow("0.114 of 100: row 11") << 0.114f << qint64(100) << qint64(11);
        QTest::newRow("0.115 of 100 is 11.5: row 12") << 0.115f << qint64(100) << qint64(12);
        QTest::newRow("0.9995 of 1000 is 999.5: row 1000")
            << 0.9995f << qint64(1000) << qint64(1000);
        QTest::newRow("0.1001 of 10000: row 1001") << 0.1001f << qint64(10000) << qint64(1001);
    }
    void attemptsRoundHalvesToEven() {
        QFETCH(float, r);
        QFETCH(qint64, scale);
        QFETCH(qint64, row);
        QCOMPARE(drawnRow(r, scale), row);
    }

    void tenRowsNeverMissTheList() {
        for (int i = 0; i < 1 << 16; ++i) {
            const qint64 row = drawnRow(float(i) / float(1 << 16), drawScale(10));
            QVERIFY(row >= 1 && row <= 10);
        }
    }

    void everyRowOfALongListCanComeUp() {
        FixedStartRandom random;
        const qint64 rows = 32766;
        QList<bool> seen(rows + 1, false);
        for (int i = 0; i < 8'000'000; ++i) {
            const qint64 row = drawnRow(random.next(), drawScale(rows));
            if (row <= rows)
                seen[row] = true;
        }
        QVERIFY(std::all_of(seen.begin() + 1, seen.end(), [](bool s) { return s; }));
    }

    void generatorValuesAreExactFloatsBelowOne() {
        FixedStartRandom random;
        float smallest = 1, largest = 0;
        for (int i = 0; i < 1'000'000; ++i) {
            const float r = random.next();
            QVERIFY(r >= 0.0f && r < 1.0f);
            const float scaled = r * 16777216.0f;
            QCOMPARE(scaled, std::floor(scaled));
            smallest = std::min(smallest, r);
            largest = std::max(largest, r);
        }
        QVERIFY(smallest < 0.001f && largest > 0.999f);
    }

    void everyRunStartsFromTheSameState() {
        FixedStartRandom first, second;
        QList<float> a, b;
        for (int i = 0; i < 100; ++i) {
            a.append(first.next());
            b.append(second.next());
        }
        QCOMPARE(a, b);
        QVERIFY(a[0] != a[1]);
    }
};

QTEST_GUILESS_MAIN(DrawTest)
#include "test_draw.moc"
