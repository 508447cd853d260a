#include "framework/ControlText.h"

#include <QApplication>
#include <QStringDecoder>

namespace fw::detail {

QString ToQString(const std::string& text) {
  QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  QString decoded = decoder(QByteArrayView(text.data(), static_cast<qsizetype>(text.size())));
  if (!decoder.hasError()) return decoded;
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

std::string FromQString(const QString& text) { return text.toStdString(); }

QFont ControlFont(int size, bool bold, bool italic, bool underline) {
  QFont font = QApplication::font();
  font.setPixelSize(size > 0 ? size : kDefaultControlTextSize);
  font.setBold(bold);
  font.setItalic(italic);
  font.setUnderline(underline);
  return font;
}

}  // namespace fw::detail
