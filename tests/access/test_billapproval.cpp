#include "AccessRows.h"
#include "BillApproval.h"
#include "Clock.h"
#include "ProgramState.h"
#include "ScriptedPrompter.h"
#include "TempDataFolder.h"

#include <QTest>

using namespace vantorel;
using Kind = ApprovalOutcome::Kind;
using Approval = Prompter::Approval;

class TestBillApproval : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void approval_data() {
        QTest::addColumn<int>("dialog");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("wanted");
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("event");
        const int kb = int(ApprovalDialog::Keyboard);
        const int touch = int(ApprovalDialog::Touch);
        const int one = int(Approval::OneItem);
        const int all = int(Approval::AllItems);
        const int refused = int(Approval::Refused);
        // Tom holds TF36 (keyboard approvals), Lea holds TF33 (touch approvals), Anna neither.
        QTest::newRow("keyboard, one item")
            << kb << "2345" << one << int(Kind::Approved) << one << "Authori - Tom: Delete Fish and Chips";
        QTest::newRow("keyboard, all items")
            << kb << "2345" << all << int(Kind::Approved) << all << "Authori - Tom: Delete Fish and Chips";
        QTest::newRow("keyboard, five digits use the last four")
            << kb << "92345" << one << int(Kind::Approved) << one << "Authori - Tom: Delete Fish and Chips";
        QTest::newRow("keyboard, five digits whose first four are an ID")
            << kb << "23459" << one << int(Kind::Incorrect) << refused << "Authori - 23459: Incorrect Code";
        QTest::newRow("keyboard, three digits are not checked")
            << kb << "234" << one << int(Kind::TooShort) << refused << "";
        QTest::newRow("keyboard, user without TF36")
            << kb << "4567" << one << int(Kind::Incorrect) << refused << "Authori - 4567: Incorrect Code";
        QTest::newRow("keyboard, nobody's ID")
            << kb << "1111" << one << int(Kind::Incorrect) << refused << "Authori - 1111: Incorrect Code";
        QTest::newRow("touch, TF33") << touch << "4567" << all << int(Kind::Approved) << all
                                     << "Authori - Lea: Delete Fish and Chips";
        QTest::newRow("touch, user with only TF36")
            << touch << "2345" << one << int(Kind::Incorrect) << refused << "Authori - 2345: Incorrect Code";
        QTest::newRow("touch, short ID is checked as typed")
            << touch << "45" << one << int(Kind::Incorrect) << refused << "Authori - 45: Incorrect Code";
        QTest::newRow("touch, empty") << touch << "" << one << int(Kind::TooShort) << refused << "";
    }
    void approval() {
        QFETCH(int, dialog);
        QFETCH(QString, typed);
        QFETCH(int, wanted);
        QFETCH(int, kind);
        QFETCH(int, answer);
        QFETCH(QString, event);
        test::TempDataFolder folder;
        auto db = folder.open();
        test::AddUser(*db, QStringLiteral("TOM"), QStringLiteral("2345"),
                      {QStringLiteral("TF02"), QStringLiteral("TF36")});
        test::AddUser(*db, QStringLiteral("Lea"), QStringLiteral("4567"), {QStringLiteral("TF33")});
        test::AddUser(*db, QStringLiteral("Anna"), QStringLiteral("3456"), {QStringLiteral("TF02")});
        ProgramState state;
        state.currentUserName = QStringLiteral("Anna");
        FixedClock clock(QDateTime(QDate(2026, 3, 14), QTime(20, 0)));
        test::ScriptedPrompter prompter;

        const ApprovalOutcome out =
            CheckBillApproval(*db, state, clock, prompter, ApprovalDialog(dialog), typed, Approval(wanted),
                              QStringLiteral("26000042"), QStringLiteral("Delete Fish and Chips"));
        QCOMPARE(int(out.kind), kind);
        QCOMPARE(int(out.answer), answer);
        QCOMPARE(test::EventTexts(*db), event.isEmpty() ? QStringList() : QStringList{event});
        QCOMPARE(prompter.beeps.size(), size_t(kind == int(Kind::Incorrect) ? 1 : 0));
        if (!event.isEmpty()) {
            const auto row = db->queryOne(QStringLiteral("SELECT UserID, BillNumber FROM Events"));
            QCOMPARE(row->text(QStringLiteral("BillNumber")), QStringLiteral("26000042"));
            QCOMPARE(row->text(QStringLiteral("UserID")), QStringLiteral("Anna"));
        }
    }
};

QTEST_GUILESS_MAIN(TestBillApproval)
#include "test_billapproval.moc"
