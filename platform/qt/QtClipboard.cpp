#include "platform/qt/QtClipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace {
// The clipboard needs a GUI application; without one (a tool run) the service has none.
QClipboard* SystemClipboard() {
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) ? QGuiApplication::clipboard() : nullptr;
}
}  // namespace

QString QtClipboard::MimeTypeFor(const std::string& format) {
    if (format == "Kovel Format") return QStringLiteral("application/x-kovel-format");
    QString name = QString::fromStdString(format).toLower();
    name.replace(u' ', u'-');
    return QStringLiteral("application/x-kovel-") + name;
}

bool QtClipboard::SetData(const std::string& format, const std::vector<uint8_t>& bytes) {
    QClipboard* clipboard = SystemClipboard();
    if (!clipboard) return false;
    auto* data = new QMimeData;
    data->setData(MimeTypeFor(format),
                  QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size())));
    // The clipboard owns the data from here on and replaces whatever it held.
    clipboard->setMimeData(data);
    return true;
}

bool QtClipboard::HasFormat(const std::string& format) const {
    QClipboard* clipboard = SystemClipboard();
    if (!clipboard) return false;
    const QMimeData* data = clipboard->mimeData();
    return data && data->hasFormat(MimeTypeFor(format));
}

std::optional<std::vector<uint8_t>> QtClipboard::GetData(const std::string& format) const {
    QClipboard* clipboard = SystemClipboard();
    if (!clipboard) return std::nullopt;
    const QMimeData* data = clipboard->mimeData();
    const QString type = MimeTypeFor(format);
    if (!data || !data->hasFormat(type)) return std::nullopt;
    // Whatever another program put there: the caller checks the bytes before using them.
    const QByteArray bytes = data->data(type);
    return std::vector<uint8_t>(bytes.begin(), bytes.end());
}
