#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <memory>

#include "platform/gui/Clipboard.h"
#include "platform/qt/QtView.h"

namespace {
// A registered format travels under a MIME type that carries its name, so
// another program of ours reads it whatever id it gave the name.
QString MimeOf(UINT Format) {
  String name;
  RegisteredMessageName(Format, name);
  return QStringLiteral("application/x-gx-format;value=\"%1\"").arg(platform::qt::ToQString(name));
}

class DesktopClipboard : public TClipboardService {
 public:
  void Write(const TClipboardData& Data) override {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!Data.HasText && Data.Formats.empty()) return clipboard->clear();
    auto mime = std::make_unique<QMimeData>();
    if (Data.HasText) mime->setText(platform::qt::ToQString(Data.Text));
    for (const auto& [format, bytes] : Data.Formats)
      mime->setData(MimeOf(format), QByteArray(reinterpret_cast<const char*>(bytes.data()),
                                               static_cast<qsizetype>(bytes.size())));
    clipboard->setMimeData(mime.release());  // the clipboard owns it from here
  }

  bool ReadText(String& Text) const override {
    const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
    if (!mime || !mime->hasText()) return false;
    Text = platform::qt::FromQString(mime->text());
    return true;
  }

  bool ReadBytes(UINT Format, std::vector<std::uint8_t>& Data) const override {
    const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
    if (!mime || !mime->hasFormat(MimeOf(Format))) return false;
    const QByteArray bytes = mime->data(MimeOf(Format));
    Data.assign(bytes.begin(), bytes.end());
    return true;
  }

  bool HasBytes(UINT Format) const override {
    const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
    return mime && mime->hasFormat(MimeOf(Format));
  }
};

TClipboardService*& Installed() {
  static TClipboardService* s = nullptr;
  return s;
}
}  // namespace

void SetClipboardService(TClipboardService* Service) { Installed() = Service; }

TClipboardService& ClipboardService() {
  static DesktopClipboard desktop;
  return Installed() ? *Installed() : desktop;
}
