#pragma once
// The help page in a window of the game's own, for a desktop that shows no web pages (see
// desktop_browser.h): an ordinary window beside the game's, sized to fit the screen and free
// to resize, titled with the page's title, with the page's pictures and its links. Escape or
// Close hides it; asked again, it comes forward at the section asked for. It has no owner, so
// the window system stacks it on its own and it never hides the board.

#include <QWidget>

class QTextBrowser;
class QUrl;

class TfrmHelp : public QWidget {
  Q_OBJECT
 public:
  TfrmHelp();

  // Shows the page (a local file, with a #section or without) and brings the window forward.
  // False, the window left as it was, when there is no page to read.
  bool ShowPage(const QUrl& page);
  QTextBrowser* Browser() const { return browser_; }

 private:
  QTextBrowser* browser_ = nullptr;
};
