#include "PendingScreen.h"

#include <QLabel>
#include <QPushButton>

namespace vantorel {

PendingScreen::PendingScreen(const Clock& clock, const QString& title, const QString& text, QWidget* parent)
    : FullScreenForm(clock, parent) {
    setObjectName(QStringLiteral("PendingScreen"));
    setTitle(title);
    m_text = new QLabel(text, canvas());
    m_text->setObjectName(QStringLiteral("text"));
    m_text->setWordWrap(true);
    m_text->setAlignment(Qt::AlignCenter);
    m_text->setFont(designFont(20));
    m_text->setGeometry(100, 150, 600, 120);
    m_back = new QPushButton(QStringLiteral("Back"), canvas());
    m_back->setObjectName(QStringLiteral("back"));
    m_back->setFont(designFont(16, true));
    m_back->setGeometry(325, 480, 150, 50);
    connect(m_back, &QPushButton::clicked, this, [this] { done(0); });
    m_back->setFocus();
}

QPushButton* PendingScreen::addEntry(const QString& caption, std::function<void()> action) {
    auto* b = new QPushButton(caption, canvas());
    b->setFont(designFont(16, true));
    b->setGeometry(300, 300 + m_entries * 60, 200, 50);
    connect(b, &QPushButton::clicked, this, std::move(action));
    ++m_entries;
    return b;
}

} // namespace vantorel
