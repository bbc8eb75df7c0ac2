#include "frontend/shell/main_menus.h"

#include "frontend/shell/main_window.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <QToolBar>

namespace qvt::shell {

MainMenus::MainMenus(MainWindow& w, bool check_updates_at_start) {
  auto item = [&w](QMenu* menu, const char* name, const QString& caption, auto&& slot) {
    QAction* a = menu->addAction(caption);
    a->setObjectName(QString::fromUtf8(name));
    QObject::connect(a, &QAction::triggered, &w, slot);
    return a;
  };

  QMenu* file = w.menuBar()->addMenu(QStringLiteral("ファイル"));
  file->setObjectName(QStringLiteral("mnu_file"));
  item(file, "new", QStringLiteral("新規作成（&N）"), [&w] { w.new_project(); });
  item(file, "open", QStringLiteral("開く（&O）"), [&w] { w.open_project(); });
  file->addSeparator();
  item(file, "save", QStringLiteral("上書き保存（&S）"), [&w] { w.save_project(); });
  item(file, "add_save", QStringLiteral("名前を付けて保存（&A）"), [&w] { w.save_project_as(); });
  file->addSeparator();
  item(file, "printout", QStringLiteral("帳票印刷（&P）"), [&w] { w.print_report(); });
  recent_files_ =
      std::make_unique<RecentFiles>(&w, file, [&w](int n) { w.open_recent_file(n); });
  file->addSeparator();
  item(file, "end", QStringLiteral("システムの終了"), [&w] { w.end_program(); });

  QMenu* opt = w.menuBar()->addMenu(QStringLiteral("オプション"));
  opt->setObjectName(QStringLiteral("mnu_opt"));
  item(opt, "custom", QStringLiteral("カスタマイズ"), [&w] { w.options(); });

  QMenu* dsp = w.menuBar()->addMenu(QStringLiteral("表示"));
  dsp->setObjectName(QStringLiteral("mnu_dsp"));
  item(dsp, "a_dsp", QStringLiteral("全体"), [&w] { w.view().view_whole_section(); });
  item(dsp, "b_dsp", QStringLiteral("拡大"), [&w] { w.view().enter_zoom_in_mode(); });
  item(dsp, "s_dsp", QStringLiteral("縮小"), [&w] { w.view().enter_zoom_out_mode(); });

  QMenu* inp = w.menuBar()->addMenu(QStringLiteral("データ入力"));
  inp->setObjectName(QStringLiteral("mnu_inp"));
  static const char* const kInpCaptions[kInputPageCount] = {
      "設計条件", "本体工", "改良体", "地表面", "支持層", "土圧作用点", "寸法線"};
  for (int k = 0; k < kInputPageCount; ++k) {
    QAction* a = inp->addAction(QString::fromUtf8(kInpCaptions[k]));
    a->setObjectName(QStringLiteral("inp_menu_%1").arg(k));
    QObject::connect(a, &QAction::triggered, &w, [&w, k] { w.choose_input_menu_item(k); });
  }

  QMenu* cal = w.menuBar()->addMenu(QStringLiteral("安定計算"));
  cal->setObjectName(QStringLiteral("mnu_cal"));
  item(cal, "cal", QStringLiteral("実行"), [&w] { w.calculate(); });
  item(cal, "ans", QStringLiteral("結果表示"), [&w] { w.show_results(); });
  cal->addSeparator();
  item(cal, "hensin", QStringLiteral("偏心傾斜による検討"), [&w] { w.eccentric_check(); });

  QMenu* hlp = w.menuBar()->addMenu(QStringLiteral("ヘルプ"));
  hlp->setObjectName(QStringLiteral("mnu_hlp"));
  item(hlp, "help", QStringLiteral("操作説明書"), [&w] { w.open_manual(); });
  item(hlp, "help2", QStringLiteral("商品概説書"), [&w] { w.open_product_overview(); });
  hlp->addSeparator();
  item(hlp, "ver", QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報(&A)"), [&w] { w.about(); });
  hlp->addSeparator();
  item(hlp, "revrec", QStringLiteral("更新履歴の確認(&R)"), [&w] { w.show_update_history(); });
  item(hlp, "update", QStringLiteral("最新バージョンの確認(&U)"), [&w] { w.check_for_updates(); });
  update_check_action_ =
      item(hlp, "newver", QStringLiteral("起動時に最新バージョンをチェック(&V)"),
           [&w] { w.toggle_update_check_at_start(); });
  update_check_action_->setCheckable(true);
  update_check_action_->setChecked(check_updates_at_start);
  build_toolbar(w);
}

void MainMenus::build_toolbar(MainWindow& w) {
  toolbar_ = w.addToolBar(QStringLiteral("Toolbar1"));
  toolbar_->setObjectName(QStringLiteral("toolbar"));
  toolbar_->setMovable(false);
  toolbar_->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  struct Button {
    ToolbarButton button;
    const char* name;  // the object name
    const char* text;
    QStyle::StandardPixmap icon;
    bool separator_after;
  };
  using B = ToolbarButton;
  static const Button kButtons[] = {
      {B::new_project, "toolbar_new", "新規", QStyle::SP_FileIcon, false},
      {B::open_project, "toolbar_open", "開く", QStyle::SP_DialogOpenButton, false},
      {B::save_project, "toolbar_save", "上書き保存", QStyle::SP_DialogSaveButton, true},
      {B::calculate, "toolbar_calculate", "計算", QStyle::SP_MediaPlay, false},
      {B::print_report, "toolbar_print", "印刷", QStyle::SP_FileDialogDetailedView, true},
      {B::whole_section, "toolbar_whole", "全表示", QStyle::SP_TitleBarMaxButton, false},
      {B::zoom_in, "toolbar_zoom_in", "拡大", QStyle::SP_ArrowUp, false},
      {B::zoom_out, "toolbar_zoom_out", "縮小", QStyle::SP_ArrowDown, true},
      {B::manual, "toolbar_manual", "ヘルプ", QStyle::SP_DialogHelpButton, false},
  };
  for (const Button& b : kButtons) {
    QAction* a = toolbar_->addAction(w.style()->standardIcon(b.icon), QString::fromUtf8(b.text));
    a->setObjectName(QString::fromLatin1(b.name));
    const ToolbarButton button = b.button;
    QObject::connect(a, &QAction::triggered, &w,
                     [&w, button] { w.press_toolbar_button(button); });
    toolbar_buttons_[static_cast<int>(b.button)] = a;
    if (b.separator_after) toolbar_->addSeparator();
  }
}

}  // namespace qvt::shell
