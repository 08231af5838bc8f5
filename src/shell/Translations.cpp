// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace orvane {

// The .qm files are built into the program under ":/translations".
Translations::Translations(const QLocale& locale)
{
    found_ = program_.load(
        locale, QStringLiteral("orvane"), QStringLiteral("_"), QStringLiteral(":/translations"));
    if (!found_)
        return;
    QCoreApplication::installTranslator(&program_);
    // Qt's buttons only in a language the program speaks, so one box never mixes two.
    if (toolkit_.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&toolkit_);
}

Translations::~Translations()
{
    QCoreApplication::removeTranslator(&toolkit_);
    QCoreApplication::removeTranslator(&program_);
}

} // namespace orvane
