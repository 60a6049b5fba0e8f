#include "PreviewWindow.h"
#include "SettingsScreenFixture.h"
#include "TF07.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

using namespace vantorel;

namespace {

Money M(const char* text) {
    return *Money::parse(QString::fromLatin1(text));
}

struct Screen : test::SettingsScreen<TF07> {
    Screen() { open(); }

    QCheckBox* taxBox() { return child<QCheckBox>(QStringLiteral("TaxOnBillBox")); }
    QCheckBox* chargeBox() { return child<QCheckBox>(QStringLiteral("ServiceChargeOnBillBox")); }
    QPushButton* priceListBut() { return child<QPushButton>(QStringLiteral("PriceListBut")); }
    QString storedLicence() { return RegistryStore(config.storeFile()).read(QStringLiteral("LIC")); }
    // The taxes row as "sales|gov|charge|tax on bill|charge on bill".
    QString taxesRow() {
        const auto r = db->queryOne(QStringLiteral("SELECT * FROM Taxes"));
        return QStringList{
            r->money(QStringLiteral("TSalesTax")).toPlainString(4),
            r->money(QStringLiteral("TGovTax")).toPlainString(4),
            r->money(QStringLiteral("TServCharge")).toPlainString(4),
            r->boolean(QStringLiteral("TTaxOnBill")) ? QStringLiteral("on") : QStringLiteral("off"),
            r->boolean(QStringLiteral("TSCOnBill")) ? QStringLiteral("on") : QStringLiteral("off")}
            .join(QLatin1Char('|'));
    }
    QString copies() {
        const SettingsCopies& c = state.settings;
        return QStringList{c.salesTaxRate.toPlainString(4), c.govTaxRate.toPlainString(4),
                           c.serviceChargeRate.toPlainString(4),
                           c.taxOnBillOn ? QStringLiteral("on") : QStringLiteral("off"),
                           c.serviceChargeOnBillOn ? QStringLiteral("on") : QStringLiteral("off")}
            .join(QLatin1Char('|'));
    }
};

} // namespace

class TestTF07 : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void opensShowingTheStoredTaxes() {
        Screen s;
        QCOMPARE(s.form->title(), QStringLiteral("Taxes and Charges"));
        QCOMPARE(s.edit(QStringLiteral("SalesTaxEdit"))->text(), QStringLiteral("7"));
        QCOMPARE(s.edit(QStringLiteral("GovTaxEdit"))->text(), QStringLiteral("0"));
        QCOMPARE(s.edit(QStringLiteral("ServiceChargeEdit"))->text(), QStringLiteral("10"));
        QVERIFY(s.taxBox()->isChecked());
        QVERIFY(s.chargeBox()->isChecked());
        QCOMPARE(s.taxBox()->text(), QStringLiteral("Add to invoice"));
        QCOMPARE(s.edit(QStringLiteral("LicenceEdit"))->text(), QString());
        QCOMPARE(
            s.child<QLabel>(QStringLiteral("NoteLab"))->text(),
            QStringLiteral("You must input Tax and Charges and then decide whether or not to add these to "
                           "the invoice. "));
        QCOMPARE(s.priceListBut()->text(), QStringLiteral("View/Print Price List"));
        QCOMPARE(s.form->focusedWidget(), s.edit(QStringLiteral("SalesTaxEdit")));
        QVERIFY(s.prompter.messages.empty());
    }

    void networkDatabaseIsWarnedAboutOnOpening() {
        test::SettingsScreen<TF07> s;
        s.state.dataFolder = QStringLiteral("//server/Vantorel/");
        s.open();
        QCOMPARE(s.prompter.messages.size(), size_t(1));
        QCOMPARE(s.prompter.messages[0].caption, QStringLiteral("LAN Connection"));
    }

    // The tax box off: the stored row and the copies take the rates as typed, the next start loads them
    // as 0.
    void savingWritesTheRowTheEventAndTheCopies() {
        Screen s;
        s.retype(QStringLiteral("SalesTaxEdit"), QStringLiteral("8"));
        s.retype(QStringLiteral("GovTaxEdit"), QStringLiteral("2.5"));
        s.retype(QStringLiteral("ServiceChargeEdit"), QStringLiteral("12.5"));
        s.click(QStringLiteral("TaxOnBillBox"));
        s.click(QStringLiteral("SaveBut"));
        QVERIFY(s.prompter.messages.empty());
        QCOMPARE(s.taxesRow(), QStringLiteral("8.0000|2.5000|12.5000|off|on"));
        QCOMPARE(s.copies(), QStringLiteral("8.0000|2.5000|12.5000|off|on"));
        QCOMPARE(s.events(), QStringList{QStringLiteral("Taxes & Charges - Saved|Maria")});
        SettingsCopies next;
        LoadSettingsCopies(*s.db, next);
        QCOMPARE(next.salesTaxRate, Money());
        QCOMPARE(next.serviceChargeRate, M("12.5"));
        QCOMPARE(s.form->focusedWidget(), s.child<QWidget>(QStringLiteral("DoneBut")));
    }

    // Only digits and "." are taken from the keys; a lone "." is 0 on Enter, Esc clears, empty saves 0.
    void percentFieldsTakeDigitsAndPoint() {
        Screen s;
        QLineEdit* sales = s.edit(QStringLiteral("SalesTaxEdit"));
        s.retype(QStringLiteral("SalesTaxEdit"), QStringLiteral("1a,-2"));
        QCOMPARE(sales->text(), QStringLiteral("12"));
        s.retype(QStringLiteral("SalesTaxEdit"), QStringLiteral("."));
        QTest::keyClick(sales, Qt::Key_Return);
        QCOMPARE(sales->text(), QStringLiteral("0"));
        QCOMPARE(s.form->focusedWidget(), s.edit(QStringLiteral("GovTaxEdit")));
        QTest::keyClicks(s.edit(QStringLiteral("GovTaxEdit")), QStringLiteral("5")); // replaces the value
        QCOMPARE(s.edit(QStringLiteral("GovTaxEdit"))->text(), QStringLiteral("5"));
        QLineEdit* charge = s.edit(QStringLiteral("ServiceChargeEdit"));
        QTest::keyClick(charge, Qt::Key_Escape);
        QCOMPARE(charge->text(), QString());
        QVERIFY(s.form->isVisible());
        QCOMPARE(sales->maxLength(), 3);
        QCOMPARE(s.edit(QStringLiteral("GovTaxEdit"))->maxLength(), 3);
        QCOMPARE(charge->maxLength(), 4);
        s.click(QStringLiteral("SaveBut"));
        QCOMPARE(s.taxesRow(), QStringLiteral("0.0000|5.0000|0.0000|on|on"));
        QCOMPARE(charge->text(), QStringLiteral("0"));
    }

    void badPercentageChangesNothing_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("pasted");
        QTest::newRow("two points") << "SalesTaxEdit"
                                    << "1.." << false;
        QTest::newRow("points only") << "ServiceChargeEdit"
                                     << "..5" << false;
        QTest::newRow("pasted letters") << "GovTaxEdit"
                                        << "5%" << true;
        QTest::newRow("pasted negative") << "ServiceChargeEdit"
                                         << "-5" << true;
    }
    void badPercentageChangesNothing() {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(bool, pasted);
        Screen s;
        const QString rowBefore = s.taxesRow();
        const QString copiesBefore = s.copies();
        s.retype(QStringLiteral("LicenceEdit"), QStringLiteral("TX-0042"));
        if (pasted) {
            QApplication::clipboard()->setText(typed);
            s.retype(field, QString());
            QTest::keyClick(s.edit(field), Qt::Key_V, Qt::ControlModifier);
        } else {
            s.retype(field, typed);
        }
        QCOMPARE(s.edit(field)->text(), typed);
        s.click(QStringLiteral("SaveBut"));
        QCOMPARE(s.prompter.messages.size(), size_t(1));
        QCOMPARE(s.prompter.messages[0].text, QStringLiteral("Invalid numeric input. Please try again!   "));
        QCOMPARE(s.prompter.messages[0].caption, QStringLiteral("  Invalid Input"));
        QCOMPARE(s.form->focusedWidget(), s.edit(field));
        QCOMPARE(s.taxesRow(), rowBefore);
        QCOMPARE(s.copies(), copiesBefore);
        QVERIFY(s.events().isEmpty());
        QCOMPARE(s.storedLicence(), QString());
        s.click(QStringLiteral("PriceListBut"));
        QCOMPARE(s.prompter.messages.size(), size_t(2));
        QCOMPARE(s.db->scalar(QStringLiteral("SELECT count(*) FROM Report")).toInt(), 0);
    }

    void licenceNumberRoundTripsThroughTheStoredValues() {
        Screen s;
        s.retype(QStringLiteral("LicenceEdit"), QStringLiteral("TX-0042/B"));
        s.click(QStringLiteral("SaveBut"));
        QCOMPARE(s.storedLicence(), QStringLiteral("TX-0042/B"));
        QCOMPARE(ReadRegistryValue(QStringLiteral("LIC")), QStringLiteral("TX-0042/B"));
        s.open(); // the screen shown again reads it back
        QCOMPARE(s.edit(QStringLiteral("LicenceEdit"))->text(), QStringLiteral("TX-0042/B"));
        // An emptied field keeps the number given before.
        s.retype(QStringLiteral("LicenceEdit"), QStringLiteral("  "));
        s.click(QStringLiteral("SaveBut"));
        QCOMPARE(s.storedLicence(), QStringLiteral("TX-0042/B"));
        QCOMPARE(s.events().size(), 2);
    }

    // A licence number that cannot be stored is reported, and the taxes stay as they were.
    void unwritableLicenceLeavesTheTaxesAlone() {
        Screen s;
        QFile blocker(s.config.path() + QStringLiteral("/not-a-folder"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        s.config.use(blocker.fileName());
        const QString rowBefore = s.taxesRow();
        const QString copiesBefore = s.copies();
        s.retype(QStringLiteral("SalesTaxEdit"), QStringLiteral("9"));
        s.retype(QStringLiteral("LicenceEdit"), QStringLiteral("TX-1"));
        s.click(QStringLiteral("SaveBut"));
        QCOMPARE(s.prompter.messages.size(), size_t(1));
        QVERIFY(s.prompter.messages[0].text.contains(QStringLiteral("\"LIC\"")));
        QCOMPARE(s.taxesRow(), rowBefore);
        QCOMPARE(s.copies(), copiesBefore);
        QVERIFY(s.events().isEmpty());
    }

    void priceListButtonShowsWhileABoxIsTicked() {
        Screen s;
        QVERIFY(s.priceListBut()->isVisible());
        s.click(QStringLiteral("TaxOnBillBox"));
        QVERIFY(s.priceListBut()->isVisible());
        s.click(QStringLiteral("ServiceChargeOnBillBox"));
        QVERIFY(!s.priceListBut()->isVisible());
        s.click(QStringLiteral("ServiceChargeOnBillBox"));
        QVERIFY(s.priceListBut()->isVisible());
    }

    // An item at 10.00 with sales tax 10 and government tax 5 added, service charge 10 not added.
    void priceListSavesFirstAndPreviewsTheList() {
        Screen s;
        s.db->exec(QStringLiteral("UPDATE Items SET SellPrice = ? WHERE Desc1 = ?"),
                   {QVariant::fromValue(M("10")), QStringLiteral("Calamari")});
        s.retype(QStringLiteral("SalesTaxEdit"), QStringLiteral("10"));
        s.retype(QStringLiteral("GovTaxEdit"), QStringLiteral("5"));
        s.click(QStringLiteral("ServiceChargeOnBillBox"));
        QStringList shown;
        int pages = 0;
        QTimer::singleShot(0, [&] {
            auto* preview = qobject_cast<PreviewWindow*>(QApplication::activeModalWidget());
            if (!preview)
                return;
            pages = preview->pageCount();
            QVERIFY(preview->findNext(QStringLiteral("Calamari")));
            shown = preview->pages()
                        .pageLines(preview->foundPage())
                        .at(preview->foundLine())
                        .text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
            preview->reject();
        });
        s.click(QStringLiteral("PriceListBut"));
        QVERIFY(s.prompter.messages.empty());
        QCOMPARE(pages, 2);
        QCOMPARE(shown,
                 QStringList({QStringLiteral("Calamari"), QStringLiteral("10.00"), QStringLiteral("1.50"),
                              QStringLiteral("0.00"), QStringLiteral("11.50")}));
        QCOMPARE(s.taxesRow(), QStringLiteral("10.0000|5.0000|10.0000|on|off"));
        QCOMPARE(s.events(), QStringList{QStringLiteral("Taxes & Charges - Saved|Maria")});
        const auto row = s.db->queryOne(QStringLiteral("SELECT * FROM Report WHERE RItem = ?"),
                                        {QStringLiteral("Calamari")});
        QVERIFY(row);
        QCOMPARE(row->number(QStringLiteral("Val4")), 11.5);
    }

    void missingPriceListTemplateIsReported() {
        Screen s;
        QVERIFY(QFile::remove(s.folder.path() + QStringLiteral("PRINT/REPORTS/TF07.frf")));
        s.click(QStringLiteral("PriceListBut"));
        QCOMPARE(s.prompter.messages.size(), size_t(1));
        QCOMPARE(s.prompter.messages[0].caption, QStringLiteral("  Printing stopped"));
        QCOMPARE(s.events().size(), 1); // saved before the list was built
    }
};

QTEST_MAIN(TestTF07)
#include "test_tf07.moc"
