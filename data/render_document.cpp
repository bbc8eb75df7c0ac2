// Renders a shipped document from its Markdown source into a PDF at build time:
//   render_document <source.md> <target.pdf> <title>
// Offscreen, with the CJK font the setup installs, so the manuals need no viewer of their own
// format and nothing beyond the PDFs is installed.
//
// Pictures are named in the Markdown relative to the Markdown file (![..](../page.png)), so
// the document reads the same on the repository's web view and in the PDF. Every picture is
// loaded here before printing: a picture that is missing or unreadable fails the build instead
// of leaving an empty frame in the manual. Pictures wider than the text, or taller than most of
// a page, are scaled down to fit with their proportions kept.
//
// A table row that the Markdown reader did not take into a table (a blank line inside a table,
// rows without the header and separator lines above them) would print as a paragraph of "|"
// text; such a row fails the build too, naming its text.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextImageFormat>
#include <QTextTable>
#include <QUrl>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// A4 with 20 mm margins, in the document's own units (pixels at 96 dpi): 170 mm by 257 mm.
constexpr double kMillimetresPerInch = 25.4;
constexpr double kDocumentDpi = 96.0;
constexpr double kMarginMm = 20.0;
const QSizeF kBodySize((210.0 - 2 * kMarginMm) / kMillimetresPerInch * kDocumentDpi,
                       (297.0 - 2 * kMarginMm) / kMillimetresPerInch * kDocumentDpi);
// A picture may take at most this share of the text width, so a window screenshot leaves room on
// its page for the text that explains it, and this share of a page's height.
constexpr double kWidestShare = 0.85;
constexpr double kMostOfPage = 0.85;

struct Picture {
  int position;
  int length;
  QTextImageFormat format;
};

// The image fragments of the document, collected first so that changing their formats does
// not disturb the walk.
std::vector<Picture> pictures_of(const QTextDocument& doc) {
  std::vector<Picture> found;
  for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment fragment = it.fragment();
      if (fragment.isValid() && fragment.charFormat().isImageFormat())
        found.push_back({fragment.position(), fragment.length(),
                         fragment.charFormat().toImageFormat()});
    }
  }
  return found;
}

// Loads every picture relative to `folder`, registers it under the name the Markdown uses and
// sets its printed size. False, after a message, when a picture cannot be read.
bool load_pictures(QTextDocument& doc, const QDir& folder, const char* source) {
  const double max_width =
      kWidestShare * (doc.textWidth() > 0 ? doc.textWidth() : kBodySize.width());
  const double max_height = kBodySize.height() * kMostOfPage;
  for (const Picture& picture : pictures_of(doc)) {
    const QString name = picture.format.name();
    const QUrl url(name);
    const QString path = url.isLocalFile() ? url.toLocalFile()
                         : QDir::isAbsolutePath(name) ? name
                                                      : folder.filePath(name);
    const QImage image(path);
    if (image.isNull()) {
      std::fprintf(stderr, "render_document: %s: picture %s cannot be read (%s)\n", source,
                   qPrintable(name), qPrintable(QDir::cleanPath(path)));
      return false;
    }
    doc.addResource(QTextDocument::ImageResource, QUrl(name), image);
    double width = image.width();
    double height = image.height();
    const double scale = std::min({1.0, max_width / width, max_height / height});
    QTextImageFormat format = picture.format;
    format.setWidth(width * scale);
    format.setHeight(height * scale);
    QTextCursor cursor(&doc);
    cursor.setPosition(picture.position);
    cursor.setPosition(picture.position + picture.length, QTextCursor::KeepAnchor);
    cursor.setCharFormat(format);
  }
  return true;
}

// True, after a message for each, when a paragraph outside every table begins as a table row
// does: "|" and then a blank, "|", "-" or ":" (text such as "|ε| の値" begins with "|" too).
bool rows_outside_tables(const QTextDocument& doc, const char* source) {
  static const QRegularExpression kRowStart(QStringLiteral("^\\|[\\s|:-]"));
  bool found = false;
  for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
    if (QTextCursor(block).currentTable() != nullptr) continue;
    const QString text = block.text().trimmed();
    if (!kRowStart.match(text).hasMatch()) continue;
    std::fprintf(stderr, "render_document: %s: a table row outside a table: %s\n", source,
                 qPrintable(text.left(60)));
    found = true;
  }
  return found;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc != 4) {
    std::fprintf(stderr, "usage: render_document <source.md> <target.pdf> <title>\n");
    return 2;
  }
  const QString source_path = QString::fromLocal8Bit(argv[1]);
  QFile source(source_path);
  if (!source.open(QIODevice::ReadOnly)) {
    std::fprintf(stderr, "render_document: cannot read %s\n", argv[1]);
    return 1;
  }
  const QString markdown = QString::fromUtf8(source.readAll());
  if (markdown.trimmed().isEmpty()) {
    std::fprintf(stderr, "render_document: %s is empty\n", argv[1]);
    return 1;
  }

  QFont font(QStringLiteral("Noto Sans CJK JP"), 10);
  if (!QFontDatabase::families().contains(font.family()))
    std::fprintf(stderr, "render_document: font %s not found, using the default\n",
                 qPrintable(font.family()));
  QTextDocument doc;
  doc.setDefaultFont(font);
  // The page size makes the document paginated in its own units, so the PDF pages hold exactly
  // the body that is laid out here, pictures scaled as decided below.
  doc.setPageSize(kBodySize);
  doc.setMarkdown(markdown);
  if (rows_outside_tables(doc, argv[1])) return 1;
  if (!load_pictures(doc, QFileInfo(source_path).absoluteDir(), argv[1])) return 1;

  QPdfWriter pdf(QString::fromLocal8Bit(argv[2]));
  pdf.setTitle(QString::fromLocal8Bit(argv[3]));
  pdf.setCreator(QStringLiteral("Qvta_win"));
  pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                                QPageLayout::Millimeter));
  doc.print(&pdf);
  QFile out(QString::fromLocal8Bit(argv[2]));
  if (!out.exists() || out.size() == 0) {
    std::fprintf(stderr, "render_document: %s was not written\n", argv[2]);
    return 1;
  }
  return 0;
}
