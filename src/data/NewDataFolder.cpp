#include "NewDataFolder.h"

#include "ConnectionString.h"
#include "Database.h"
#include "DatabaseError.h"
#include "FunctionCodes.h"
#include "Money.h"
#include "OwnerCode.h"
#include "SqlNames.h"
#include "UnitOfWork.h"
#include "WorkstationIni.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <cstdio>

namespace vantorel {

namespace {

const QStringList kFolders = {QStringLiteral("PRINT"), QStringLiteral("PRINT/REPORTS"), QStringLiteral("Images"),
                              QStringLiteral("Backup/Archive"), QStringLiteral("System")};

QString capitalized(const QString& name) {
    if (name.size() <= 1)
        return name;
    return name.left(1).toUpper() + name.mid(1).toLower();
}

void checkOwner(const NewDataFolderOptions& o) {
    if (o.ownerName.trimmed().isEmpty() || o.ownerName.size() > 12 || o.ownerName.contains(QLatin1Char('\'')))
        throw SetupError(QStringLiteral("The owner's name must have 1 to 12 characters and no \"'\"."));
    static const QRegularExpression id(QStringLiteral("^[1-9][0-9]{3}$"));
    if (!id.match(o.ownerId).hasMatch())
        throw SetupError(QStringLiteral("The owner's ID must be four digits and must not start with 0."));
}

void writeIniDefaults(const QString& folder) {
    const WorkstationIni ini(folder);
    if (QFileInfo::exists(ini.path()))
        return;
    ini.setCarriedCash(Money());
    ini.setStartupCashTyped(false);
    ini.setKitchenPrinter(QStringLiteral("None"));
    ini.setKitchenPrinterType(QStringLiteral("None"));
    ini.setBarPrinter(QStringLiteral("None"));
    ini.setBarPrinterType(QStringLiteral("None"));
    ini.setInvoicePrinter(QString());
    ini.setInvoicePrinterType(QString());
    ini.setCopyTotalsToInvoicePrinter(false);
}

// The templates built into the program; a file the folder already has is kept, so an owner's own layouts
// survive. The copies are the owner's to adapt.
void copyDefaultPrintFiles(const QDir& dir) {
    const QString source = QStringLiteral(":/vantorel/PRINT");
    QDirIterator it(source, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString from = it.next();
        const QString target = dir.filePath(QStringLiteral("PRINT") + from.mid(source.size()));
        if (QFileInfo::exists(target))
            continue;
        // Written plainly rather than with QFile::copy, which syncs every one of the several hundred files.
        QFile in(from);
        QFile out(target);
        if (!QDir().mkpath(QFileInfo(target).absolutePath()) || !in.open(QIODevice::ReadOnly) ||
            !out.open(QIODevice::WriteOnly | QIODevice::NewOnly) || out.write(in.readAll()) != in.size() ||
            !out.flush())
            throw SetupError(QStringLiteral("Cannot copy the printing-file %1.").arg(target));
    }
}

void makeFoldersAndIni(const QDir& dir, const ServerSettings& server) {
    for (const QString& sub : kFolders) {
        if (!dir.mkpath(sub))
            throw SetupError(QStringLiteral("Cannot create the folder %1.").arg(dir.filePath(sub)));
    }
    copyDefaultPrintFiles(dir);
    try {
        writeIniDefaults(dir.absolutePath() + QLatin1Char('/'));
        if (!server.isEmpty())
            WriteServerSettings(dir.absolutePath(), server);
    } catch (const std::runtime_error& e) {
        throw SetupError(QString::fromStdString(e.what()));
    }
}

void createOnServer(const QDir& dir, const NewDataFolderOptions& options) {
    if (!QFileInfo(dir.absolutePath()).isWritable())
        throw SetupError(QStringLiteral("The folder %1 is not writable.").arg(dir.absolutePath()));
    try {
        // Schema and rows are one transaction on the server: a failure leaves the database empty.
        Database::create(ConnectionString::onServer(options.server),
                         [&](Database& db) { InsertStarterRows(db, options); });
    } catch (const DatabaseError& e) {
        throw SetupError(e.message());
    }
    makeFoldersAndIni(dir, options.server);
}

} // namespace

void MakeDataFolderLayout(const QString& folder, const ServerSettings& server) {
    QDir dir(folder);
    if (!dir.exists() && !QDir().mkpath(folder))
        throw SetupError(QStringLiteral("Cannot create the folder %1.").arg(folder));
    makeFoldersAndIni(dir, server);
}

void InsertStarterRows(Database& db, const NewDataFolderOptions& o) {
    UnitOfWork work(db);
    const QString year2 = o.now.toString(QStringLiteral("yy"));
    const OwnerCode owner{o.ownerName.toUpper(), o.ownerId};
    db.exec(QStringLiteral("INSERT INTO Utility (BillA, %1, %2, CashForward, %3, Address, PostCode, Country, Tel, "
                           "TouchScreen, UserID, BillAuthorization, BillingTimer, OrderSlip, BillRounding, "
                           "CardChargeYN, CardNumberInput, Printer, PaperSize, PrintCopies, PrintReinsert, "
                           "PrintFullBill, PrintHeader, PrintInvoice, BillRemark1, BillRemark2, A100, A200, A300, "
                           "Comport, %4, %5, MinInvoice, AdjNo, %6) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
                           "?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")
                .arg(SqlName(QStringLiteral("Month")), SqlName(QStringLiteral("Year")),
                     SqlName(QStringLiteral("Name")), SqlName(QStringLiteral("Command")),
                     SqlName(QStringLiteral("Delay")), SqlName(QStringLiteral("Code"))),
            {year2 + QStringLiteral("000000"), o.now.date().month(), o.now.date().year(), QVariant::fromValue(Money()),
             QStringLiteral("My Restaurant"), QString(), QString(), QString(), QString(), false, false, false, 0,
             false, 0, true, false, QString(), QStringLiteral("RPT"), 1, false, true, true, true,
             QStringLiteral("Thank you for your visit!"), QString(), QStringLiteral("None"), QStringLiteral("None"),
             QStringLiteral("None"), QStringLiteral("None"), QString(39, QLatin1Char('0')), QStringLiteral("0"),
             QStringLiteral("0"), QString(), owner.encode()});
    db.exec(QStringLiteral("INSERT INTO Taxes (TSalesTax, TGovTax, TServCharge, TTaxOnBill, TSCOnBill) "
                           "VALUES (?, ?, ?, ?, ?)"),
            {QVariant::fromValue(Money()), QVariant::fromValue(Money()), QVariant::fromValue(Money()), false, false});
    const QStringList cards[] = {
        {QStringLiteral("VISA"), QStringLiteral("Visa")},
        {QStringLiteral("MASTERS"), QStringLiteral("Mastercard")},
        {QStringLiteral("AMEX"), QStringLiteral("American Express")},
        {QStringLiteral("DINERS"), QStringLiteral("Diners Club")},
        {QStringLiteral("DEBIT"), QStringLiteral("Debit Card")},
    };
    for (const QStringList& card : cards) {
        db.exec(QStringLiteral("INSERT INTO CreditCard (%1, Desc1, %2, Used) VALUES (?, ?, ?, ?)")
                    .arg(SqlName(QStringLiteral("Code")), SqlName(QStringLiteral("percent"))),
                {card[0], card[1], 0.0, true});
    }
    for (const FunctionCode& f : StandardFunctionCodes()) {
        db.exec(QStringLiteral("INSERT INTO %1 (%2, %1) VALUES (?, ?)")
                    .arg(SqlName(QStringLiteral("Functions")), SqlName(QStringLiteral("Code"))),
                {f.code, f.description});
    }
    db.exec(QStringLiteral("INSERT INTO Pswd (UserName, %1) VALUES (?, ?)").arg(SqlName(QStringLiteral("Password"))),
            {capitalized(o.ownerName), o.ownerId});
    const QString ownerNumber = QString::number(db.lastInsertId());
    for (const FunctionCode& f : StandardFunctionCodes()) {
        db.exec(QStringLiteral("INSERT INTO FunctionAccess (UserID, %1, %2) VALUES (?, ?, ?)")
                    .arg(SqlName(QStringLiteral("Function")), SqlName(QStringLiteral("Code"))),
                {ownerNumber, f.description, f.code});
    }
    // The reserved free-priced item every bill can carry; a menu of this one item counts as no menu.
    db.exec(QStringLiteral("INSERT INTO Items (%1, Desc1, MainGroup, SCName, MarketPrice, Deleted) "
                           "VALUES (?, ?, ?, ?, ?, ?)")
                .arg(SqlName(QStringLiteral("Item"))),
            {QStringLiteral("MIS1"), QStringLiteral("Miscellaneous"), QStringLiteral("MIS"),
             QStringLiteral("Miscellaneous"), true, false});
    if (o.demo)
        InsertDemoRows(db, o.now);
    work.commit();
}

void CreateDataFolder(const QString& folder, const NewDataFolderOptions& options) {
    checkOwner(options);
    QDir dir(folder);
    if (!dir.exists() && !QDir().mkpath(folder))
        throw SetupError(QStringLiteral("Cannot create the folder %1.").arg(folder));
    if (!options.server.isEmpty()) {
        createOnServer(dir, options);
        return;
    }
    const QString dbPath = LiveDatabasePath(dir.absolutePath());
    if (QFileInfo::exists(dbPath))
        throw SetupError(QStringLiteral("%1 already holds a database; it was left unchanged.").arg(dbPath));
    if (!QFileInfo(dir.absolutePath()).isWritable())
        throw SetupError(QStringLiteral("The folder %1 is not writable.").arg(dir.absolutePath()));

    try {
        Database::create(ConnectionString::file(dbPath), [&](Database& db) { InsertStarterRows(db, options); });
    } catch (const DatabaseError& e) {
        throw SetupError(e.message());
    }
    makeFoldersAndIni(dir, {});
}

} // namespace vantorel
