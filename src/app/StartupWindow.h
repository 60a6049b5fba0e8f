#pragma once

#include <QWidget>

namespace vantorel {

// Shown until the main screen exists: which data folder and database were opened.
class StartupWindow : public QWidget {
    Q_OBJECT
public:
    StartupWindow(const QString& dataFolder, const QString& databaseText, QWidget* parent = nullptr);
};

} // namespace vantorel
