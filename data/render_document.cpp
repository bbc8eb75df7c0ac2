// Renders a shipped document from its Markdown source into a PDF at build time:
//   render_document <source.md> <target.pdf> <title>
// Offscreen, with the CJK font the setup installs, so the manuals need no viewer of their own
// format and nothing beyond the PDFs is installed.
#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>

#include <cstdio>

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc != 4) {
    std::fprintf(stderr, "usage: render_document <source.md> <target.pdf> <title>\n");
    return 2;
  }
  QFile source(QString::fromLocal8Bit(argv[1]));
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
  doc.setMarkdown(markdown);

  QPdfWriter pdf(QString::fromLocal8Bit(argv[2]));
  pdf.setTitle(QString::fromLocal8Bit(argv[3]));
  pdf.setCreator(QStringLiteral("Qvta_win"));
  pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter));
  doc.print(&pdf);
  QFile out(QString::fromLocal8Bit(argv[2]));
  if (!out.exists() || out.size() == 0) {
    std::fprintf(stderr, "render_document: %s was not written\n", argv[2]);
    return 1;
  }
  return 0;
}
