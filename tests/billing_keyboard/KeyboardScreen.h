#pragma once

#include "Clock.h"
#include "Database.h"
#include "PrintSink.h"
#include "ProgramState.h"
#include "ScriptedPrompter.h"
#include "Settings.h"
#include "SqlNames.h"
#include "TF02.h"
#include "TempDataFolder.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <functional>

namespace vantorel::test {

// A printer that keeps what it is given.
class KeptPrints : public PrintSink {
public:
    QStringList titles;
    bool printerExists(const QString&) override { return true; }
    QString defaultPrinter() override { return QStringLiteral("Receipts"); }
    QStringList printerNames() override { return {QStringLiteral("Receipts")}; }
    PrintJobResult submit(const QString&, const QString& title, const QByteArray&, Format) override {
        titles << title;
        return PrintJobResult{true, QString(), static_cast<int>(titles.size())};
    }
};

// The keyboard billing screen over the demo business, checked in as the owner, driven by its keys.
struct KeyboardScreen {
    TempDataFolder folder{true};
    std::unique_ptr<Database> db = folder.open();
    ProgramState state;
    ScriptedPrompter prompter;
    FixedClock clock{QDateTime(QDate(2026, 3, 14), QTime(20, 0))};
    KeptPrints prints;
    std::unique_ptr<TF02> form;

    // `before` runs on the database and settings before the screen is made.
    explicit KeyboardScreen(const std::function<void(KeyboardScreen&)>& before = {}) {
        state.dataFolder = folder.path();
        state.currentUserName = QStringLiteral("Owner");
        state.currentUserId = QStringLiteral("1234");
        LoadSettingsCopies(*db, state.settings);
        if (before)
            before(*this);
        form = std::make_unique<TF02>(*db, state, prompter, clock);
        form->setPrintSink(prints);
        form->setScreenGeometry(QRect(0, 0, 800, 600));
        form->showOnScreen();
        settle();
    }

    static void settle() {
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents();
    }

    template <typename T> T* child(const char* name) {
        T* w = form->control<T>(QString::fromLatin1(name));
        if (!w)
            qFatal("no control %s", name);
        return w;
    }
    QWidget* focus() {
        QWidget* w = form->focusedWidget();
        if (!w)
            qFatal("nothing has the focus");
        return w;
    }
    bool focused(const char* name) { return form->focusedWidget() == child<QWidget>(name); }
    bool panelOpen(const char* name) {
        const QWidget* p = child<QWidget>(name);
        return p->x() < 800 && p->isEnabled();
    }

    void key(Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(focus(), k, modifiers);
        settle();
    }
    void type(const QString& text) {
        QTest::keyClicks(focus(), text);
        settle();
    }
    void enter() { key(Qt::Key_Return); }
    void click(const char* button) {
        QTest::mouseClick(child<QPushButton>(button), Qt::LeftButton);
        settle();
    }
    QString text(const char* name) {
        if (auto* l = form->control<QLabel>(QString::fromLatin1(name)))
            return l->text();
        return child<QLineEdit>(name)->text();
    }

    // Opens a bill at a free table through the table box.
    QString openTable(const QString& table, const QString& pax = QStringLiteral("1")) {
        if (!panelOpen("TableBox"))
            key(Qt::Key_F1);
        type(table);
        enter();
        QLineEdit* paxEdit = child<QLineEdit>("TablePaxEdit");
        paxEdit->selectAll();
        type(pax);
        enter();
        return form->selectedBill();
    }
    // Types a speed code, takes the first item found, the quantity, and books it.
    void book(const QString& code, const QString& quantity = QStringLiteral("1")) {
        type(code);
        enter(); // to the item list
        enter(); // the item chosen, to the quantity
        child<QLineEdit>("QtyEdit")->selectAll();
        type(quantity);
        enter(); // to OK
        enter(); // booked
    }

    QStringList listed(const char* list, int column = 0) {
        QStringList texts;
        auto* tree = child<QTreeWidget>(list);
        for (int i = 0; i < tree->topLevelItemCount(); ++i)
            texts << tree->topLevelItem(i)->text(column);
        return texts;
    }
    QVariant value(const QString& sql, const QVariantList& params = {}) { return db->scalar(sql, params); }
    QString billText(const QString& bill, const char* column) {
        return value(QStringLiteral("SELECT %1 FROM BillA WHERE BillABillA = ?")
                         .arg(SqlName(QString::fromLatin1(column))),
                     {bill})
            .toString();
    }
    Money billMoney(const QString& bill, const char* column) {
        const auto row = db->queryOne(QStringLiteral("SELECT %1 FROM BillA WHERE BillABillA = ?")
                                          .arg(SqlName(QString::fromLatin1(column))),
                                      {bill});
        return row ? row->money(QString::fromLatin1(column)) : Money();
    }
    QStringList events() {
        QStringList texts;
        for (const Row& r :
             db->query(QStringLiteral("SELECT %1 FROM Events").arg(SqlName(QStringLiteral("Event")))))
            texts << r.text(QStringLiteral("Event"));
        return texts;
    }
    void addItem(const QString& code, const QString& name, const char* price, bool marketPrice = false,
                 const char* menuPrice = "0") {
        db->exec(
            QStringLiteral("INSERT INTO Items (%1, Desc1, MainGroup, SCName, SellPrice, Cost, MenuPrice, "
                           "MarketPrice, RptQty, Deleted) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")
                .arg(SqlName(QStringLiteral("Item"))),
            {code, name, QStringLiteral("Food"), QStringLiteral("Tests"),
             QVariant::fromValue(*Money::parse(QString::fromLatin1(price))), QVariant::fromValue(Money()),
             QVariant::fromValue(*Money::parse(QString::fromLatin1(menuPrice))), marketPrice, 1, false});
    }
};

} // namespace vantorel::test
