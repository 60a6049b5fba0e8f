#include "BenchTimer.h"
#include "BusinessDay.h"
#include "ConnectionString.h"
#include "Database.h"
#include "SqlNames.h"
#include "TradingYearGenerator.h"
#include "UnitOfWork.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>

using namespace vantorel;
using namespace vantorel::bench;

namespace {

QTextStream& out() {
    static QTextStream s(stdout);
    return s;
}

struct Figures {
    int repetitions = 50;
};

void line(const QString& what, double ms, const QString& limitName, double limitMs) {
    out() << QStringLiteral("%1 %2 ms   %3 %4 ms   ratio %5\n")
                 .arg(what, -34)
                 .arg(ms, 8, 'f', 3)
                 .arg(limitName, -22)
                 .arg(limitMs, 8, 'f', 3)
                 .arg(limitMs > 0 ? ms / limitMs : 0.0, 6, 'f', 2);
    out().flush();
}

// The engine's own limits and the program's operations on one database, in the same run.
int run(const QString& folder, const Figures& f) {
    const ConnectionString where = ConnectionString::file(LiveDatabasePath(folder));
    auto db = Database::open(where);
    const QDateTime lastEvening = db->queryOne(QStringLiteral("SELECT max(InDate) AS m FROM BillA"))->dateTime("m");
    out() << "Database: " << where.toString() << "\n"
          << "Bills: " << db->scalar(QStringLiteral("SELECT count(*) FROM BillA")).toLongLong()
          << ", lines: " << db->scalar(QStringLiteral("SELECT count(*) FROM BillB")).toLongLong()
          << ", open bills: " << db->scalar(QStringLiteral("SELECT count(*) FROM BillA WHERE PayMode = 'Pend'")).toLongLong()
          << "\n\n";

    // Limit for a write: one durable single-row insert and commit.
    const double insertMs = MedianMs(f.repetitions, [&] {
        UnitOfWork work(*db);
        db->exec(QStringLiteral("INSERT INTO Events (%1, %2) VALUES (?, ?)")
                     .arg(SqlName(QStringLiteral("DateTime")), SqlName(QStringLiteral("Event"))),
                 {lastEvening, QStringLiteral("bench")});
        work.commit();
    });
    db->exec(QStringLiteral("DELETE FROM Events WHERE %1 = 'bench'").arg(SqlName(QStringLiteral("Event"))));
    line(QStringLiteral("durable insert + commit"), insertMs, QStringLiteral("(the write limit)"), insertMs);

    // Opening the database and loading the settings at start.
    const double openMs = MedianMs(std::max(5, f.repetitions / 5), [&] {
        auto fresh = Database::open(where);
        fresh->queryOne(QStringLiteral("SELECT * FROM Utility"));
        fresh->queryOne(QStringLiteral("SELECT * FROM Taxes"));
    });
    line(QStringLiteral("open database + settings"), openMs, QStringLiteral("target"), 200.0);

    // The first-start test of the business day, on the last evening of the year.
    const QDateTime from = BusinessDayStartAt(lastEvening), to = BusinessDayEndAt(lastEvening);
    const double firstStartSqlMs = MedianMs(f.repetitions, [&] {
        db->query(QStringLiteral("SELECT (SELECT count(*) FROM BillA WHERE InDate >= ? AND InDate <= ?) AS a, "
                                 "(SELECT count(*) FROM BillB WHERE OrderDate >= ? AND OrderDate <= ?) AS b"),
                  {from, to, from, to});
    });
    line(QStringLiteral("first-start test (hand-written SQL)"), firstStartSqlMs, QStringLiteral("target"), 20.0);

    const double openListSqlMs = MedianMs(f.repetitions, [&] {
        db->query(QStringLiteral("SELECT * FROM BillA WHERE PayMode = 'Pend' ORDER BY %1").arg(SqlName(QStringLiteral("Table"))));
    });
    line(QStringLiteral("open-bill list (hand-written SQL)"), openListSqlMs, QStringLiteral("target"), 20.0);

    out() << QStringLiteral("\npeak resident memory %1 MB (target 150 MB)\n").arg(PeakResidentMb(), 0, 'f', 1);
    return 0;
}

int generate(const QString& folder, TradingYearOptions options) {
    QElapsedTimer t;
    t.start();
    const TradingYearSummary s = GenerateTradingYear(folder, options);
    out() << "Generated " << s.bills << " bills, " << s.lines << " lines, " << s.events << " events in "
          << t.elapsed() / 1000.0 << " s into " << folder << "\n";
    return 0;
}

const char* kUsage = "Usage:\n"
                     "  vantorel-bench generate DIR [--bills-per-day N]   one year of trading into a new data folder\n"
                     "  vantorel-bench run DIR [--repetitions N]          time every operation against the engine's limits\n"
                     "  vantorel-bench smoke                              a few days of trading, generated and run (CI)\n";

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty()) {
        QTextStream(stderr) << kUsage;
        return 2;
    }
    const QString command = args.takeFirst();
    auto option = [&](const QString& name, int fallback) {
        const qsizetype i = args.indexOf(name);
        if (i < 0 || i + 1 >= args.size())
            return fallback;
        const int v = args[i + 1].toInt();
        args.remove(i, 2);
        return v > 0 ? v : fallback;
    };
    try {
        if (command == QLatin1String("generate") || command == QLatin1String("run")) {
            TradingYearOptions options;
            options.billsPerDay = option(QStringLiteral("--bills-per-day"), options.billsPerDay);
            Figures f;
            f.repetitions = option(QStringLiteral("--repetitions"), f.repetitions);
            if (args.size() != 1) {
                QTextStream(stderr) << kUsage;
                return 2;
            }
            return command == QLatin1String("generate") ? generate(args[0], options) : run(args[0], f);
        }
        if (command == QLatin1String("smoke")) {
            QTemporaryDir dir;
            TradingYearOptions options;
            options.billsPerDay = 3;
            options.linesPerBill = 3;
            generate(dir.filePath(QStringLiteral("year")), options);
            Figures f;
            f.repetitions = 3;
            return run(dir.filePath(QStringLiteral("year")), f);
        }
    } catch (const std::exception& e) {
        QTextStream(stderr) << "vantorel-bench: " << e.what() << "\n";
        return 1;
    }
    QTextStream(stderr) << kUsage;
    return 2;
}
