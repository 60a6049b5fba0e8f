#include "BenchTimer.h"
#include "BillLines.h"
#include "Bills.h"
#include "BusinessDay.h"
#include "Clock.h"
#include "ConnectionString.h"
#include "Database.h"
#include "DayChange.h"
#include "FirstPrint.h"
#include "PrintServices.h"
#include "PrintSink.h"
#include "ProgramState.h"
#include "Prompter.h"
#include "ReceiptPrinting.h"
#include "Settings.h"
#include "Settlement.h"
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

// The benchmark answers every question with its default and approves nothing.
class QuietPrompter : public Prompter {
public:
    void showMessage(const QString&, const QString&, Icon) override {}
    Answer ask(const QString&, const QString&, Buttons b, Icon) override {
        return b == Buttons::Ok || b == Buttons::OkCancel ? Answer::Ok : Answer::Yes;
    }
    std::optional<QString> askText(const QString&, const QString&, int, bool) override {
        return std::nullopt;
    }
    Approval requestApproval(const QString&, const QString&) override { return Approval::Refused; }
    void beep(int) override {}
};

// A printer that takes every job and keeps nothing: the receipt is laid out and sent, not printed.
class DiscardingPrintSink : public PrintSink {
public:
    bool printerExists(const QString&) override { return true; }
    QString defaultPrinter() override { return QStringLiteral("Bench"); }
    QStringList printerNames() override { return {QStringLiteral("Bench")}; }
    PrintJobResult submit(const QString&, const QString&, const QByteArray&, Format) override {
        return PrintJobResult{true, QString(), 1};
    }
};

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
    const QDateTime lastEvening =
        db->queryOne(QStringLiteral("SELECT max(InDate) AS m FROM BillA"))->dateTime("m");
    out() << "Database: " << where.toString() << "\n"
          << "Bills: " << db->scalar(QStringLiteral("SELECT count(*) FROM BillA")).toLongLong()
          << ", lines: " << db->scalar(QStringLiteral("SELECT count(*) FROM BillB")).toLongLong()
          << ", open bills: "
          << db->scalar(QStringLiteral("SELECT count(*) FROM BillA WHERE PayMode = 'Pend'")).toLongLong()
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
        SettingsCopies copies;
        LoadSettingsCopies(*fresh, copies);
    });
    line(QStringLiteral("open database + settings"), openMs, QStringLiteral("target"), 200.0);

    // The first-start test of the business day, on the last evening of the year.
    const QDateTime from = BusinessDayStartAt(lastEvening), to = BusinessDayEndAt(lastEvening);
    const double firstStartSqlMs = MedianMs(f.repetitions, [&] {
        db->query(
            QStringLiteral("SELECT (SELECT count(*) FROM BillA WHERE InDate >= ? AND InDate <= ?) AS a, "
                           "(SELECT count(*) FROM BillB WHERE OrderDate >= ? AND OrderDate <= ?) AS b"),
            {from, to, from, to});
    });
    const FixedClock clock(lastEvening.addSecs(600));
    const double firstStartMs = MedianMs(f.repetitions, [&] { IsFirstStartOfBusinessDay(*db, clock); });
    line(QStringLiteral("first-start test"), firstStartMs, QStringLiteral("hand-written SQL"),
         firstStartSqlMs);

    const double openListSqlMs = MedianMs(f.repetitions, [&] {
        db->query(QStringLiteral(
                      "SELECT * FROM BillA WHERE PayMode = 'Pend' AND VIP = false AND %1 <> 'SB' ORDER BY %1")
                      .arg(SqlName(QStringLiteral("Table"))));
    });
    const double openListMs = MedianMs(f.repetitions, [&] { LoadOpenBillList(*db); });
    line(QStringLiteral("LoadOpenBillList"), openListMs, QStringLiteral("hand-written SQL"), openListSqlMs);

    // Bookings and line changes on a bill of the last evening, each one user action.
    ProgramState state;
    state.dataFolder = folder;
    state.currentUserName = QStringLiteral("Waiter1");
    state.currentUserId = QStringLiteral("2001");
    LoadSettingsCopies(*db, state.settings);
    QuietPrompter prompter;
    const BillOpenResult bill =
        CreateQuickBill(*db, state, prompter, clock, QStringLiteral("77"), QStringLiteral("2"));
    if (bill.outcome != BillingOutcome::Done)
        throw std::runtime_error("the benchmark could not open a bill");
    QList<std::pair<QString, Money>> items;
    for (const Row& r :
         db->query(QStringLiteral("SELECT Desc1, SellPrice FROM Items ORDER BY Desc1 LIMIT 40")))
        items.append({r.text(QStringLiteral("Desc1")), r.money(QStringLiteral("SellPrice"))});
    int next = 0;
    auto book = [&] {
        BookItemRequest request;
        request.billNumber = bill.billNumber;
        request.item = items[next % items.size()].first;
        request.price = items[next % items.size()].second;
        request.quantity = QStringLiteral("1");
        ++next;
        if (BookItem(*db, state, prompter, clock, request).outcome != BillingOutcome::Done)
            throw std::runtime_error("a benchmark booking was refused");
    };
    const double bookMs = MedianMs(f.repetitions, book);
    line(QStringLiteral("BookItem (every side effect)"), bookMs, QStringLiteral("durable insert"), insertMs);

    auto firstLine = [&] {
        const BillView view = LoadBill(*db, clock, bill.billNumber);
        const BillLine& l = view.lines.front();
        return BillLineRef{l.billNumber, l.lineNumber, l.item, l.price, l.discountPercent, l.quantity};
    };
    BillLineRef target;
    const double editMs = MedianMs(
        f.repetitions,
        [&] {
            EditRequest edit;
            edit.line = target;
            edit.quantity = QString::number(target.quantity + 1);
            if (EditBill(*db, state, prompter, clock, edit).outcome != BillingOutcome::Done)
                throw std::runtime_error("a benchmark edit was refused");
        },
        [&] { target = firstLine(); });
    line(QStringLiteral("EditBill"), editMs, QStringLiteral("durable insert"), insertMs);

    const double deleteMs = MedianMs(
        f.repetitions,
        [&] {
            DeleteRequest del;
            del.line = target;
            del.quantity = 1;
            del.confirmed = true;
            if (DeleteItemFromBill(*db, state, prompter, clock, del).outcome != BillingOutcome::Done)
                throw std::runtime_error("a benchmark delete was refused");
        },
        [&] { target = firstLine(); });
    line(QStringLiteral("DeleteItemFromBill"), deleteMs, QStringLiteral("durable insert"), insertMs);

    const double firstPrintMs = MedianMs(
        std::max(3, f.repetitions / 5),
        [&] {
            FirstPrintOpen open = OpenFirstPrint(*db, state, prompter, bill.billNumber, 0);
            if (open.outcome != BillingOutcome::Done ||
                CommitFirstPrint(*db, state, prompter, clock, open.panel).outcome != BillingOutcome::Done)
                throw std::runtime_error("the benchmark first print was refused");
        },
        [&] { PrintReset(*db, prompter, bill.billNumber); });
    line(QStringLiteral("first print: compute + commit"), firstPrintMs, QStringLiteral("durable insert"),
         insertMs);

    // Settlement in cash of a first-printed bill of three lines, then its final receipt.
    QString toSettle;
    Money due;
    const double settleMs = MedianMs(
        std::max(3, f.repetitions / 5),
        [&] {
            SettlementRequest request;
            request.billNumber = toSettle;
            request.amountDue = due;
            request.cash = due.toPlainString(2);
            if (SettleBill(*db, state, prompter, clock, request).outcome != BillingOutcome::Done)
                throw std::runtime_error("a benchmark settlement was refused");
        },
        [&] {
            const BillOpenResult settled =
                CreateQuickBill(*db, state, prompter, clock, QStringLiteral("78"), QStringLiteral("2"));
            for (int i = 0; i < 3; ++i) {
                BookItemRequest request;
                request.billNumber = settled.billNumber;
                request.item = items[next % items.size()].first;
                request.price = items[next % items.size()].second;
                request.quantity = QStringLiteral("1");
                ++next;
                BookItem(*db, state, prompter, clock, request);
            }
            FirstPrintOpen open = OpenFirstPrint(*db, state, prompter, settled.billNumber, 0);
            due = CommitFirstPrint(*db, state, prompter, clock, open.panel).netPayment;
            toSettle = settled.billNumber;
        });
    line(QStringLiteral("SettleBill (cash)"), settleMs, QStringLiteral("durable insert"), insertMs);

    DiscardingPrintSink sink;
    PrintServices services{*db, state, clock, prompter, sink};
    const double receiptSqlMs = MedianMs(f.repetitions, [&] {
        db->query(QStringLiteral(
                      "SELECT * FROM BillA, BillB, Utility WHERE BillABillA = BillBBillA AND BillABillA = ? "
                      "AND %1 = false ORDER BY BillNoItem")
                      .arg(SqlName(QStringLiteral("Void"))),
                  {toSettle});
    });
    const double receiptMs = MedianMs(f.repetitions, [&] {
        if (PrintReceipt(services, toSettle, ReceiptStage::Direct) != PrintOutcome::Printed)
            throw std::runtime_error("the benchmark receipt was not printed");
    });
    line(QStringLiteral("final receipt (") + ReadUtility(*db).paperSize +
             QStringLiteral(", laid out and sent)"),
         receiptMs, QStringLiteral("hand-written SQL"), receiptSqlMs);

    out()
        << QStringLiteral("\npeak resident memory %1 MB (target 150 MB)\n").arg(PeakResidentMb(), 0, 'f', 1);
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

const char* kUsage =
    "Usage:\n"
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
