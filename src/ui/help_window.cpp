#include "ui/help_window.h"

#include <utility>

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QShortcut>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace {
// Qt's rich text knows no <nav>, <figure> or <figcaption> and runs what they hold into the
// text around them: the page is read with those made into the blocks it knows, the links of
// <nav> set apart (a browser spaces them by the page's style). A picture's line keeps its own
// height: the page's line spacing would add half a picture under it.
QString ForRichText(QString page) {
  static const QRegularExpression navLinks(QStringLiteral("</a>\\s*(?=<a )"));
  const qsizetype navStart = page.indexOf(QStringLiteral("<nav>")), navEnd = page.indexOf(QStringLiteral("</nav>"));
  if (navStart >= 0 && navEnd > navStart) {
    QString links = page.mid(navStart, navEnd - navStart);
    links.replace(navLinks, QStringLiteral("</a>&nbsp;&middot; "));
    page.replace(navStart, navEnd - navStart, links);
  }
  const std::pair<const char*, const char*> blocks[] = {
      {"<nav>", "<p>"},
      {"</nav>", "</p>"},
      {"<figure", "<div align=\"center\" style=\"line-height: 100%\""},
      {"</figure>", "</div>"},
      {"<figcaption>", "<p align=\"center\"><i>"},
      {"</figcaption>", "</i></p>"}};
  for (const auto& [tag, known] : blocks) page.replace(QLatin1String(tag), QLatin1String(known));
  return page;
}

class TPageView : public QTextBrowser {
 public:
  using QTextBrowser::QTextBrowser;

 protected:
  QVariant loadResource(int type, const QUrl& name) override {
    if (type != QTextDocument::HtmlResource || !name.isLocalFile()) return QTextBrowser::loadResource(type, name);
    QFile file(name.toLocalFile());
    if (!file.open(QIODevice::ReadOnly)) return {};
    // The game writes its pages in UTF-8.
    return ForRichText(QString::fromUtf8(file.readAll()));
  }
};
}  // namespace

TfrmHelp::TfrmHelp() : QWidget(nullptr, Qt::Window) {
  browser_ = new TPageView(this);
  // The page's own links move within it; an address on the web goes to the desktop.
  browser_->setOpenExternalLinks(true);
  browser_->setFrameShape(QFrame::NoFrame);
  browser_->document()->setDocumentMargin(24);
  QFont font = browser_->font();
  font.setPixelSize(15);
  browser_->setFont(font);
  connect(browser_, &QTextBrowser::sourceChanged, this, [this] { setWindowTitle(browser_->documentTitle()); });

  auto* close = new QPushButton(tr("Close"), this);
  connect(close, &QPushButton::clicked, this, &QWidget::close);
  new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &QWidget::close);
  auto* buttons = new QHBoxLayout;
  buttons->setContentsMargins(8, 8, 8, 8);
  buttons->addStretch();
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(browser_, 1);
  layout->addLayout(buttons);

  // About a page of a book in width, and as tall as the screen comfortably allows.
  QRect room(0, 0, 1024, 768);
  if (const QScreen* screen = QGuiApplication::primaryScreen()) room = screen->availableGeometry();
  resize(QSize(820, 960).boundedTo(room.size() * 9 / 10));
  move(room.center() - rect().center());
}

bool TfrmHelp::ShowPage(const QUrl& page) {
  const QFileInfo file(page.toLocalFile());
  if (!file.isFile() || !file.isReadable()) return false;
  browser_->setSource(page);
  if (isMinimized()) showNormal();
  show();
  raise();
  activateWindow();
  return true;
}
