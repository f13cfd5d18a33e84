// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#include "cli/displayguard.h"

#include "cli/translations.h"

#include <QTranslator>
#include <cstdio>
#include <cstdlib>

namespace {

const char cannotOpenText[] = QT_TRANSLATE_NOOP("CommandLine",
    "rusket: the display could not be opened (%1): no X11 or Wayland session answers there, or it does not "
    "let this user in.\n");

} // namespace

DisplayGuard::DisplayGuard(const QStringList &names)
{
    displays = names.join(QStringLiteral(", "));
    previous = qInstallMessageHandler(answer);
}

void DisplayGuard::release()
{
    if (active)
        qInstallMessageHandler(previous);
    active = false;
}

void DisplayGuard::answer(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type != QtFatalMsg && previous) {
        previous(type, context, message);
        return;
    }
    if (type != QtFatalMsg) {
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
        return;
    }
    // Qt's warnings before this one say what it tried; its fatal message would only add the
    // core dump. The application object is half built: the translation is read, not installed.
    QTranslator translator;
    QString text = Translations::loadOwn(translator) ? translator.translate("CommandLine", cannotOpenText) : QString();
    text = (text.isEmpty() ? QString::fromUtf8(cannotOpenText) : text).arg(displays);
    std::fputs(text.toLocal8Bit().constData(), stderr);
    std::_Exit(1);
}
