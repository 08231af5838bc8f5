// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/Text.h"

#include <QString>

namespace orvane {

// A plain layer's text in the player's language: its template and each translated argument
// looked up in the messages' context, then the arguments filled in.
QString Translated(const Text& text);

} // namespace orvane
