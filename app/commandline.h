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

// Whether the arguments are the command line's: one of its own options (--ics, --pdf, --csv,
// --events, --help, --version, ...), or an option that is neither its own nor one of Qt's
// start-up options, which it refuses. The program then runs the command line instead of opening
// its window. Qt's options (-platform, -style, -display, ...) pass through to the window.
bool AsksForCommandLineJob(int argc, const char* const* argv);

// Makes the application object the job needs (with fonts, offscreen unless the environment
// names a platform, only for a PDF page), does the job the arguments ask for and returns the
// exit status: kJobDone, or kBadInput after one line on standard error ("selvane: " and what
// is wrong, in lower case) when an argument is wrong or the output cannot be written, and
// nothing has been written then. The settings file is read, never created or changed.
int RunCommandLine(int argc, char* argv[]);

} // namespace selvane
