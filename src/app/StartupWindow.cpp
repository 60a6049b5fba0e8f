#include "StartupWindow.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vantorel {

StartupWindow::StartupWindow(const QString& dataFolder, const QString& databaseText, QWidget* parent)
    : QWidget(parent) {
    setWindowTitle(QStringLiteral("Vantorel"));
    auto* layout = new QVBoxLayout(this);
    auto* title = new QLabel(QStringLiteral("Vantorel"), this);
    QFont f = title->font();
    f.setPointSize(20);
    f.setBold(true);
    title->setFont(f);
    layout->addWidget(title);
    layout->addWidget(new QLabel(QStringLiteral("Data folder: %1").arg(dataFolder), this));
    auto* db = new QLabel(databaseText, this);
    db->setObjectName(QStringLiteral("databaseLabel"));
    db->setWordWrap(true);
    layout->addWidget(db);
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    layout->addWidget(close);
    resize(640, 240);
}

} // namespace vantorel
