#pragma once

#include <QString>
#include <QStringView>
#include <ostream>

// Lets GoogleTest show texts as text when an expectation fails.
inline void PrintTo(QStringView text, std::ostream* out) {
    *out << '"' << text.toString().toStdString() << '"';
}

inline void PrintTo(const QString& text, std::ostream* out) {
    PrintTo(QStringView(text), out);
}
