// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The command line: "selvane --ics 2025", "selvane --pdf calendar 2024-03 --output march.pdf",
// "selvane --csv 2024-03", "selvane --events 2026" and their options do one job and exit,
// without a window and without a display, so they run on a server and in scripts.

namespace selvane {

// Exit statuses of a command-line run.
inline constexpr int kJobDone = 0;
inline constexpr int kBadInput = 2;

// Whether the arguments name one of the command line's own options (--ics, --pdf, --csv,
// --events, --help, --version, ...): the program then runs the job instead of opening its window.
// Qt's options (-platform, -style, ...) are not the command line's.
bool AsksForCommandLineJob(int argc, const char* const* argv);

// Makes the application object the job needs (with fonts, offscreen unless the environment
// names a platform, only for a PDF page), does the job the arguments ask for and returns the
// exit status: kJobDone, or kBadInput after one line on standard error when an argument is
// wrong or the output cannot be written, and nothing has been written then. The settings file
// is read, never created or changed.
int RunCommandLine(int argc, char* argv[]);

} // namespace selvane
