// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/TranslatedText.h"

#include <QCoreApplication>

namespace orvane {

QString Translated(const Text& text)
{
    if (text.IsVerbatim())
        return QString::fromStdString(text.Source());
    std::vector<std::string> arguments;
    for (const Text& argument : text.Arguments())
        arguments.push_back(Translated(argument).toStdString());
    const QString pattern = QCoreApplication::translate(MessageContext, text.Source().c_str());
    return QString::fromStdString(FillPlaceholders(pattern.toStdString(), arguments));
}

} // namespace orvane
