#include "TableBox.h"

#include "KeyboardControls.h"
#include "Prompter.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

namespace vantorel {

namespace {

constexpr int Width = 340;
constexpr int Height = 186;

} // namespace

TableBox::TableBox(Prompter& prompter, QWidget* parent)
    : KeyboardPanel(QStringLiteral("TableBox"), QStringLiteral("Table"), QSize(Width, Height), parent),
      m_prompter(prompter) {
    MakeLabel(this, QStringLiteral("Enter Table Number..."), QRect(20, 38, 300, 24), 16, true);
    MakeLabel(this, QStringLiteral("and press<Enter> <Esc> to quit"), QRect(20, 60, 300, 20), 12);
    m_tableEdit = MakeEdit(this, QStringLiteral("TableEdit"), QRect(20, 84, 90, 34), 3, 20);
    m_paxLabel = MakeLabel(this, QStringLiteral("PAX..."), QRect(130, 90, 60, 22), 14, true);
    m_paxEdit = MakeEdit(this, QStringLiteral("TablePaxEdit"), QRect(190, 84, 80, 34), 3, 20);
    auto* vipNote =
        MakeLabel(this, QStringLiteral("Click [VIP Account], to allocate a table to a new VIP customer. "),
                  QRect(20, 130, 300, 44), 12);
    vipNote->setWordWrap(true);
    m_paxLabel->hide();
    m_paxEdit->hide();
    watch(m_tableEdit);
    watch(m_paxEdit);
}

void TableBox::openBox() {
    m_askingPax = false;
    m_table.clear();
    m_tableEdit->clear();
    m_tableEdit->setEnabled(true);
    m_paxLabel->hide();
    m_paxEdit->hide();
    openAt(20, 44);
    m_tableEdit->setFocus();
}

void TableBox::askPax(const QString& table) {
    m_askingPax = true;
    m_table = table;
    m_paxLabel->show();
    m_paxEdit->show();
    m_paxEdit->setText(QStringLiteral("1"));
    m_paxEdit->selectAll();
    m_paxEdit->setFocus();
    m_tableEdit->setEnabled(false);
}

bool TableBox::tableKey(QKeyEvent* key) {
    const QString text = m_tableEdit->text();
    if (IsEnter(key)) {
        if (text.isEmpty())
            emit emptyEntered();
        else
            emit tableEntered(text);
        return true;
    }
    if (key->key() == Qt::Key_Escape) {
        emit escaped();
        return true;
    }
    if (IsEditingKey(key))
        return false;
    const bool hasLetter = !text.isEmpty() && text.back().isLetter();
    if (IsDigitKey(key)) {
        if (hasLetter || (text.isEmpty() && key->text() == QStringLiteral("0")))
            return true;
        if (text.size() >= 2) {
            m_prompter.showMessage(QStringLiteral("The maximum table number is 99!   "),
                                   QStringLiteral("   Table number"), Prompter::Icon::Exclamation);
            return true;
        }
        return false;
    }
    const QChar letter = TypedLetter(key);
    if (!letter.isNull() && !text.isEmpty() && !hasLetter && letter.unicode() < 128) {
        m_tableEdit->insert(letter.toLower());
        return true;
    }
    return true;
}

bool TableBox::handleKey(QObject* watched, QKeyEvent* key) {
    if (watched == m_tableEdit)
        return tableKey(key);
    if (IsEnter(key)) {
        emit paxEntered(m_table, m_paxEdit->text());
        return true;
    }
    if (key->key() == Qt::Key_Escape) {
        emit escaped();
        return true;
    }
    return !(IsDigitKey(key) || IsEditingKey(key));
}

} // namespace vantorel
