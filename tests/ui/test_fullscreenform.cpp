#include "Clock.h"
#include "DialogState.h"
#include "FullScreenForm.h"
#include "GradientPanel.h"
#include "Marquee.h"
#include "PopupPanel.h"
#include "PromptDialog.h"
#include "SchemeColor.h"
#include "WidgetPrompter.h"
#include "WindowHelpers.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGraphicsView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace vantorel;

namespace {

const QColor Marker(255, 0, 0);

// A form with one red square at 100,100 (50 x 50) in 800 x 600 coordinates.
struct MarkedForm {
    FixedClock clock{QDateTime(QDate(2026, 3, 14), QTime(12, 0, 5))};
    FullScreenForm form{clock};
    QWidget* square = nullptr;

    MarkedForm() {
        square = new QWidget(form.canvas());
        square->setAutoFillBackground(true);
        QPalette p = square->palette();
        p.setColor(QPalette::Window, Marker);
        square->setPalette(p);
        square->setGeometry(100, 100, 50, 50);
    }
};

bool isMarker(const QImage& image, QPoint at) {
    const QColor c = image.pixelColor(at);
    return c.red() > 240 && c.green() < 20 && c.blue() < 20;
}

} // namespace

class TestFullScreenForm : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void scalesUniformlyToTheScreen_data() {
        QTest::addColumn<QRect>("screen");
        QTest::addColumn<qreal>("scale");
        QTest::addColumn<QRect>("squareOnScreen");
        QTest::newRow("800x600 as designed") << QRect(0, 0, 800, 600) << 1.0 << QRect(100, 100, 50, 50);
        QTest::newRow("1600x1200 doubles") << QRect(0, 0, 1600, 1200) << 2.0 << QRect(200, 200, 100, 100);
        // Wider than 4:3: the height decides and the sides are left as bands.
        QTest::newRow("1600x900 letter-boxed") << QRect(0, 0, 1600, 900) << 1.5 << QRect(350, 150, 75, 75);
    }
    void scalesUniformlyToTheScreen() {
        QFETCH(QRect, screen);
        QFETCH(qreal, scale);
        QFETCH(QRect, squareOnScreen);
        MarkedForm m;
        m.form.setScreenGeometry(screen);
        m.form.showOnScreen();
        QVERIFY(QTest::qWaitForWindowExposed(&m.form));
        QCOMPARE(m.form.geometry(), screen);
        QCOMPARE(m.form.scaleFactor(), scale);
        QCOMPARE(m.form.mapFromCanvas(m.square->geometry()), squareOnScreen);
        // The controls keep their design geometry; only the picture is scaled.
        QCOMPARE(m.square->geometry(), QRect(100, 100, 50, 50));

        const QImage shot = m.form.grab().toImage();
        QCOMPARE(shot.size(), screen.size());
        QVERIFY(isMarker(shot, squareOnScreen.topLeft() + QPoint(2, 2)));
        QVERIFY(isMarker(shot, squareOnScreen.bottomRight() - QPoint(2, 2)));
        QVERIFY(!isMarker(shot, squareOnScreen.topLeft() - QPoint(3, 3)));
        QVERIFY(!isMarker(shot, squareOnScreen.bottomRight() + QPoint(3, 3)));
    }

    void textGrowsWithTheScreen() {
        // The title's ink covers twice the width on a screen twice as wide.
        auto inkWidth = [](const QRect& screen) {
            FixedClock clock(QDateTime(QDate(2026, 3, 14), QTime(12, 0)));
            FullScreenForm form(clock);
            form.setTitle(QStringLiteral("User ID"));
            form.setScreenGeometry(screen);
            form.showOnScreen();
            const QImage shot = form.grab().toImage();
            const int bandHeight = int(FullScreenForm::TitleBarHeight * form.scaleFactor());
            int left = shot.width(), right = -1;
            for (int y = 0; y < bandHeight; ++y)
                for (int x = 0; x < shot.width() / 2; ++x)
                    if (qGray(shot.pixel(x, y)) < 60) {
                        left = std::min(left, x);
                        right = std::max(right, x);
                    }
            return right - left;
        };
        const int small = inkWidth(QRect(0, 0, 800, 600));
        const int large = inkWidth(QRect(0, 0, 1600, 1200));
        QVERIFY2(small > 20, qPrintable(QString::number(small)));
        QVERIFY2(std::abs(large - 2 * small) <= 6, qPrintable(QStringLiteral("%1 %2").arg(small).arg(large)));
    }

    void titleBarAndMarqueeSitAtTheEdges() {
        MarkedForm m;
        m.form.setTitle(QStringLiteral("User ID"));
        QCOMPARE(m.form.title(), QStringLiteral("User ID"));
        QCOMPARE(m.form.titleBar()->geometry(), QRect(0, 0, 800, FullScreenForm::TitleBarHeight));
        QCOMPARE(m.form.titleBar()->startColor(), SchemeColor(2));
        QCOMPARE(m.form.titleBar()->endColor(), SchemeColor(3));
        QCOMPARE(m.form.marquee()->geometry(), QRect(0, 586, 800, 14));
    }

    void marqueeShowsTheClock() {
        MarkedForm m;
        QCOMPARE(m.form.marquee()->text(), QStringLiteral("Saturday, 14 March  12:00:05"));
        m.clock.set(QDateTime(QDate(2026, 1, 5), QTime(9, 7, 3)));
        m.form.refreshClock();
        QCOMPARE(m.form.marquee()->text(), QStringLiteral("Monday, 05 January  09:07:03"));
        QVERIFY(m.form.marquee()->isScrolling());
    }

    void clockTextUsesEnglishNames() {
        const QLocale before;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        const QString text = FullScreenForm::clockText(QDateTime(QDate(2026, 12, 31), QTime(23, 59, 59)));
        QLocale::setDefault(before);
        QCOMPARE(text, QStringLiteral("Thursday, 31 December  23:59:59"));
    }

    void controlsOnTheCanvasTakeClicksAndKeys() {
        MarkedForm m;
        m.form.setScreenGeometry(QRect(0, 0, 1600, 1200));
        auto* button = new QPushButton(QStringLiteral("Save"), m.form.canvas());
        button->setGeometry(600, 500, 100, 40);
        auto* edit = new QLineEdit(m.form.canvas());
        edit->setGeometry(100, 300, 200, 30);
        m.form.showOnScreen();
        QVERIFY(QTest::qWaitForWindowExposed(&m.form));
        int clicks = 0;
        connect(button, &QPushButton::clicked, [&] { ++clicks; });
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(clicks, 1);
        edit->setFocus();
        QCOMPARE(m.form.focusedWidget(), edit);
        QTest::keyClicks(edit, QStringLiteral("4968"));
        QCOMPARE(edit->text(), QStringLiteral("4968"));
    }

    // A pointer reaches the canvas through the scaled view: a gradient panel used as a touch button must
    // take the press, or its release (and so its click) goes nowhere.
    void gradientPanelTakesAClickThroughTheView() {
        MarkedForm m;
        m.form.setScreenGeometry(QRect(0, 0, 1024, 768));
        auto* panel = new GradientPanel(m.form.canvas());
        panel->setGeometry(300, 200, 200, 100);
        auto* caption = new QLabel(QStringLiteral("Touch"), panel);
        caption->setGeometry(10, 10, 100, 30);
        m.form.showOnScreen();
        QVERIFY(QTest::qWaitForWindowExposed(&m.form));
        int clicks = 0;
        connect(panel, &GradientPanel::clicked, [&] { ++clicks; });
        QWidget* viewport = m.form.findChild<QGraphicsView*>()->viewport();
        const QPoint onPanel = viewport->mapFrom(&m.form, m.form.mapFromCanvas(QPoint(450, 280)));
        QTest::mouseClick(viewport, Qt::LeftButton, {}, onPanel);
        const QPoint onCaption = viewport->mapFrom(&m.form, m.form.mapFromCanvas(QPoint(320, 220)));
        QTest::mouseClick(viewport, Qt::LeftButton, {}, onCaption);
        QCOMPARE(clicks, 2);
    }

    void execModalReturnsWhenClosed() {
        MarkedForm m;
        QTimer::singleShot(0, &m.form, [&] { m.form.done(7); });
        QCOMPARE(m.form.execModal(), 7);
        QVERIFY(!m.form.isVisible());
    }

    void popupPanelParksBeyondTheRightEdge() {
        MarkedForm m;
        auto* panel = new PopupPanel(m.form.canvas());
        panel->setGeometry(300, 200, 200, 100);
        panel->park();
        QCOMPARE(panel->pos(), QPoint(800, 200));
        QVERIFY(panel->isParked());
        panel->showAt(340, 150);
        QCOMPARE(panel->pos(), QPoint(340, 150));
        QVERIFY(!panel->isParked());
    }

    void schemeColors_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QColor>("color");
        QTest::newRow("1") << 1 << QColor(224, 227, 233);
        QTest::newRow("2") << 2 << QColor(234, 237, 238);
        QTest::newRow("3") << 3 << QColor(136, 156, 170);
        QTest::newRow("4") << 4 << QColor(179, 191, 198);
        QTest::newRow("other") << 9 << QColor(234, 237, 238);
    }
    void schemeColors() {
        QFETCH(int, index);
        QFETCH(QColor, color);
        QCOMPARE(SchemeColor(index), color);
    }

    void roundCornersMasksAndInsetsEdits() {
        QWidget host;
        auto* edit = new QLineEdit(&host);
        edit->setGeometry(10, 10, 100, 30);
        host.show();
        RoundCorners(edit);
        QVERIFY(!edit->mask().contains(QPoint(0, 0)));
        QVERIFY(edit->mask().contains(QPoint(50, 15)));
        QCOMPARE(edit->textMargins(), QMargins(4, 4, 4, 4));
        edit->resize(200, 40); // the corners follow the new size
        QVERIFY(edit->mask().contains(QPoint(150, 20)));
        QVERIFY(!edit->mask().contains(QPoint(199, 39)));
    }

    void selectListItemPicksTheFirstMatch() {
        QListWidget list;
        list.addItems({QStringLiteral("Anna"), QStringLiteral("Tom"), QStringLiteral("Tom")});
        QVERIFY(SelectListItem(&list, QStringLiteral("Tom")));
        QCOMPARE(list.currentRow(), 1);
        QVERIFY(!SelectListItem(&list, QStringLiteral("Nobody")));
        QCOMPARE(list.currentRow(), 1);
        QVERIFY(SelectListIndex(&list, 2));
        QCOMPARE(list.currentRow(), 2);
        QVERIFY(!SelectListIndex(&list, 3));
    }

    void dialogStateIsShared() {
        DialogAnswer() = DialogCancelled;
        DigitLimit() = 4;
        QCOMPARE(DialogAnswer(), QStringLiteral("XPX"));
        QCOMPARE(DigitLimit(), 4);
        DialogAnswer().clear();
    }

    void messageBoxKeepsItsCaptionAndAnswers_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("answer");
        QTest::newRow("yes") << QStringLiteral("Yes") << int(Prompter::Answer::Yes);
        QTest::newRow("no") << QStringLiteral("No") << int(Prompter::Answer::No);
    }
    void messageBoxKeepsItsCaptionAndAnswers() {
        QFETCH(QString, button);
        QFETCH(int, answer);
        WidgetPrompter prompter;
        QString caption, text;
        Prompter::Icon icon = Prompter::Icon::None;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<PromptDialog*>(QApplication::activeModalWidget());
            if (!box)
                return;
            caption = box->caption();
            text = box->text();
            icon = box->icon();
            QTest::mouseClick(box->findChild<QPushButton*>(button), Qt::LeftButton);
        });
        const auto got =
            prompter.ask(QStringLiteral("Line one\rLine two"), QStringLiteral("  Please confirm"),
                         Prompter::Buttons::YesNo, Prompter::Icon::Question);
        QCOMPARE(int(got), answer);
        QCOMPARE(caption, QStringLiteral("  Please confirm"));
        QCOMPARE(text, QStringLiteral("Line one\nLine two"));
        QCOMPARE(icon, Prompter::Icon::Question);
    }

    void escapeAnswersWithTheLastButton() {
        WidgetPrompter prompter;
        QTimer::singleShot(0, [] {
            if (QWidget* box = QApplication::activeModalWidget())
                QTest::keyClick(box, Qt::Key_Escape);
        });
        QCOMPARE(prompter.ask(QStringLiteral("Sure?"), QStringLiteral("Please confirm"),
                              Prompter::Buttons::YesNo, Prompter::Icon::Question),
                 Prompter::Answer::No);
    }

    void askTextReturnsTheTypedText_data() {
        QTest::addColumn<bool>("confirm");
        QTest::newRow("ok") << true;
        QTest::newRow("cancel") << false;
    }
    void askTextReturnsTheTypedText() {
        QFETCH(bool, confirm);
        WidgetPrompter prompter;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<PromptDialog*>(QApplication::activeModalWidget());
            if (!box)
                return;
            auto* input = box->findChild<QLineEdit*>(QStringLiteral("answer"));
            QTest::keyClicks(input, QStringLiteral("123456"));
            QTest::keyClick(input, confirm ? Qt::Key_Return : Qt::Key_Escape);
        });
        const auto got =
            prompter.askText(QStringLiteral("User ID"), QStringLiteral("  Authorization"), 4, true);
        QCOMPARE(got, confirm ? std::optional<QString>(QStringLiteral("1234")) : std::nullopt);
    }

    void approvalGoesToItsHandler() {
        WidgetPrompter prompter;
        QCOMPARE(prompter.requestApproval(QStringLiteral("26000001"), QStringLiteral("Void")),
                 Prompter::Approval::Refused);
        QString seen;
        prompter.setApprovalHandler([&](const QString& bill, const QString& action) {
            seen = bill + QLatin1Char('|') + action;
            return Prompter::Approval::AllItems;
        });
        QCOMPARE(prompter.requestApproval(QStringLiteral("26000001"), QStringLiteral("Void")),
                 Prompter::Approval::AllItems);
        QCOMPARE(seen, QStringLiteral("26000001|Void"));
    }
};

QTEST_MAIN(TestFullScreenForm)
#include "test_fullscreenform.moc"
