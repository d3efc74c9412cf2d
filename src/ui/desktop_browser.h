#pragma once
// Whether the desktop can be trusted to show a web page the game hands it.
//
// QDesktopServices::openUrl only tells whether a program was started: xdg-open started on a
// desktop with no browser prints a line on a terminal nobody sees, and still counts as opened.
// So the game hands its help page to the desktop only where both are there:
//   - xdg-open on the PATH (what Qt starts for a local page; without it Qt only guesses at a
//     few browsers by name), and
//   - a program for text/html in the desktop's list of programs by file type: a "text/html="
//     line in a mimeapps.list (outside [Removed Associations]) under the XDG config folders or
//     their applications/ folders, or in an applications/mimeinfo.cache, which the desktop
//     files of installed programs fill.
// Anywhere else, and wherever openUrl still answers false, the game shows the page in its own
// help window. Finding out reads a few small files and starts nothing, so a click never waits.

#include <QStringList>

bool DesktopShowsWebPages();
// Whether one of these files names a program for text/html (files that are missing count as
// naming none).
bool HtmlProgramNamedIn(const QStringList& files);
