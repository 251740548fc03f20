#include "window/qt/menu_bar.h"

#include <QKeySequence>
#include <QMenu>
#include <QSignalBlocker>
#include <functional>

#include "window/form1.h"
#include "window/qt/language.h"
#include "window/qt/qt_platform.h"

namespace brenvolt {

namespace {

using Handler = void (Form1::*)();

// The property that keeps an item's Japanese caption, from which every language is shown.
constexpr const char* 原文 = "brenvoltCaption";

void 名と見出し(QAction& action, const char* name, const char* caption) {
  action.setObjectName(QString::fromUtf8(name));
  action.setText(QString::fromUtf8(caption));
  action.setProperty(原文, QString::fromUtf8(caption));
}

QMenu* 子メニュー(QWidget& parent, const char* name, const char* caption) {
  auto* menu = new QMenu(&parent);
  menu->setObjectName(QString::fromUtf8(name));
  名と見出し(*menu->menuAction(), name, caption);
  return menu;
}

QAction* 項目(QMenu& menu, const char* name, const char* caption, std::function<void()> handler) {
  QAction* action = menu.addAction(QString());
  名と見出し(*action, name, caption);
  QObject::connect(action, &QAction::triggered, std::move(handler));
  return action;
}

QAction* 項目(QMenu& menu, const char* name, const char* caption, Form1& form, Handler handler) {
  return 項目(menu, name, caption, [&form, handler] { (form.*handler)(); });
}

// A checkable item whose mark only the platform sets: Qt flips the mark before `triggered`
// arrives, so it is put back first and the handler then decides.
void チェック項目(QMenu& menu, const char* name, const char* caption, QtPlatform& platform,
                  std::function<void()> handler) {
  QAction* action = menu.addAction(QString());
  名と見出し(*action, name, caption);
  action->setCheckable(true);
  const std::string key = name;
  platform.registerCheckable(key, action);
  QObject::connect(action, &QAction::triggered,
                   [&platform, action, key, handler = std::move(handler)] {
                     {
                       const QSignalBlocker quiet(action);
                       action->setChecked(platform.menuChecked(key));
                     }
                     handler();
                   });
}

void チェック項目(QMenu& menu, const char* name, const char* caption, Form1& form,
                  QtPlatform& platform, Handler handler) {
  チェック項目(menu, name, caption, platform, [&form, handler] { (form.*handler)(); });
}

// The window's own items, after a separator under "ｵﾌﾟｼｮﾝ".
void 窓の項目(QMenu& option, const 窓の操作& window) {
  option.addSeparator();
  QAction* zoomIn = 項目(option, "ZOOM_IN", "拡大", window.zoomIn);
  // Ctrl and +, also on the = key that carries + on most keyboards, Shift or not.
  zoomIn->setShortcuts(
      {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
  項目(option, "ZOOM_OUT", "縮小", window.zoomOut)
      ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Minus));
  項目(option, "ZOOM_CLASSIC", "元の大きさ", window.classicSize)
      ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
  QAction* fullScreen = 項目(option, "FULL_SCREEN", "全画面", window.fullScreen);
  fullScreen->setShortcut(QKeySequence(Qt::Key_F11));
  fullScreen->setCheckable(true);
  option.addSeparator();
  // Named in the language it switches to, so that a player who reads only that one finds it.
  項目(option, "LANGUAGE", "English", window.switchLanguage);
  option.addSeparator();
  項目(option, "RESTORE_SETTINGS", "設定を元に戻す", window.restoreSettings);
}

}  // namespace

void メニューを作る(QMenuBar& bar, Form1& form, QtPlatform& platform, const 窓の操作& window) {
  QMenu* taikyoku = 子メニュー(bar, "TAIKYOKU", "対局");
  QMenu* matchMan = 子メニュー(*taikyoku, "MATCH_MAN", "対局(人間)");
  項目(*matchMan, "START", "スタート", form, &Form1::START_Click);
  // Opening this submenu is its click.
  QObject::connect(matchMan, &QMenu::aboutToShow, [&form] { form.MATCH_MAN_Click(); });
  taikyoku->addMenu(matchMan);
  QMenu* com = 子メニュー(*taikyoku, "START2", "対局(COM)");
  項目(*com, "SENTE", "先手", form, &Form1::SENTE_Click);
  項目(*com, "GOTE", "後手", form, &Form1::GOTE_Click);
  taikyoku->addMenu(com);
  // Enabled by the window object while a kept game exists.
  項目(*taikyoku, "RESUME", "前回の対局を再開", form, &Form1::RESUME_Click)->setEnabled(false);
  項目(*taikyoku, "OWARI", "終わり", form, &Form1::OWARI_Click);
  bar.addMenu(taikyoku);

  QMenu* stop = 子メニュー(bar, "STOP", "局面");
  項目(*stop, "CANCEL", "最初", form, &Form1::CANCEL_Click);
  // The platform's undo and redo keys take a move back and replay it.
  項目(*stop, "REPLAY", "戻", form, &Form1::REPLAY_Click)
      ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
  項目(*stop, "AFTER", "進", form, &Form1::AFTER_Click)
      ->setShortcuts(
          {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
  項目(*stop, "MATTA", "待った", form, &Form1::MATTA_Click);
  項目(*stop, "HINT", "ヒント", form, &Form1::HINT_Click);
  stop->addSeparator();
  項目(*stop, "SAVE", "棋譜を保存", form, &Form1::SAVE_Click)
      ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
  項目(*stop, "OPEN", "棋譜を開く", form, &Form1::OPEN_Click)
      ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
  stop->addSeparator();
  項目(*stop, "COPY_POSITION", "局面をコピー", form, &Form1::COPY_POSITION_Click);
  項目(*stop, "COPY_RECORD", "棋譜をコピー", form, &Form1::COPY_RECORD_Click);
  項目(*stop, "PASTE", "貼り付け", form, &Form1::PASTE_Click)
      ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_V));
  bar.addMenu(stop);

  QMenu* option = 子メニュー(bar, "OPTION", "ｵﾌﾟｼｮﾝ");
  チェック項目(*option, "SIDOU", "移動指導", form, platform, &Form1::SIDOU_Click);
  チェック項目(*option, "BGM", "BGM", form, platform, &Form1::BGM_Click);
  // The levels are checked one at a time; the handler sets every level's mark.
  QMenu* strength = 子メニュー(*option, "TSUYOSA", "強さ");
  for (int i = 0; i <= 強さ_最強; ++i) {
    チェック項目(*strength, 強さの表[i].項目名, 強さの表[i].名前, platform,
                 [&form, i] { form.強さ_Click(i); });
  }
  option->addMenu(strength);
  チェック項目(*option, "NARI", "成りを確認", form, platform, &Form1::NARI_Click);
  // The computer starts at its level (標準); the level items show it from the first look.
  for (int i = 0; i <= 強さ_最強; ++i)
    platform.setMenuChecked(強さの表[i].項目名, i == form.思考.level());
  窓の項目(*option, window);
  bar.addMenu(option);

  QMenu* view = 子メニュー(bar, "VIEW", "表示");
  // Checked while the panel is open; the window sets the mark.
  項目(*view, "PANEL", "棋譜", window.panel)->setCheckable(true);
  チェック項目(*view, "KENTOU", "検討", form, platform, &Form1::KENTOU_Click);
  項目(*view, "REVIEW", "振り返り", window.review);
  bar.addMenu(view);

  // A command on the bar itself, not a menu.
  QAction* ver = bar.addAction(QString());
  名と見出し(*ver, "VER", "その他");
  QObject::connect(ver, &QAction::triggered, [&form] { form.VER_Click(); });

  QMenu* help = 子メニュー(bar, "HELP", "ヘルプ");
  項目(*help, "HOW_TO_PLAY", "遊び方", window.howToPlay);
  bar.addMenu(help);
}

void メニューを訳す(QWidget& root, const Language& language) {
  for (QAction* action : root.findChildren<QAction*>()) {
    const QVariant caption = action->property(原文);
    if (!caption.isValid()) continue;
    action->setText(
        language.text(TranslatableText(文脈_メニュー, caption.toString().toStdString())));
  }
}

}  // namespace brenvolt
