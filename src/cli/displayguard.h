// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

// While the application object is built: a window system that cannot be reached (a display
// named but not running, or refusing this user) ends the program with a message naming the
// display and exit status 1, where Qt would abort with a core dump.
//
// Qt decides which platform plugin to try, in which order and with which fallbacks, and how to
// authenticate; only its own attempt tells whether a connection is possible. Its failure is a
// fatal message, which this guard answers instead of the abort that would follow it.
class DisplayGuard
{
public:
    /// `displays` says what names the display ("DISPLAY=:1"), for the message.
    explicit DisplayGuard(const QStringList &displays);
    ~DisplayGuard() { release(); }
    DisplayGuard(const DisplayGuard &) = delete;
    DisplayGuard &operator=(const DisplayGuard &) = delete;

    /// Once the application object exists, fatal messages are Qt's again.
    void release();

private:
    static void answer(QtMsgType type, const QMessageLogContext &context, const QString &message);

    static inline QString displays;
    static inline QtMessageHandler previous = nullptr;
    bool active = true;
};
