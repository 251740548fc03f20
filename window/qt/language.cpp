#include "window/qt/language.h"

#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>

namespace brenvolt {

namespace {

const QRegularExpression& 置き場所() {
  static const QRegularExpression placeholder(QStringLiteral("%(\\d)"));
  return placeholder;
}

bool 全てASCII(const QString& text) {
  for (const QChar c : text) {
    if (c.unicode() >= 0x80) return false;
  }
  return true;
}

// The sources with place holders in a Linguist file, with their contexts.
template <typename Pattern>
std::vector<Pattern> 型のある原文(const QString& file) {
  std::vector<Pattern> patterns;
  QFile in(file);
  if (!in.open(QIODevice::ReadOnly)) return patterns;
  QXmlStreamReader xml(&in);
  QString context;
  bool inName = false;
  while (!xml.atEnd()) {
    xml.readNext();
    if (xml.isStartElement() && xml.name() == QLatin1String("context")) context.clear();
    if (xml.isStartElement() && xml.name() == QLatin1String("name")) inName = true;
    if (xml.isEndElement() && xml.name() == QLatin1String("name")) inName = false;
    if (xml.isCharacters() && inName) context += xml.text();
    if (xml.isStartElement() && xml.name() == QLatin1String("source")) {
      const QString source = xml.readElementText();
      if (source.contains(置き場所())) patterns.push_back({context, source});
    }
  }
  return patterns;
}

}  // namespace

Language::Language() = default;
Language::~Language() = default;

bool Language::set(言語 language) {
  if (language == 言語::英語 && !loadEnglish()) return false;
  current_ = language;
  return true;
}

bool Language::loadEnglish() const {
  if (english_) return true;
  auto translator = std::make_unique<QTranslator>();
  if (!translator->load(QString::fromLatin1(英訳ファイル))) return false;
  english_ = std::move(translator);
  return true;
}

QString Language::text(const char* context, const QString& source) const {
  if (current_ == 言語::日本語) return source;
  const QString translated = english(context, source);
  return translated.isEmpty() ? source : translated;
}

QString Language::text(const char* context, const std::string& source) const {
  return text(context, QString::fromStdString(source));
}

QString Language::english(const char* context, const QString& source) const {
  if (source.isEmpty() || !loadEnglish()) return {};
  const QString whole = english_->translate(context, source.toUtf8().constData());
  if (!whole.isEmpty()) return whole;
  // Texts without Japanese in them (numbers, "Brenvolt") have no pattern to look for.
  if (全てASCII(source)) return {};
  return englishOfPattern(context, source);
}

QString Language::englishOfPattern(const char* context, const QString& source) const {
  if (!patternsRead_) {
    patterns_ = 型のある原文<Pattern>(QString::fromLatin1(英訳の原本));
    patternsRead_ = true;
  }
  for (const Pattern& pattern : patterns_) {
    if (pattern.context != QLatin1String(context)) continue;
    // The source as a regular expression: its text as it stands, each place holder any text.
    QString expression = QStringLiteral("^");
    QList<int> order;
    qsizetype from = 0;
    for (const auto& match : 置き場所().globalMatch(pattern.source)) {
      expression +=
          QRegularExpression::escape(pattern.source.mid(from, match.capturedStart() - from));
      expression += QStringLiteral("(.*?)");
      order.append(match.captured(1).toInt());
      from = match.capturedEnd();
    }
    expression += QRegularExpression::escape(pattern.source.mid(from)) + QStringLiteral("$");
    const QRegularExpressionMatch found =
        QRegularExpression(expression, QRegularExpression::DotMatchesEverythingOption)
            .match(source);
    if (!found.hasMatch()) continue;
    QString translated = english_->translate(context, pattern.source.toUtf8().constData());
    if (translated.isEmpty()) continue;
    // Each place holder takes its piece, itself in English where it has an entry; the pieces
    // go in one pass, so a "%1" inside a file name stays as it is.
    QStringList pieces(order.isEmpty() ? 0 : *std::max_element(order.begin(), order.end()));
    for (int i = 0; i < order.size(); ++i) {
      const QString piece = found.captured(i + 1);
      const QString pieceInEnglish = english(context, piece);
      pieces[order[i] - 1] = pieceInEnglish.isEmpty() ? piece : pieceInEnglish;
    }
    QString result;
    qsizetype at = 0;
    for (const auto& match : 置き場所().globalMatch(translated)) {
      result += translated.mid(at, match.capturedStart() - at);
      const int number = match.captured(1).toInt();
      result += number >= 1 && number <= pieces.size() ? pieces[number - 1] : match.captured();
      at = match.capturedEnd();
    }
    return result + translated.mid(at);
  }
  return {};
}

QString Language::shown(const std::string& text) const {
  if (current_ == 言語::日本語) return QString::fromStdString(text);
  return this->text(文脈_盤, text);
}

QStringList Language::everyLanguage(const std::string& text) const {
  const QString source = QString::fromStdString(text);
  QStringList all{source};
  if (全てASCII(source)) return all;
  const QString translated = english(文脈_盤, source);
  if (!translated.isEmpty()) all.append(translated);
  return all;
}

}  // namespace brenvolt
