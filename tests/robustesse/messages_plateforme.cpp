// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "messages_plateforme.h"

#include <QString>
#include <QtGlobal>

namespace {

QtMessageHandler precedent = nullptr;

void filtrer(QtMsgType type, const QMessageLogContext& contexte, const QString& message)
{
    if (message.startsWith(QLatin1String("This plugin does not support"))) {
        return;
    }
    if (precedent != nullptr) {
        precedent(type, contexte, message);
    }
}

} // namespace

void taireNotesDePlateforme()
{
    const QtMessageHandler ancien = qInstallMessageHandler(filtrer);
    if (ancien != filtrer) {
        precedent = ancien;
    }
}
