#include "ConnectionString.h"
#include "Database.h"

#include <cstdio>
#include <iostream>
#include <string>

// Opens the database given as the argument, prints "open", and keeps it open until stdin closes.
int main(int argc, char* argv[]) {
    if (argc != 2)
        return 2;
    auto db = vantorel::Database::open(vantorel::ConnectionString::file(QString::fromLocal8Bit(argv[1])));
    db->query(QStringLiteral("SELECT count(*) FROM Utility"));
    std::cout << "open" << std::endl;
    std::string line;
    while (std::getline(std::cin, line)) {
    }
    return 0;
}
