// The player's choices kept between runs, in an INI file in the user's configuration folder
// ($XDG_CONFIG_HOME/brenvolt/brenvolt.conf). A value that is missing or unusable (a file
// edited by hand) reads as the classic start. Each change is written at once, because the game
// ends its process without unwinding; a file that cannot be written costs one line on standard
// error, and the game goes on.
#pragma once

#include <QSettings>
#include <QString>

#include "window/qt/language.h"

namespace brenvolt {

class Settings {
 public:
  explicit Settings(const QString& file = defaultFile());

  // The settings file in the configuration folder the environment names.
  static QString defaultFile();
  QString file() const { return store_.fileName(); }

  int level() const;
  bool guidance() const;
  bool music() const;
  bool askPromotion() const;
  // Whether the panel beside the board was open.
  bool panel() const;
  // Whether 表示 → 検討 was on.
  bool analysis() const;
  言語 language() const;
  // The window's size in times its classic size, from 1 to 4.
  double zoom() const;
  // The folder the record dialogs open in; empty when none was kept.
  QString folder() const;
  // Whether the box saying there is no sound device has been shown once already.
  bool soundWarningShown() const;

  void setLevel(int level);
  void setGuidance(bool on);
  void setMusic(bool on);
  void setAskPromotion(bool on);
  void setPanel(bool shown);
  void setAnalysis(bool on);
  void setLanguage(言語 language);
  void setZoom(double scale);
  void setFolder(const QString& folder);
  void setSoundWarningShown();
  // Forgets every value: the next start is a fresh installation's.
  void clear();

 private:
  void write(const QString& key, const QVariant& value);
  bool flag(const QString& key, bool otherwise) const;
  // Writes the file now; the first failure is reported on standard error.
  void save();

  QSettings store_;
  bool failureReported_ = false;
};

}  // namespace brenvolt
