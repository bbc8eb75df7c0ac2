#include "frontend/results/widgets/sand_check_dialog.h"

#include "common/cp932.h"
#include "common/tests/temp_dir.h"
#include "common/textfile.h"
#include "frontend/results/widgets/tests/widget_test_support.h"
#include "frontend/results/sand_report.h"
#include "frontend/results/tests/eccentric_fixtures.h"
#include "frontend/widgets/text_box_focus.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

#include <QFocusEvent>
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace qvt::results {
namespace {

using testing::app;
using testing::Recorder;

class SandCheckDialogTest : public ::testing::Test {
 protected:
  SandCheckDialogTest() {
    app();
    fixtures::write_work_folder(dir.path());
    model.work_folder = dir.path();
    model.install_folder = dir.path();
    model.conditions.seismic_check = 1;
    model.conditions.bearing_layer.phi = 30.0;  // the fixture's charts are read as they are
  }
  qvt::testing::TempDir dir;
  model::ProjectModel model;
  Recorder sink;
};

// The design factor boxes open on the project's bearing safety factors, normal and seismic.
TEST_F(SandCheckDialogTest, DesignFactorsOpenOnTheProjectsBearingFactors) {
  model.conditions.safety_factors[0][2] = 3.0;
  model.conditions.safety_factors[1][2] = 6.0;  // above the seismic F 5.714
  SandCheckDialog dialog(nullptr, model, sink);
  EXPECT_EQ(dialog.design_box(0)->text(), QStringLiteral("3.000"));
  EXPECT_EQ(dialog.design_box(1)->text(), QStringLiteral("6.000"));
  EXPECT_EQ(dialog.verdict_label(0)->text(), QStringLiteral("ＯＫ"));
  EXPECT_EQ(dialog.verdict_label(1)->text(), QStringLiteral("ＯＵＴ"));
}

// Both chart boxes open on the chart of the project's bearing layer, its phi rounded down.
TEST_F(SandCheckDialogTest, OpensOnTheChartOfTheBearingLayersPhi) {
  for (const auto& [phi, chart] : {std::pair{38.0, "35"}, std::pair{40.0, "40"},
                                   std::pair{28.0, "30"}}) {
    model.conditions.bearing_layer.phi = phi;
    SandCheckDialog dialog(nullptr, model, sink);
    for (int c = 0; c < 2; ++c)
      EXPECT_EQ(dialog.chart_box(c)->currentText(), QString::fromUtf8(chart)) << phi << " " << c;
  }
}

TEST_F(SandCheckDialogTest, ShowsBothCasesAndFollowsTheBoxes) {
  SandCheckDialog dialog(nullptr, model, sink);
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("偏心傾斜荷重の検討"));
  EXPECT_EQ(dialog.load_result(), SandCheck::Load::ready);
  EXPECT_TRUE(sink.texts.empty());
  EXPECT_EQ(dialog.tan_theta_label(0)->text(), QStringLiteral("0.150"));
  EXPECT_EQ(dialog.ratio_label(1)->text(), QStringLiteral("0.300"));
  EXPECT_EQ(dialog.chart_box(0)->currentText(), QStringLiteral("30"));
  EXPECT_EQ(dialog.n_box(0)->text(), QStringLiteral("17.50"));
  EXPECT_EQ(dialog.f_label(0)->text(), QStringLiteral("8.750"));
  EXPECT_EQ(dialog.f_label(1)->text(), QStringLiteral("5.714"));
  // The design factors open on the bearing safety factors of the design conditions (the
  // project's defaults 2.5 and 1.5).
  EXPECT_EQ(dialog.design_box(0)->text(), QStringLiteral("2.500"));
  EXPECT_EQ(dialog.design_box(1)->text(), QStringLiteral("1.500"));

  // Typing N recomputes F at once.
  dialog.n_box(1)->setFocus();
  dialog.n_box(1)->selectAll();
  dialog.n_box(1)->insert(QStringLiteral("1.2"));
  EXPECT_EQ(dialog.f_label(1)->text(), QStringLiteral("0.685"));
  EXPECT_EQ(dialog.verdict_label(1)->text(), QStringLiteral("ＯＵＴ"));  // below 1.500
  EXPECT_EQ(dialog.verdict_label(0)->text(), QStringLiteral("ＯＫ"));
  // Choosing a chart reads N again for its own row only.
  emit dialog.chart_box(1)->activated(2);
  EXPECT_EQ(dialog.n_box(1)->text(), QStringLiteral("10.00"));
  EXPECT_EQ(dialog.n_box(0)->text(), QStringLiteral("17.50"));

  // The design factor typed above F 8.750 turns the verdict at once.
  dialog.design_box(0)->setText(QStringLiteral("9"));
  emit dialog.design_box(0)->textEdited(QStringLiteral("9"));
  EXPECT_EQ(dialog.verdict_label(0)->text(), QStringLiteral("ＯＵＴ"));
  dialog.design_box(0)->setText(QStringLiteral("2.5"));
  emit dialog.design_box(0)->textEdited(QStringLiteral("2.5"));
  EXPECT_EQ(dialog.verdict_label(0)->text(), QStringLiteral("ＯＫ"));
  dialog.ok();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(dialog.design_box(0)->text(), QStringLiteral("2.500"));
  const auto page = read_file_bytes(dir / "DM006SHK.PDT");
  ASSERT_TRUE(page);
  EXPECT_NE(page->find("07  2.500\r\n"), std::string::npos);
  EXPECT_TRUE(std::filesystem::exists(dir / "M_HSK16H.PZK"));
}

// A typo that is not a number goes back to the factor the box held, instead of reading as 0 and
// passing every F, or as the digits in front of it ("9m"); a number stands.
TEST_F(SandCheckDialogTest, DesignFactorWithoutANumberGoesBack) {
  SandCheckDialog dialog(nullptr, model, sink);
  QLineEdit* box = dialog.design_box(0);
  const struct {
    const char* typed;
    const char* shown;
    const char* verdict;
  } cases[] = {{"abc", "2.500", "ＯＫ"}, {"9m", "2.500", "ＯＫ"}, {"9", "9.000", "ＯＵＴ"},
               {"-", "9.000", "ＯＵＴ"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(box, &in);
    box->setText(QString::fromUtf8(c.typed));
    emit box->textEdited(box->text());
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(box, &out);
    EXPECT_EQ(box->text(), QString::fromUtf8(c.shown));
    EXPECT_EQ(dialog.verdict_label(0)->text(), QString::fromUtf8(c.verdict));
  }
}

// The status line the number boxes write their notices to, recorded for one test.
struct StatusLine {
  StatusLine() {
    widgets::TextBoxFocus::set_status_line([this](const std::string& t) { text = t; });
  }
  ~StatusLine() { widgets::TextBoxFocus::set_status_line({}); }
  std::string text;
};

void focus_in(QWidget* w) {
  QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
  QApplication::sendEvent(w, &in);
}

void focus_out(QWidget* w) {
  QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
  QApplication::sendEvent(w, &out);
  QApplication::processEvents();  // the notice follows once the focus has arrived
}

void type(QLineEdit* box, const QString& text) {
  box->setText(text);
  emit box->textEdited(text);
}

// A layer weaker than every chart: the dialog says so in its own notice line and beside each
// verdict, and shows no verdict until N is typed.
TEST_F(SandCheckDialogTest, ALayerWeakerThanEveryChartShowsTheNoticeAndNoVerdict) {
  model.conditions.bearing_layer.phi = 28.0;
  SandCheckDialog dialog(nullptr, model, sink);
  EXPECT_TRUE(sink.texts.empty());
  EXPECT_EQ(dialog.notice_label()->text().toStdString(), dialog.check().below_charts_notice());
  EXPECT_FALSE(dialog.notice_label()->text().isEmpty());
  EXPECT_FALSE(dialog.notice_label()->isHidden());
  EXPECT_EQ(dialog.verdict_label(0)->toolTip(), dialog.notice_label()->text());
  EXPECT_EQ(dialog.chart_box(0)->currentText(), QStringLiteral("30"));
  // No chart's N stands for the layer: N and F stay empty until N is typed.
  for (int c = 0; c < 2; ++c) {
    EXPECT_EQ(dialog.verdict_label(c)->text(), QStringLiteral("－"));
    EXPECT_EQ(dialog.n_box(c)->text(), QString()) << c;
    EXPECT_EQ(dialog.f_label(c)->text(), QString()) << c;
  }
  type(dialog.n_box(0), QStringLiteral("12"));  // F = 10 x 20 x 12 / 2 / 200 = 6.000
  EXPECT_EQ(dialog.f_label(0)->text(), QStringLiteral("6.000"));
  EXPECT_EQ(dialog.verdict_label(0)->text(), QStringLiteral("ＯＫ"));
  EXPECT_EQ(dialog.verdict_label(1)->text(), QStringLiteral("－"));
  dialog.ok();  // the seismic N not yet typed
  EXPECT_NE(dialog.result(), QDialog::Accepted);
  ASSERT_EQ(sink.texts.size(), 1u);
  EXPECT_EQ(sink.texts[0].rfind("地震時のＮを入力してください。", 0), 0u);
  EXPECT_EQ(dialog.n_box(1)->text(), QString());  // left empty, not 0.00
  EXPECT_FALSE(std::filesystem::exists(dir / "DM006SHK.PDT"));
  // A layer of the charts' range has no notice.
  model.conditions.bearing_layer.phi = 35.0;
  SandCheckDialog fits(nullptr, model, sink);
  EXPECT_TRUE(fits.notice_label()->isHidden());
}

// N typed as no number or out of N's range: leaving the box takes it back with the boxes'
// notice, and so does OK pressed while the box still holds the text; nothing is written from it.
TEST_F(SandCheckDialogTest, ANThatIsNoNumberOrOutOfRangeGoesBackAndIsNeverWritten) {
  StatusLine status;
  SandCheckDialog dialog(nullptr, model, sink);
  QLineEdit* box = dialog.n_box(0);
  focus_in(box);
  type(box, QStringLiteral("1e300"));
  EXPECT_EQ(dialog.f_label(0)->text(), QStringLiteral("8.750"));  // the N held, 17.50
  focus_out(box);
  EXPECT_EQ(box->text(), QStringLiteral("17.50"));
  EXPECT_EQ(status.text, widgets::kMsgOutOfRange);
  for (const char* typed : {"１２", "nan", "inf", "1e999"}) {
    SCOPED_TRACE(typed);
    status.text.clear();
    focus_in(box);
    type(box, QString::fromUtf8(typed));
    dialog.ok();  // OK while the box holds the text
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(box->text(), QStringLiteral("17.50"));
    EXPECT_FALSE(status.text.empty());
    EXPECT_FALSE(std::filesystem::exists(dir / "DM006SHK.PDT"));
  }
  EXPECT_TRUE(sink.texts.empty());
  dialog.ok();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_NE(read_file_bytes(dir / "DM006SHK.PDT").value_or("").find("06   17.50\r\n"),
            std::string::npos);
}

// A column pasted into the N box keeps its first line; the box never stands empty.
TEST_F(SandCheckDialogTest, APastedMultiLineTextKeepsItsFirstLine) {
  SandCheckDialog dialog(nullptr, model, sink);
  QLineEdit* box = dialog.n_box(0);
  focus_in(box);
  box->selectAll();
  QApplication::clipboard()->setText(QStringLiteral("12.5\r\n34"));
  box->paste();
  EXPECT_EQ(box->text(), QStringLiteral("12.5"));
  // Q = 10 x 20 x 12.5 / 2 = 1250, F = 1250 / 200 = 6.250.
  EXPECT_EQ(dialog.f_label(0)->text(), QStringLiteral("6.250"));
  focus_out(box);
  EXPECT_EQ(box->text(), QStringLiteral("12.50"));
}

TEST_F(SandCheckDialogTest, UnreadableHandOverDisablesOk) {
  write_file_bytes(dir / "CAL_HEN.DAT", "x\r\n");
  SandCheckDialog dialog(nullptr, model, sink);
  EXPECT_EQ(dialog.load_result(), SandCheck::Load::unreadable);
  EXPECT_FALSE(dialog.ok_button()->isEnabled());
  EXPECT_EQ(dialog.n_box(0)->text(), QString());
  EXPECT_EQ(dialog.chart_box(0)->currentIndex(), -1);
  EXPECT_EQ(dialog.tan_theta_label(0)->text(), QStringLiteral("***"));
}

TEST_F(SandCheckDialogTest, MissingChartOffersNoDialog) {
  std::filesystem::remove(dir / "FAI40.CSV");
  SandCheckDialog dialog(nullptr, model, sink);
  EXPECT_EQ(dialog.load_result(), SandCheck::Load::no_dialog);
  ASSERT_EQ(sink.texts.size(), 1u);
}

// Draws a chart figure the way the report viewer lays it out, so the docs show what is printed.
QImage render_figure(const std::string& bytes) {
  const std::vector<std::string> lines = split_lines(bytes);
  QImage image(1000, 760, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  // The chart area: x 1400..3900, y 1300..3300 page units.
  p.scale(1000.0 / 2500.0, 760.0 / 1900.0);
  p.translate(-1500, -1500);
  for (std::size_t i = 2; i < lines.size(); ++i) {
    std::istringstream in(lines[i]);
    char command = 0;
    in >> command;
    if (command == 'L') {
      int x1, y1, x2, y2, kind, pen;
      in >> x1 >> y1 >> x2 >> y2 >> kind >> pen;
      p.setPen(QPen(Qt::black, pen == 3 ? 4 : 2));
      p.drawLine(x1, y1, x2, y2);
    } else if (command == 'K' && i + 1 < lines.size()) {
      int x, y, w, h;
      in >> x >> y >> w >> h;
      QFont font;
      font.setPixelSize(h);
      p.setFont(font);
      p.setPen(Qt::black);
      p.drawText(x, y, QString::fromStdString(cp932_to_utf8_lossy(lines[++i])));
    }
  }
  return image;
}

// Not a check: with QVT_DOCS_DIR set, saves the four shipped charts as the report draws them.
// (The dialog itself is pictured on a shipped sample in the shell's doc_pictures_test.cpp.)
TEST_F(SandCheckDialogTest, ChartPictures) {
  const QByteArray docs = qgetenv("QVT_DOCS_DIR");
  if (docs.isEmpty()) GTEST_SKIP() << "QVT_DOCS_DIR not set";
  const QString folder = QString::fromLocal8Bit(docs);
  for (const char* chart : kChartFiles)
    std::filesystem::copy_file(std::filesystem::path(QVT_BIN_DIR) / chart, dir / chart,
                               std::filesystem::copy_options::overwrite_existing);
  const ChartLoad charts = load_bearing_charts(dir.path());
  for (int c = 0; c < kChartCount; ++c)
    ASSERT_TRUE(render_figure(chart_figure(charts.charts[c], c, 0.0, 0.0, 0))
                    .save(folder + QStringLiteral("/chart-fai%1.png").arg(kChartAngles[c])));
}

}  // namespace
}  // namespace qvt::results
