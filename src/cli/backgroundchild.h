// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#pragma once

// `rusket --pick --copy` ends once the color is printed and copied, yet on X11 and Wayland what
// is copied lives in the program that copied it. So the work is done in a child process: the
// program that was started ends with the child's exit status as soon as the child tells it,
// and the child stays behind, holding the clipboard, until another program takes it, as
// command-line clipboard tools do.
//
// The child is made before the application object, while the process has one thread and no
// connection to the window system.
namespace BackgroundChild {

/// Forks. The parent waits for the child's status (see release) or for its end, and exits with
/// it; only the child returns. Where no child can be made, the caller goes on alone.
void fork();

/// In the child: ends the parent with `status`, then lets go of the terminal: standard input,
/// output and error go to /dev/null, so that a pipe reading them ends, and the child leaves the
/// terminal's session. Without a parent waiting, nothing happens.
void release(int status);

} // namespace BackgroundChild
