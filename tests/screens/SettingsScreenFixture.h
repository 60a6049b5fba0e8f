#pragma once

#include "Clock.h"
#include "ProgramState.h"
#include "RegistryValues.h"
#include "ScriptedPrompter.h"
#include "Settings.h"
#include "SqlNames.h"
#include "TempDataFolder.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QGraphicsView>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace vantorel::test {

// The computer's stored values go to a folder of the test's own while it runs.
class ConfigFolder {
public:
    ConfigFolder()
        : m_saved(qgetenv("XDG_CONFIG_HOME")), m_had(qEnvironmentVariableIsSet("XDG_CONFIG_HOME")) {
        use(m_dir.path());
    }
    ~ConfigFolder() {
        if (m_had)
            qputenv("XDG_CONFIG_HOME", m_saved);
        else
            qunsetenv("XDG_CONFIG_HOME");
    }
    void use(const QString& path) { qputenv("XDG_CONFIG_HOME", path.toLocal8Bit()); }
    QString path() const { return m_dir.path(); }
    // Where the values are kept: the store's own file under this folder.
    QString storeFile() const { return m_dir.path() + QStringLiteral("/Vantorel/Vantorel.conf"); }

private:
    QTemporaryDir m_dir;
    QByteArray m_saved;
    bool m_had;
};

// A settings screen over the demo business, checked in as the owner, with the setting copies loaded as
// the program's start loads them.
template <typename Form> struct SettingsScreen {
    ConfigFolder config;
    TempDataFolder folder{true};
    std::unique_ptr<Database> db = folder.open();
    ProgramState state;
    ScriptedPrompter prompter;
    FixedClock clock{QDateTime(QDate(2026, 3, 14), QTime(21, 30, 0))};
    std::unique_ptr<Form> form;

    SettingsScreen() {
        state.dataFolder = folder.path();
        state.currentUserName = QStringLiteral("Maria");
        state.currentUserId = QStringLiteral("1234");
        LoadSettingsCopies(*db, state.settings);
    }
    void open() {
        form = std::make_unique<Form>(*db, state, prompter, clock);
        form->setScreenGeometry(QRect(0, 0, 800, 600));
        form->showOnScreen();
        QCoreApplication::processEvents();
    }

    template <typename T> T* child(const QString& name) {
        T* w = form->template control<T>(name);
        if (!w)
            qFatal("no control %s", qPrintable(name));
        return w;
    }
    QLineEdit* edit(const QString& name) { return child<QLineEdit>(name); }
    void click(const QString& name) { QTest::mouseClick(child<QAbstractButton>(name), Qt::LeftButton); }
    // Clears the field and types into it as a user does.
    void retype(const QString& name, const QString& text) {
        QLineEdit* e = edit(name);
        e->setFocus();
        e->selectAll();
        QTest::keyClick(e, Qt::Key_Backspace);
        QTest::keyClicks(e, text);
    }
    // A click where a pointer would land: through the scaled view onto the canvas point.
    void pointerClick(const QPoint& canvasPoint) {
        QWidget* viewport = form->template findChild<QGraphicsView*>()->viewport();
        QTest::mouseClick(viewport, Qt::LeftButton, {},
                          viewport->mapFrom(form.get(), form->mapFromCanvas(canvasPoint)));
    }

    QStringList events() {
        QStringList texts;
        for (const Row& r :
             db->query(QStringLiteral("SELECT %1, UserID FROM Events ORDER BY %2")
                           .arg(SqlName(QStringLiteral("Event")), SqlName(QStringLiteral("DateTime")))))
            texts << r.text(QStringLiteral("Event")) + QLatin1Char('|') + r.text(QStringLiteral("UserID"));
        return texts;
    }
};

} // namespace vantorel::test
