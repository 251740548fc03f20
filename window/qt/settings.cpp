#include "window/qt/settings.h"

#include <QStandardPaths>
#include <cmath>
#include <iostream>

#include "game/levels.h"
#include "window/computer_player.h"
#include "window/qt/main_window.h"

namespace brenvolt {

namespace {

// The level by its word (a number there is one of the nine levels there were before).
const QString 強さ_鍵 = QStringLiteral("strength");
// The level as kept when there were four levels, 0 to 3, read while no strength is kept.
const QString 旧強さ_鍵 = QStringLiteral("level");
const QString 指導_鍵 = QStringLiteral("guidance");
const QString 音楽_鍵 = QStringLiteral("music");
const QString 成り_鍵 = QStringLiteral("askPromotion");
const QString 言語_鍵 = QStringLiteral("language");
const QString 倍率_鍵 = QStringLiteral("zoom");
const QString 置場_鍵 = QStringLiteral("folder");
const QString 警告_鍵 = QStringLiteral("soundWarningShown");
const QString 棋譜欄_鍵 = QStringLiteral("panel");
const QString 検討_鍵 = QStringLiteral("analysis");

// The sizes the window steps through bound the size kept.

}  // namespace

Settings::Settings(const QString& file) : store_(file, QSettings::IniFormat) {}

QString Settings::defaultFile() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
         QStringLiteral("/brenvolt/brenvolt.conf");
}

int Settings::level() const {
  bool ok = false;
  if (store_.contains(強さ_鍵))
    return 記された強さ(store_.value(強さ_鍵).toString().toStdString()).value_or(強さ_標準);
  const int old = store_.value(旧強さ_鍵).toInt(&ok);
  return ok && old >= 0 && old <= 旧強さ_最強 ? 旧強さの対応[old] : 0;
}

bool Settings::flag(const QString& key, bool otherwise) const {
  const QString text = store_.value(key).toString();
  if (text == QLatin1String("true")) return true;
  if (text == QLatin1String("false")) return false;
  return otherwise;
}

bool Settings::guidance() const {
  return flag(指導_鍵, false);
}

bool Settings::panel() const {
  return flag(棋譜欄_鍵, false);
}

bool Settings::analysis() const {
  return flag(検討_鍵, false);
}

bool Settings::music() const {
  return flag(音楽_鍵, true);
}

bool Settings::askPromotion() const {
  return flag(成り_鍵, false);
}

言語 Settings::language() const {
  return store_.value(言語_鍵).toString() == QLatin1String("en") ? 言語::英語 : 言語::日本語;
}

double Settings::zoom() const {
  bool ok = false;
  const double scale = store_.value(倍率_鍵).toDouble(&ok);
  return ok && scale >= 最小倍率 && scale <= 最大倍率 ? scale : 最小倍率;
}

QString Settings::folder() const {
  return store_.value(置場_鍵).toString();
}

bool Settings::soundWarningShown() const {
  return flag(警告_鍵, false);
}

void Settings::setLevel(int level) {
  write(強さ_鍵, QString::fromLatin1(強さの語(level)));
}

void Settings::setGuidance(bool on) {
  write(指導_鍵, on);
}

void Settings::setPanel(bool shown) {
  write(棋譜欄_鍵, shown);
}

void Settings::setAnalysis(bool on) {
  write(検討_鍵, on);
}

void Settings::setMusic(bool on) {
  write(音楽_鍵, on);
}

void Settings::setAskPromotion(bool on) {
  write(成り_鍵, on);
}

void Settings::setLanguage(言語 language) {
  write(言語_鍵, language == 言語::英語 ? QStringLiteral("en") : QStringLiteral("ja"));
}

void Settings::setZoom(double scale) {
  write(倍率_鍵, scale);
}

void Settings::setFolder(const QString& folder) {
  write(置場_鍵, folder);
}

void Settings::setSoundWarningShown() {
  write(警告_鍵, true);
}

void Settings::clear() {
  store_.clear();
  save();
}

void Settings::write(const QString& key, const QVariant& value) {
  store_.setValue(key, value);
  save();
}

void Settings::save() {
  store_.sync();
  if (store_.status() == QSettings::NoError || failureReported_) return;
  failureReported_ = true;
  std::cerr << "brenvolt: the settings cannot be written to " << file().toStdString()
            << "; choices made now are forgotten at exit\n";
}

}  // namespace brenvolt
