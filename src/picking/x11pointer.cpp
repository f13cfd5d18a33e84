// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#include "picking/x11pointer.h"

#include <QGuiApplication>
#include <cstdlib>
#include <memory>
#include <xcb/xcb.h>

namespace {

using PointerReply = std::unique_ptr<xcb_query_pointer_reply_t, decltype(&std::free)>;

xcb_connection_t *connection()
{
    const auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

// The server answers with the pointer's place on the root window, whichever window is asked.
PointerReply queryPointer(xcb_connection_t *x11, WId window)
{
    return {x11 ? xcb_query_pointer_reply(x11, xcb_query_pointer(x11, xcb_window_t(window)), nullptr) : nullptr,
        &std::free};
}

} // namespace

std::optional<QPoint> X11Pointer::position(WId window)
{
    const PointerReply pointer = queryPointer(connection(), window);
    if (!pointer)
        return std::nullopt;
    return QPoint(pointer->root_x, pointer->root_y);
}

bool X11Pointer::moveTo(WId window, QPoint device)
{
    xcb_connection_t *x11 = connection();
    const PointerReply pointer = queryPointer(x11, window);
    if (!pointer)
        return false;
    xcb_warp_pointer(x11, XCB_NONE, pointer->root, 0, 0, 0, 0, qint16(device.x()), qint16(device.y()));
    xcb_flush(x11);
    return true;
}
