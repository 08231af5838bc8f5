// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QLocale>
#include <QTranslator>

namespace orvane {

// The program's texts and Qt's own (OK, Cancel, Yes, No) in the first of the locale's
// languages that Orvane has; English, the texts' own language, when it has none. Installed
// while the object lives.
class Translations {
public:
    explicit Translations(const QLocale& locale = QLocale::system());
    ~Translations();
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

    // Whether the program's own texts were found for the locale.
    bool Found() const { return found_; }

private:
    QTranslator program_;
    QTranslator toolkit_;
    bool found_ = false;
};

} // namespace orvane
